#include <QPushButton>

#include "capacity/autoeqcdlg.h"
#include "capacity/autoeqcresultdlg.h"
#include "gui/fieldedit.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/strings.h"
#include "run/zephrun.h"

// The capacity commands of the main window: the capacity dialog (button EQC
// and the menu), the button 自動計算 and the result window.

using zeph::LoadResString;
using zeph::MsgIcon;

void CZephDlgJ::OnEqcCommand(bool presetRoomName) {
    UpdateData(true);
    EqcConditions shown = m_run->State().eqcInput;
    shown.roomName = presetRoomName ? m_strSystem : QString();
    CAutoEQCDlg dlg(shown, this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    m_run->SetEqcInput(dlg.Conditions);
    m_btnAutoCalc->setEnabled(true);
    zeph::ShowMessage(tr("線図右上の「自動計算ボタン」を押して下さい。"), MsgIcon::Question);
}

void CZephDlgJ::RunCapacityCalculation() {
    UpdateData(true);
    // A run that fails leaves the boxes as it found them, as typed.
    const QString systemBefore = m_strSystem;
    const QString pressureBefore = m_strPressure;
    const bool done = m_run->RunCapacityCalculation();
    if (done) {
        ShowCapacityResult(m_run->State().eqcResult);
    }
    RejectPoint();
    if (!done) {
        m_strSystem = systemBefore;
        m_editSystem->setText(m_strSystem);
        m_strPressure = pressureBefore;
        m_editPressure->setText(m_strPressure);
    }
    m_btnAutoCalc->setEnabled(false);
}

void CZephDlgJ::ShowCapacityResult(const CAutoCal_Ret& result) {
    // An open window shows the newest result: the chart it sits on does.
    m_pEqcResultDlg->SetResult(result);
    if (!m_pEqcResultDlg->IsOpen()) {
        m_pEqcResultDlg->Create();
    }
}
