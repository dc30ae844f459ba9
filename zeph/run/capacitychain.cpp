#include "run/capacitychain.h"

#include <algorithm>
#include <cmath>

#include "corvo/corvoapp.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "run/zephrun.h"

// The capacity calculation: the chain that adds the room, coil, bypass and
// outdoor-air points through the run's own point services and processes,
// and sizes the unit from them.

using zeph::Format;
using zeph::kAirDensity;
using zeph::kKcalPerKw;
using zeph::LoadResString;
using zeph::MsgButtons;
using zeph::MsgIcon;

namespace {

// Static pressure of the fan, mmAq, for cal_FanLoad.
constexpr double kFanStaticPressure = 30.0;
// The fan load is settled when a pass adds no more than this, kcal/h.
constexpr double kFanLoadConvergence = 1e-6;
// Passes of the fan-load iteration before it gives up. A supply temperature
// near the room's dry bulb makes each pass shrink the error only a little,
// or grow it without end.
constexpr int kMaxFanPasses = 100;
// The bypass is used when the air-change air flow exceeds the heat air flow
// by more than this, m³/h.
constexpr double kBypassMargin = 1.0;

bool Positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

QString WithNumber(int before, double value, int after) {
    return LoadResString(before) + QLatin1Char(' ') + Format("%4.1f", value) + QLatin1Char(' ') +
           LoadResString(after);
}

}  // namespace

void CCapacityChain::NoAirflow() {
    m_run.Prompt().Message(tr(zeph::kNoAirflowText), MsgIcon::Exclamation, MsgButtons::Ok);
}

bool CCapacityChain::Run(const EqcConditions& c) {
    return c.system == 1 ? CalcBypassControl(c) : CalcSimpleCycle(c);
}

// --- point steps -------------------------------------------------------------------

bool CCapacityChain::AddCapacityPoint(const QString& name, double db, bool wetBulb, double value,
                                      double P) {
    m_run.ClearCurrent();
    // The texts the point box would hold, through the entered-field road.
    CZephRun::PointEntry entry;
    entry.name = name;
    entry.db = Format("%f", db);
    (wetBulb ? entry.wb : entry.rh) = Format("%f", value);
    const CZephRun::SolveOutcome solved = m_run.CalcPointAt(entry, P);
    if (solved == CZephRun::SolveOutcome::OutOfRange) {
        m_run.Prompt().Message(zeph::OutOfRangeText(), MsgIcon::Exclamation, MsgButtons::Ok);
    }
    if (solved != CZephRun::SolveOutcome::Pending) {
        return false;
    }
    m_run.Prompt().ResultProduced(false);
    return AcceptCapacityPoint(true);
}

bool CCapacityChain::AcceptCapacityPoint(bool produced) {
    if (!produced || m_run.State().current.pending != 1) {
        return false;
    }
    const int before = m_run.GetPointCount();
    m_run.AddCurrentPoint(1);
    m_run.ClearCurrent();
    m_run.Prompt().ProcessEnded();
    return m_run.GetPointCount() == before + 1;
}

double CCapacityChain::AirflowBetween(int a, int b, double Q) const {
    const double dh = std::abs(m_run.GetPointValues(a).Hi - m_run.GetPointValues(b).Hi);
    return CCorvoApp().cal_AIR_KcalDh(Q, dh) / kAirDensity;
}

double CCapacityChain::FanLoadOf(double airflow) {
    return CCorvoApp().cal_FanLoad(airflow, kFanStaticPressure) * kKcalPerKw;
}

// --- the chain ------------------------------------------------------------------------

// The fan heats the air it moves, so the air flow that carries the room's
// load carries the fan's load too: the two are found together, pass by pass.
double CCapacityChain::IterateFanLoad(int RM, const EqcConditions& c, double& T, double& shf) {
    const double Qs = c.maxSensible;
    const double Qt = c.maxSensible + c.maxLatent;
    const double V = c.floorArea * c.ceilingHeight;
    double F = 0.0;
    double H = Qt;
    for (int pass = 0; pass < kMaxFanPasses && Positive(H); ++pass) {
        shf = (F + Qs) / H;
        double Q = m_run.AirflowForSupplyTemp(RM, shf, c.contactFactor, c.pressure, T, H);
        if (!Positive(Q)) {
            break;
        }
        if (c.airChangeRate > Q / V) {
            Q = V * c.airChangeRate;
        }
        F = FanLoadOf(Q);
        if (!Positive(Q) || !std::isfinite(F)) {
            break;
        }
        if ((F + Qt) - H <= kFanLoadConvergence) {
            return Q;
        }
        H = F + Qt;
    }
    NoAirflow();
    return 0.0;
}

bool CCapacityChain::SolveCoilAndAirflow(const EqcConditions& c, CoilSolution* s) {
    const CCorvoApp corvo;
    const double P = c.pressure;
    const double Qs = c.maxSensible;
    const double Qt = c.maxSensible + c.maxLatent;
    const double V = c.floorArea * c.ceilingHeight;
    double N = c.airChangeRate;
    double T = c.supplyTemp;
    // The room names the system; the pressure is the one the points are
    // solved at, as the pressure box would show it.
    m_run.SetSystemName(c.roomName);
    m_run.SetPressureText(Format("%6.2f", P));
    s->P = P;

    if (!AddCapacityPoint(zeph::kLabelRoom, c.roomDb, false, c.roomRh, P)) {
        return false;
    }
    s->RM = m_run.State().pointNo;

    double shf = Qs / Qt;
    const double Q = IterateFanLoad(s->RM, c, T, shf);
    if (Q <= 0.0) {
        return false;
    }
    const double F = FanLoadOf(Q);
    // The air-change table of the coil step offers this heat.
    EqcConditions withFan = m_run.State().eqcInput;
    withFan.fanLoad = F;
    m_run.SetEqcInput(withFan);

    // The coil outlet waits for Yes; after reheat "S.A" and "OFF" are in the
    // list already. Nothing produced: the process has said why.
    const int before = m_run.GetPointCount();
    double airChanges = N;
    const int U0 = m_run.ProcCooling(1, 1, s->RM, shf, c.contactFactor, P, T, airChanges);
    bool reheat = false;
    double dhReheat = 0.0;
    if (U0 == 0) {
        return false;
    }
    if (m_run.State().current.pending == 1) {
        if (!AcceptCapacityPoint(true)) {
            return false;
        }
        s->U = m_run.State().pointNo;
        s->X = s->U;
    } else {
        if (m_run.GetPointCount() != before + 2 || U0 != m_run.State().pointNo) {
            return false;  // "OFF" refused after "S.A"; its message is shown
        }
        reheat = true;
        s->U = U0;
        s->X = U0 - 1;
        dhReheat = m_run.GetPointValues(s->X).Hi - m_run.GetPointValues(s->U).Hi;
    }
    N = airChanges;
    T = std::max(T, c.supplyTemp);

    s->Qa = AirflowBetween(s->RM, s->X, F + Qt);
    if (!Positive(s->Qa)) {
        NoAirflow();
        return false;
    }
    s->C = 0.0;
    s->D = 0;

    const double roomDb = m_run.GetPointValues(s->RM).Db;
    if (T > m_run.GetPointValues(s->X).Db) {
        // Supply warmer than the coil's: room air bypasses the coil.
        double T2 = T;
        double shf2 = Qs / Qt;
        const double Q2 = IterateFanLoad(s->RM, c, T2, shf2);
        if (Q2 <= 0.0) {
            return false;
        }
        if (!AcceptCapacityPoint(
                m_run.PresentResult(m_run.ProcSlopeDt(s->RM, s->X, roomDb - T, P)))) {
            return false;
        }
        s->D = m_run.State().pointNo;
        s->C = AirflowBetween(s->RM, s->D, FanLoadOf(Q2) + Qt);
        if (!Positive(s->C)) {
            NoAirflow();
            return false;
        }
    } else if (!reheat) {
        m_run.Prompt().Message(WithNumber(6127, T, 6128), MsgIcon::Question, MsgButtons::Ok);
    }

    if (N * V - s->Qa > kBypassMargin) {
        m_run.Prompt().Message(LoadResString(6108), MsgIcon::Exclamation, MsgButtons::Ok);
        s->C = N * V;
        const double dh = corvo.cal_H_KcalG(Qt, s->C * kAirDensity);
        if (!AcceptCapacityPoint(m_run.PresentResult(m_run.ProcSlopeDh(s->RM, s->X, dh, P)))) {
            return false;
        }
        s->D = m_run.State().pointNo;
    } else {
        const double rate = std::max(s->Qa, s->C) / V;
        m_run.Prompt().Message(WithNumber(6109, rate, 6110), MsgIcon::Question, MsgButtons::Ok);
    }

    s->R = s->Qa * dhReheat * kAirDensity;
    return true;
}

bool CCapacityChain::CalcSimpleCycle(const EqcConditions& c) {
    CoilSolution s;
    if (!SolveCoilAndAirflow(c, &s)) {
        return false;
    }
    return AddOutdoorAirAndBuild(0, c, s, 0.0);
}

bool CCapacityChain::CalcBypassControl(const EqcConditions& c) {
    CoilSolution s;
    if (!SolveCoilAndAirflow(c, &s)) {
        return false;
    }
    // At the minimum load the coil passes less air; the rest bypasses it.
    double minCoil = 0.0;
    const double Qmin = c.minSensible + c.minLatent;
    if (Qmin > 0.0) {
        const double dh = CCorvoApp().cal_H_KcalG(Qmin, s.Qa * kAirDensity);
        if (!AcceptCapacityPoint(
                m_run.PresentResult(m_run.ProcSlopeDh(s.RM, std::max(s.X, s.D), dh, s.P)))) {
            return false;
        }
        minCoil = AirflowBetween(s.RM, s.X, Qmin);
        if (!Positive(minCoil)) {
            NoAirflow();
            return false;
        }
    }
    return AddOutdoorAirAndBuild(1, c, s, minCoil);
}

bool CCapacityChain::AddOutdoorAirAndBuild(int system, const EqcConditions& c,
                                           const CoilSolution& s, double minCoilAirflow) {
    const double A = c.outdoorAirflow;
    int oa = s.RM;
    int mix = s.RM;
    if (A > 0.0) {
        // The return air is the coil's air flow less the outdoor air.
        if (A >= s.Qa) {
            m_run.Prompt().Message(zeph::ErrorText(zeph::kErrOutdoorAir), MsgIcon::Question,
                                   MsgButtons::Ok);
            return false;
        }
        if (!AddCapacityPoint(zeph::kLabelOutdoor, c.outdoorDb, true, c.outdoorWb, s.P)) {
            return false;
        }
        oa = m_run.State().pointNo;
        if (!AcceptCapacityPoint(
                m_run.PresentResult(m_run.ProcMix(oa, s.RM, A / (s.Qa - A), s.P)))) {
            return false;
        }
        mix = m_run.State().pointNo;
    }
    return BuildCapacityResult(system, c, s, oa, mix, minCoilAirflow);
}

bool CCapacityChain::BuildCapacityResult(int system, const EqcConditions& c, const CoilSolution& s,
                                         int oaPoint, int mixPoint, double minCoilAirflow) {
    CAutoCal_Ret r;
    r.name = c.roomName;
    r.system = system;
    r.pressure = s.P;
    r.floorArea = c.floorArea;
    r.ceilingHeight = c.ceilingHeight;
    r.outdoorAirflow = c.outdoorAirflow;

    r.totalAirflow = std::max({s.Qa, s.C, minCoilAirflow});
    r.coilAirflowMax = s.Qa;
    r.coilAirflowMin = minCoilAirflow;
    if (s.C > 0.0) {
        r.bypassAirflow1 = r.totalAirflow - s.Qa;
    }
    if (minCoilAirflow > 0.0) {
        r.bypassAirflow1 = r.totalAirflow - minCoilAirflow;
        r.bypassAirflow2 = r.totalAirflow - s.Qa;
    }
    r.airChangeRate = r.totalAirflow / (c.floorArea * c.ceilingHeight);

    const _CORVO m = m_run.GetPointValues(mixPoint);
    const _CORVO u = m_run.GetPointValues(s.U);
    const _CORVO x = m_run.GetPointValues(s.X);
    r.mixDb = m.Db;
    r.mixWb = m.Wb;
    r.coilOutDb = u.Db;
    r.coilOutWb = u.Wb;
    r.supplyDb = x.Db;
    r.supplyWb = x.Wb;

    // The outdoor air's load: cooled at its own humidity to the room's dry
    // bulb (sensible), then dried to the room's humidity (latent).
    double latent = 0.0;
    double sensible = 0.0;
    if (c.outdoorAirflow > 0.0) {
        const _CORVO oa = m_run.GetPointValues(oaPoint);
        const _CORVO rm = m_run.GetPointValues(s.RM);
        const _CORVO e = CCorvoApp().cal_DBX(oa.Db, rm.Xi, s.P);
        if (e.Db == zeph::kFailed) {
            m_run.AbandonProcess();
            return false;
        }
        latent = c.outdoorAirflow * (oa.Hi - e.Hi) * kAirDensity;
        sensible = c.outdoorAirflow * (e.Hi - rm.Hi) * kAirDensity;
    }
    r.outdoorAirLoad = latent + sensible;
    r.fanLoad = FanLoadOf(r.totalAirflow);
    r.systemReheat = s.R;
    r.loadCorrectionReheat = 0.0;
    r.sensibleCapacity = c.maxSensible + sensible + r.fanLoad + s.R;
    r.totalCapacity = c.maxLatent + r.sensibleCapacity + latent;
    if (!r.AllFinite()) {
        m_run.Prompt().Message(tr(zeph::kNoResultText), MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }

    // A result of an earlier run of this system not yet archived goes first:
    // every result reaches the report once.
    m_run.SetCapacityResult(r);
    return true;
}

// --- the run's entry ---------------------------------------------------------------

namespace {

bool InRange(double v, double min, double max) {
    return v >= min && v <= max;
}

}  // namespace

bool CZephRun::RunCapacityCalculation() {
    // A run that fails leaves the system as it found it: its points, its
    // name, the pressure and the stored conditions.
    const int pointsBefore = GetPointCount();
    const int pointNoBefore = m_state.pointNo;
    const QString systemBefore = m_state.systemName;
    const QString pressureBefore = m_state.pressureText;
    const EqcConditions inputBefore = m_state.eqcInput;

    if (m_state.eqcInput.roomName.isEmpty()) {
        EqcConditions named = m_state.eqcInput;
        named.roomName = m_state.systemName;
        SetEqcInput(named);
    }
    const EqcConditions c = m_state.eqcInput;
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
        Prompt().Message(LoadResString(missing), MsgIcon::Exclamation, MsgButtons::Ok);
    } else {
        done = CCapacityChain(*this).Run(c);
    }
    // Whatever the run added is in the list; nothing waits for Yes.
    ClearCurrent();
    if (!done) {
        KeepFirstPoints(pointsBefore, pointNoBefore);
        SetSystemName(systemBefore);
        SetPressureText(pressureBefore);
        SetEqcInput(inputBefore);
    }
    return done;
}
