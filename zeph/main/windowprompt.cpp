#include "main/windowprompt.h"

#include "dialogs/airchangedlgj.h"
#include "dialogs/reheaterdlgj.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"

zeph::MsgAnswer CWindowPrompt::Message(const QString& text, zeph::MsgIcon icon,
                                       zeph::MsgButtons buttons) {
    return zeph::ShowMessage(text, icon, buttons);
}

std::optional<CRunPrompt::ReheaterChoice> CWindowPrompt::ChooseReheater(double minOffCoilTemp) {
    CReHeaterDlgJ dlg(&m_window, &m_window);
    dlg.MinOffCoilTemp = minOffCoilTemp;
    if (dlg.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ReheaterChoice{dlg.Method, dlg.SupplyTemp};
}

std::optional<CRunPrompt::AirChangeChoice> CWindowPrompt::ChooseAirChange(
    const AirChangeQuestion& question) {
    CAirChangeDlgJ dlg(&m_window, &m_window);
    dlg.RoomState = question.room;
    dlg.Shf = question.shf;
    dlg.ContactFactor = question.contactFactor;
    dlg.Pressure = question.pressure;
    dlg.MinOffCoilTemp = question.minOffCoilTemp;
    dlg.RoomVolumeText = question.roomVolumeText;
    dlg.TotalHeatText = question.totalHeatText;
    if (dlg.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return AirChangeChoice{dlg.AirChanges, dlg.RoomVolume, dlg.TotalHeat};
}

void CWindowPrompt::ResultProduced(bool addedAtOnce) {
    m_window.ShowCurrentPoint();
    m_window.LockFields();
    if (addedAtOnce) {
        m_window.UpdateData(true);  // as adding a point does
    }
}

void CWindowPrompt::ProcessEnded() {
    m_window.ClearCurrent();
    m_window.SetFieldLock(0);
    m_window.ClearFields(0);
}
