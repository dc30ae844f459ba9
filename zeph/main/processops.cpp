#include "dialogs/calpointdlgj.h"
#include "dialogs/deltadlgj.h"
#include "dialogs/heatdlgj.h"
#include "dialogs/hhdlgj.h"
#include "dialogs/mixdlgj.h"
#include "dialogs/shfdlgj.h"
#include "dialogs/slopcaldlgj.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"

// The process buttons: each runs its dialog and, on OK, the run's operation,
// which presents its result (or its end) through the window's prompt.

void CZephDlgJ::OnShfCommand() {
    CShfDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    double out = 0.0;
    m_run->ProcCooling(dlg.AutoCalc, dlg.ReheatSet, dlg.PointNo, dlg.Shf, dlg.ContactFactor, P,
                       dlg.SupplyTemp, out);
}

void CZephDlgJ::OnHumidifyCommand() {
    CHHDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    if (dlg.HumidMode == 0) {
        m_run->ProcHumSteam(dlg.PointA, dlg.PointB, P);
    } else if (dlg.HotWater == 0) {
        m_run->ProcHumHotWater(dlg.PointA, dlg.PointB, P);
    } else {
        m_run->ProcHumHotWaterTemp(dlg.PointA, dlg.PointB, dlg.HotWaterTemp, P);
    }
}

void CZephDlgJ::OnHeatCommand() {
    CHeatDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    if (dlg.HeatMode == 1) {
        m_run->PresentResult(m_run->ProcHeatByTemp(dlg.PointNo, dlg.DeltaT, P));
    } else {
        m_run->PresentResult(
            m_run->ProcHeatByAir(dlg.PointNo, dlg.Heat, dlg.AirVolume, dlg.Shf, P));
    }
}

void CZephDlgJ::OnMixCommand() {
    CMixDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    m_run->PresentResult(m_run->ProcMix(dlg.PointA, dlg.PointB, dlg.Ratio, P));
}

void CZephDlgJ::OnSlopeCommand() {
    CSlopCalDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    if (dlg.SlopeMode == 0) {
        m_run->PresentResult(m_run->ProcSlopeDt(dlg.PointA, dlg.PointB, dlg.DbDiff, P));
    } else {
        m_run->PresentResult(m_run->ProcSlopeDh(dlg.PointA, dlg.PointB, dlg.HiDiff, P));
    }
}

void CZephDlgJ::OnDeltaCommand() {
    CDeltaDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    ClearCurrent();
    m_run->ProcDelta(dlg.PointA, dlg.PointB);
    // A difference is shown whether or not it could be taken.
    ShowCurrentPoint();
    LockFields();
}

void CZephDlgJ::OnShowPointCommand() {
    CCalPointDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    ShowStoredPoint(dlg.PointNo);
}
