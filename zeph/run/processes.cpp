#include <algorithm>
#include <cmath>
#include <utility>

#include "corvo/corvoapp.h"
#include "run/constants.h"
#include "run/zephrun.h"

// The processes that ask nothing of the user: heating, mixing, points on
// the line between two points, point differences, and the air flow for a
// supply temperature used by the capacity calculation. Each result becomes
// the current point through ResultStep.

using zeph::kAirDensity;
using zeph::kFailed;
using zeph::kNoFixedOutlet;
using zeph::kStyleHidden;
using zeph::kStyleMix;
using zeph::kStylePlain;
using zeph::kStyleProcess;

void CZephRun::ProcDelta(int A, int B) {
    ClearCurrent();
    const _CORVO r = CCorvoApp().cal_Dlt(GetPointValues(A), GetPointValues(B));
    // A difference is not a state: it is not tested against the view range,
    // and the chart does not draw it.
    CurrentPoint delta;
    delta.pending = corvo::IsFailed(r) ? 0 : 1;
    delta.style = kStyleHidden;
    delta.values = r;
    SetCurrent(delta);
}

bool CZephRun::ProcHeatByAir(int A, double Q, double V, double SHF, double P) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    const _CORVO r = CCorvoApp().cal_Heat_Air(a, Q, V, SHF, P);
    return ResultStep(r, zeph::kLabelHeat, kStyleProcess, OriginOf(a), ResultAdd::Pending);
}

bool CZephRun::ProcHeatByTemp(int A, double dT, double P) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    const _CORVO r = CCorvoApp().cal_Heat_Temp(a, dT, P);
    return ResultStep(r, zeph::kLabelHeat, kStyleProcess, OriginOf(a), ResultAdd::Pending);
}

bool CZephRun::ProcMix(int A, int B, double ratio, double P) {
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
bool CZephRun::ProcSlopeDt(int A, int B, double dDb, double P) {
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
bool CZephRun::ProcSlopeDh(int A, int B, double dh, double P) {
    ClearCurrent();
    _CORVO first = GetPointValues(A);
    _CORVO second = GetPointValues(B);
    if (first.Hi > second.Hi || (first.Hi == second.Hi && first.Db > second.Db)) {
        std::swap(first, second);
    }
    const _CORVO r = CCorvoApp().cal_SHFOnPointDh(first, second, dh, P);
    return ResultStep(r, zeph::kLabelBetween, kStylePlain, Origins{}, ResultAdd::Pending);
}

double CZephRun::AirflowForSupplyTemp(int A, double SHF, double CF, double P, double& tOff,
                                      double Q) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    if (a.Db == kFailed) {
        return 0.0;
    }
    const CCorvoApp corvo;
    const _CORVO r = corvo.cal_SHF(a, SHF, CF, kNoFixedOutlet, P, tOff);
    double t = 0.0;
    double h = 0.0;  // enthalpy of the supply state, kcal/kg
    if (r.Db == kFailed) {
        // The coil line stops at the limit: the state on the SHF line there.
        t = r.Mt;
        h = r.Hi;
    } else if (r.Db > tOff) {
        // The coil cannot go down to tOff: supply at the coil outlet.
        t = r.Db;
        h = r.Hi;
    } else {
        // Supply air at tOff on the line from the coil outlet to the room.
        const _CORVO s = corvo.cal_SHFOnPointDt(r, a, a.Db - tOff, P);
        t = s.Db;
        h = s.Hi;
    }
    if (t == kFailed || h == kFailed) {
        return 0.0;
    }
    tOff = t;
    const double dh = a.Hi - h;
    // No enthalpy taken from the room: no air flow carries the heat.
    if (!(dh > 0.0)) {
        return 0.0;
    }
    const double flow = Q / (dh * kAirDensity);
    return std::isfinite(flow) ? flow : 0.0;
}
