#include "capacity/capacitycalc.h"

#include <algorithm>
#include <cmath>

#include "corvo/corvoapp.h"
#include "gui/fieldedit.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "run/zephrun.h"

// The capacity calculation of the main window: the chain that adds the
// room, coil, bypass and outdoor-air points through the window's own point
// services and sizes the unit from them. Loads in kcal/h, air flows in m³/h,
// enthalpies in kcal/kg.

using zeph::Format;
using zeph::kAirDensity;
using zeph::kKcalPerKw;
using zeph::LoadResString;
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

// The run cannot find an air flow that carries the load.
void NoAirflow() {
    zeph::ShowMessage(QString::fromUtf8(zeph::kNoAirflowText), MsgIcon::Exclamation);
}

bool Positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

QString WithNumber(int before, double value, int after) {
    return LoadResString(before) + QLatin1Char(' ') + Format("%4.1f", value) + QLatin1Char(' ') +
           LoadResString(after);
}

}  // namespace

// --- point steps -------------------------------------------------------------------

bool CZephDlgJ::AddCapacityPoint(const QString& name, double db, bool wetBulb, double value,
                                 double P) {
    ClearCurrent();
    m_strName = name;
    m_strDb = Format("%f", db);
    m_strWb.clear();
    m_strRh.clear();
    (wetBulb ? m_strWb : m_strRh) = Format("%f", value);
    m_strDp.clear();
    m_strHi.clear();
    m_strXi.clear();
    m_strDn.clear();
    // A state out of the view range has been refused with its message.
    CalcPointAt(P);
    return AcceptCapacityPoint(true);
}

bool CZephDlgJ::AcceptCapacityPoint(bool produced) {
    if (!produced || m_run->State().current.pending != 1) {
        return false;
    }
    const int before = GetPointCount();
    AcceptPoint();
    return GetPointCount() == before + 1;
}

double CZephDlgJ::AirflowBetween(int a, int b, double Q) const {
    const double dh = std::abs(GetPointValues(a).Hi - GetPointValues(b).Hi);
    return CCorvoApp().cal_AIR_KcalDh(Q, dh) / kAirDensity;
}

double CZephDlgJ::FanLoadOf(double airflow) {
    return CCorvoApp().cal_FanLoad(airflow, kFanStaticPressure) * kKcalPerKw;
}

// --- the chain ------------------------------------------------------------------------

// The fan heats the air it moves, so the air flow that carries the room's
// load carries the fan's load too: the two are found together, pass by pass.
double CZephDlgJ::IterateFanLoad(int RM, const EqcConditions& c, double& T, double& shf) {
    const double Qs = c.maxSensible;
    const double Qt = c.maxSensible + c.maxLatent;
    const double V = c.floorArea * c.ceilingHeight;
    double F = 0.0;
    double H = Qt;
    for (int pass = 0; pass < kMaxFanPasses && Positive(H); ++pass) {
        shf = (F + Qs) / H;
        double Q = AirflowForSupplyTemp(RM, shf, c.contactFactor, c.pressure, T, H);
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

bool CZephDlgJ::SolveCoilAndAirflow(const EqcConditions& c, CoilSolution* s) {
    const CCorvoApp corvo;
    const double P = c.pressure;
    const double Qs = c.maxSensible;
    const double Qt = c.maxSensible + c.maxLatent;
    const double V = c.floorArea * c.ceilingHeight;
    double N = c.airChangeRate;
    double T = c.supplyTemp;
    // The room names the system; the boxes hold what the points are solved
    // at, so that every later exchange reads the same back.
    m_strSystem = c.roomName;
    m_editSystem->setText(m_strSystem);
    m_strPressure = Format("%6.2f", P);
    m_editPressure->setText(m_strPressure);
    m_run->SetPressureText(m_strPressure);
    s->P = P;

    if (!AddCapacityPoint(zeph::kLabelRoom, c.roomDb, false, c.roomRh, P)) {
        return false;
    }
    s->RM = m_run->State().pointNo;

    double shf = Qs / Qt;
    const double Q = IterateFanLoad(s->RM, c, T, shf);
    if (Q <= 0.0) {
        return false;
    }
    const double F = FanLoadOf(Q);
    // The air-change table of the coil step offers this heat.
    EqcConditions withFan = m_run->State().eqcInput;
    withFan.fanLoad = F;
    m_run->SetEqcInput(withFan);

    // The coil outlet waits for Yes; after reheat "S.A" and "OFF" are in the
    // list already. Nothing produced: the process has said why.
    const int before = GetPointCount();
    double airChanges = N;
    const int U0 = ProcCooling(1, 1, s->RM, shf, c.contactFactor, P, T, airChanges);
    bool reheat = false;
    double dhReheat = 0.0;
    if (U0 == 0) {
        return false;
    }
    if (m_run->State().current.pending == 1) {
        if (!AcceptCapacityPoint(true)) {
            return false;
        }
        s->U = m_run->State().pointNo;
        s->X = s->U;
    } else {
        if (GetPointCount() != before + 2 || U0 != m_run->State().pointNo) {
            return false;  // "OFF" refused after "S.A"; its message is shown
        }
        reheat = true;
        s->U = U0;
        s->X = U0 - 1;
        dhReheat = GetPointValues(s->X).Hi - GetPointValues(s->U).Hi;
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

    const double roomDb = GetPointValues(s->RM).Db;
    if (T > GetPointValues(s->X).Db) {
        // Supply warmer than the coil's: room air bypasses the coil.
        double T2 = T;
        double shf2 = Qs / Qt;
        const double Q2 = IterateFanLoad(s->RM, c, T2, shf2);
        if (Q2 <= 0.0) {
            return false;
        }
        if (!AcceptCapacityPoint(ProcSlopeDt(s->RM, s->X, roomDb - T, P))) {
            return false;
        }
        s->D = m_run->State().pointNo;
        s->C = AirflowBetween(s->RM, s->D, FanLoadOf(Q2) + Qt);
        if (!Positive(s->C)) {
            NoAirflow();
            return false;
        }
    } else if (!reheat) {
        zeph::ShowMessage(WithNumber(6127, T, 6128), MsgIcon::Question);
    }

    if (N * V - s->Qa > kBypassMargin) {
        zeph::ShowMessage(LoadResString(6108), MsgIcon::Exclamation);
        s->C = N * V;
        const double dh = corvo.cal_H_KcalG(Qt, s->C * kAirDensity);
        if (!AcceptCapacityPoint(ProcSlopeDh(s->RM, s->X, dh, P))) {
            return false;
        }
        s->D = m_run->State().pointNo;
    } else {
        const double rate = std::max(s->Qa, s->C) / V;
        zeph::ShowMessage(WithNumber(6109, rate, 6110), MsgIcon::Question);
    }

    s->R = s->Qa * dhReheat * kAirDensity;
    return true;
}

bool CZephDlgJ::CalcSimpleCycle(const EqcConditions& c) {
    CoilSolution s;
    if (!SolveCoilAndAirflow(c, &s)) {
        return false;
    }
    return AddOutdoorAirAndBuild(0, c, s, 0.0);
}

bool CZephDlgJ::CalcBypassControl(const EqcConditions& c) {
    CoilSolution s;
    if (!SolveCoilAndAirflow(c, &s)) {
        return false;
    }
    // At the minimum load the coil passes less air; the rest bypasses it.
    double minCoil = 0.0;
    const double Qmin = c.minSensible + c.minLatent;
    if (Qmin > 0.0) {
        const double dh = CCorvoApp().cal_H_KcalG(Qmin, s.Qa * kAirDensity);
        if (!AcceptCapacityPoint(ProcSlopeDh(s.RM, std::max(s.X, s.D), dh, s.P))) {
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

bool CZephDlgJ::AddOutdoorAirAndBuild(int system, const EqcConditions& c, const CoilSolution& s,
                                      double minCoilAirflow) {
    const double A = c.outdoorAirflow;
    int oa = s.RM;
    int mix = s.RM;
    if (A > 0.0) {
        // The return air is the coil's air flow less the outdoor air.
        if (A >= s.Qa) {
            ShowError(zeph::kErrOutdoorAir);
            return false;
        }
        if (!AddCapacityPoint(zeph::kLabelOutdoor, c.outdoorDb, true, c.outdoorWb, s.P)) {
            return false;
        }
        oa = m_run->State().pointNo;
        if (!AcceptCapacityPoint(ProcMix(oa, s.RM, A / (s.Qa - A), s.P))) {
            return false;
        }
        mix = m_run->State().pointNo;
    }
    return BuildCapacityResult(system, c, s, oa, mix, minCoilAirflow);
}

bool CZephDlgJ::BuildCapacityResult(int system, const EqcConditions& c, const CoilSolution& s,
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

    const _CORVO m = GetPointValues(mixPoint);
    const _CORVO u = GetPointValues(s.U);
    const _CORVO x = GetPointValues(s.X);
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
        const _CORVO oa = GetPointValues(oaPoint);
        const _CORVO rm = GetPointValues(s.RM);
        const _CORVO e = CCorvoApp().cal_DBX(oa.Db, rm.Xi, s.P);
        if (e.Db == zeph::kFailed) {
            AbandonProcess();
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
        zeph::ShowMessage(QString::fromUtf8(zeph::kNoResultText), MsgIcon::Exclamation);
        return false;
    }

    // A result of an earlier run of this system not yet archived goes first:
    // every result reaches the report once.
    m_run->SetCapacityResult(r);
    ShowCapacityResult(r);
    return true;
}
