#include "gui/ui.h"
#include "main/commandnames.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/zephrun.h"
#include "tolvex/checkdata.h"

// What every process shares: the buttons, the pressure it runs at, and the
// step that puts its result into the point box or abandons it.

double CZephDlgJ::ProcessPressure() {
    UpdateData(true);
    return tolvex::CAtof(m_strPressure.toStdString());
}

bool CZephDlgJ::ResultStep(const _CORVO& r, const QString& label, int style, const Origins& origins,
                           ResultAdd add) {
    if (!PresentResult(m_run->ResultStep(r, label, style, origins, add))) {
        return false;
    }
    if (add == ResultAdd::AtOnce) {
        UpdateData(true);  // as adding a point does
    }
    return true;
}

bool CZephDlgJ::PresentResult(bool produced) {
    if (!produced) {
        AbandonProcess();
        return false;
    }
    ShowCurrentPoint();
    LockFields();
    return true;
}

void CZephDlgJ::AbandonProcess() {
    zeph::ShowMessage(zeph::OutOfRangeText(), zeph::MsgIcon::Exclamation, zeph::MsgButtons::Ok);
    ClearCurrent();
    SetFieldLock(0);
    ClearFields(0);
}

bool CZephDlgJ::ProcessCommandAvailable(int id) {
    switch (id) {
        case IDC_SHF:
        case IDC_MIX:
        case IDC_HEAT:
        case IDC_HH:
        case IDC_SLOPE:
        case IDC_DLT:
        case IDC_CP:
        case IDC_CAP:
        case IDC_EQC:
            return true;
        default:
            return false;
    }
}

void CZephDlgJ::OnProcessCommand(int id) {
    // The points a process adds at once, and the conditions EQC stores,
    // are one step named by its button; its pending result is the next.
    const CRunHistory::Step step(*m_history, zeph::ProcessStepName(id));
    switch (id) {
        case IDC_SHF:
            OnShfCommand();
            break;
        case IDC_MIX:
            OnMixCommand();
            break;
        case IDC_HEAT:
            OnHeatCommand();
            break;
        case IDC_HH:
            OnHumidifyCommand();
            break;
        case IDC_SLOPE:
            OnSlopeCommand();
            break;
        case IDC_DLT:
            OnDeltaCommand();
            break;
        case IDC_CP:
            OnShowPointCommand();
            break;
        case IDC_CAP:
            OnCapCommand();
            break;
        case IDC_EQC:
            OnEqcCommand(true);
            break;
        default:
            break;
    }
}
