#include <QPushButton>

#include <cmath>

#include "capacity/autoeqcdlg.h"
#include "capacity/autoeqcresultdlg.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/strings.h"
#include "run/zephrun.h"

// The capacity commands of the main window: the capacity dialog (button EQC
// and the menu), the button 自動計算 and the result window.

using zeph::LoadResString;
using zeph::MsgIcon;

namespace {

bool Positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

}  // namespace

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
    zeph::ShowMessage(QStringLiteral("線図右上の「自動計算ボタン」を押して下さい。"),
                      MsgIcon::Question);
}

void CZephDlgJ::RunCapacityCalculation() {
    UpdateData(true);
    if (m_run->State().eqcInput.roomName.isEmpty()) {
        EqcConditions named = m_run->State().eqcInput;
        named.roomName = m_strSystem;
        m_run->SetEqcInput(named);
    }
    const EqcConditions c = m_run->State().eqcInput;
    // The dialog's OK refuses these; conditions cleared since then would
    // size nothing.
    int missing = 0;
    if (!Positive(c.floorArea)) {
        missing = 6132;
    } else if (!Positive(c.ceilingHeight)) {
        missing = 6133;
    } else if (!Positive(c.maxSensible + c.maxLatent)) {
        missing = 6134;
    }
    if (missing != 0) {
        zeph::ShowMessage(LoadResString(missing), MsgIcon::Exclamation);
    } else if (c.system == 1) {
        CalcBypassControl(c);
    } else {
        CalcSimpleCycle(c);
    }
    // Whatever the run added is in the list; nothing waits for Yes.
    RejectPoint();
    m_btnAutoCalc->setEnabled(false);
}

void CZephDlgJ::ShowCapacityResult(const CAutoCal_Ret& result) {
    // An open window shows the newest result: the chart it sits on does.
    m_pEqcResultDlg->SetResult(result);
    if (!m_pEqcResultDlg->IsOpen()) {
        m_pEqcResultDlg->Create();
    }
}
