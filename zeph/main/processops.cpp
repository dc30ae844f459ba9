#include <utility>

#include "corvo/corvoapp.h"
#include "dialogs/calpointdlgj.h"
#include "dialogs/deltadlgj.h"
#include "dialogs/heatdlgj.h"
#include "dialogs/mixdlgj.h"
#include "dialogs/slopcaldlgj.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/zephrun.h"

// Heating, mixing, points on the line between two points, point
// differences and the display of a stored point: the buttons that run
// their dialogs, and the operations behind them.

using zeph::kStyleHidden;
using zeph::kStyleMix;
using zeph::kStylePlain;
using zeph::kStyleProcess;

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
    const _CORVO r = CCorvoApp().cal_Dlt(GetPointValues(A), GetPointValues(B));
    // A difference is not a state: it is not tested against the view range,
    // and the chart does not draw it.
    const CZephData record =
        CZephRun::MakePointRecord(r, m_run->State().pointNo, QString(), kStyleHidden);
    ShowPoint(record, QString(), r.Db != zeph::kFailed ? 1 : 0);
    LockFields();
}

bool CZephDlgJ::ProcHeatByAir(int A, double Q, double V, double SHF, double P) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    const _CORVO r = CCorvoApp().cal_Heat_Air(a, Q, V, SHF, P);
    return ResultStep(r, zeph::kLabelHeat, kStyleProcess, OriginOf(a), ResultAdd::Pending);
}

CZephData CZephDlgJ::ProcHeatByTemp(int A, double dT, double P) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    const _CORVO r = CCorvoApp().cal_Heat_Temp(a, dT, P);
    const Origins origins = OriginOf(a);
    ResultStep(r, zeph::kLabelHeat, kStyleProcess, origins, ResultAdd::Pending);
    CZephData record =
        CZephRun::MakePointRecord(r, m_run->State().pointNo, zeph::kLabelHeat, kStyleProcess);
    record.Db1 = origins.db1;
    record.Xi1 = origins.xi1;
    return record;
}

bool CZephDlgJ::ProcMix(int A, int B, double ratio, double P) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    const _CORVO b = GetPointValues(B);
    const _CORVO r = CCorvoApp().cal_Mix(a, b, ratio, P);
    return ResultStep(r, zeph::kLabelMix, kStyleMix, OriginOf(a, b), ResultAdd::Pending);
}

// The engine measures the distance from the second point of the pair. The
// dialog asks for it from A, the warmer point, so the pair goes colder
// first (ties by enthalpy): the point then lies on the segment, and (A, B)
// and (B, A) give the same point.
bool CZephDlgJ::ProcSlopeDt(int A, int B, double dDb, double P) {
    ClearCurrent();
    _CORVO first = GetPointValues(A);
    _CORVO second = GetPointValues(B);
    if (first.Db > second.Db || (first.Db == second.Db && first.Hi > second.Hi)) {
        std::swap(first, second);
    }
    const _CORVO r = CCorvoApp().cal_SHFOnPointDt(first, second, dDb, P);
    return ResultStep(r, zeph::kLabelBetween, kStylePlain, Origins{}, ResultAdd::Pending);
}

// As ProcSlopeDt, with the distance measured in enthalpy from the point of
// higher enthalpy (ties by dry bulb).
bool CZephDlgJ::ProcSlopeDh(int A, int B, double dh, double P) {
    ClearCurrent();
    _CORVO first = GetPointValues(A);
    _CORVO second = GetPointValues(B);
    if (first.Hi > second.Hi || (first.Hi == second.Hi && first.Db > second.Db)) {
        std::swap(first, second);
    }
    const _CORVO r = CCorvoApp().cal_SHFOnPointDh(first, second, dh, P);
    return ResultStep(r, zeph::kLabelBetween, kStylePlain, Origins{}, ResultAdd::Pending);
}
