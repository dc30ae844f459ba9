#include "dialogs/calpointdlgj.h"
#include "dialogs/deltadlgj.h"
#include "dialogs/heatdlgj.h"
#include "dialogs/mixdlgj.h"
#include "dialogs/slopcaldlgj.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"

// Heating, mixing, points on the line between two points, point
// differences and the display of a stored point: the buttons that run
// their dialogs, and the run's operations behind them presented.

void CZephDlgJ::OnHeatCommand() {
    CHeatDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    if (dlg.HeatMode == 1) {
        ProcHeatByTemp(dlg.PointNo, dlg.DeltaT, P);
    } else {
        ProcHeatByAir(dlg.PointNo, dlg.Heat, dlg.AirVolume, dlg.Shf, P);
    }
}

void CZephDlgJ::OnMixCommand() {
    CMixDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    ProcMix(dlg.PointA, dlg.PointB, dlg.Ratio, P);
}

void CZephDlgJ::OnSlopeCommand() {
    CSlopCalDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    if (dlg.SlopeMode == 0) {
        ProcSlopeDt(dlg.PointA, dlg.PointB, dlg.DbDiff, P);
    } else {
        ProcSlopeDh(dlg.PointA, dlg.PointB, dlg.HiDiff, P);
    }
}

void CZephDlgJ::OnDeltaCommand() {
    CDeltaDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    ClearCurrent();
    ProcDelta(dlg.PointA, dlg.PointB);
}

void CZephDlgJ::OnShowPointCommand() {
    CCalPointDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    ShowStoredPoint(dlg.PointNo);
}

void CZephDlgJ::ProcDelta(int A, int B) {
    ClearCurrent();
    m_run->ProcDelta(A, B);
    ShowCurrentPoint();
    LockFields();
}

bool CZephDlgJ::ProcHeatByAir(int A, double Q, double V, double SHF, double P) {
    ClearCurrent();
    return PresentResult(m_run->ProcHeatByAir(A, Q, V, SHF, P));
}

bool CZephDlgJ::ProcHeatByTemp(int A, double dT, double P) {
    ClearCurrent();
    return PresentResult(m_run->ProcHeatByTemp(A, dT, P));
}

bool CZephDlgJ::ProcMix(int A, int B, double ratio, double P) {
    ClearCurrent();
    return PresentResult(m_run->ProcMix(A, B, ratio, P));
}

bool CZephDlgJ::ProcSlopeDt(int A, int B, double dDb, double P) {
    ClearCurrent();
    return PresentResult(m_run->ProcSlopeDt(A, B, dDb, P));
}

bool CZephDlgJ::ProcSlopeDh(int A, int B, double dh, double P) {
    ClearCurrent();
    return PresentResult(m_run->ProcSlopeDh(A, B, dh, P));
}
