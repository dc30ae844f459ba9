#include <QPushButton>

#include <cmath>

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

namespace {

bool Positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

bool InRange(double v, double min, double max) {
    return v >= min && v <= max;
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
    // A run that fails leaves the system as it found it: its points, its
    // name, the pressure and the stored conditions.
    const RunState& run = m_run->State();
    const int pointsBefore = GetPointCount();
    const int pointNoBefore = run.pointNo;
    const QString systemBefore = m_strSystem;
    const QString pressureBefore = m_strPressure;
    const QString chartPressureBefore = run.pressureText;
    const EqcConditions inputBefore = run.eqcInput;

    if (run.eqcInput.roomName.isEmpty()) {
        EqcConditions named = run.eqcInput;
        named.roomName = m_strSystem;
        m_run->SetEqcInput(named);
    }
    const EqcConditions c = m_run->State().eqcInput;
    // The dialog's OK refuses these; conditions cleared since then would
    // size nothing, and a room too small for its range would have no
    // air-change rate.
    int missing = 0;
    if (!InRange(c.floorArea, EqcConditions::kMinFloorArea, EqcConditions::kMaxFloorArea)) {
        missing = 6132;
    } else if (!InRange(c.ceilingHeight, EqcConditions::kMinCeiling, EqcConditions::kMaxCeiling)) {
        missing = 6133;
    } else if (!Positive(c.maxSensible + c.maxLatent)) {
        missing = 6134;
    }
    bool done = false;
    if (missing != 0) {
        zeph::ShowMessage(LoadResString(missing), MsgIcon::Exclamation);
    } else if (c.system == 1) {
        done = CalcBypassControl(c);
    } else {
        done = CalcSimpleCycle(c);
    }
    // Whatever the run added is in the list; nothing waits for Yes.
    RejectPoint();
    if (!done) {
        m_run->KeepFirstPoints(pointsBefore, pointNoBefore);
        m_strSystem = systemBefore;
        m_editSystem->setText(m_strSystem);
        m_strPressure = pressureBefore;
        m_editPressure->setText(m_strPressure);
        m_run->SetPressureText(chartPressureBefore);
        m_run->SetEqcInput(inputBefore);
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
