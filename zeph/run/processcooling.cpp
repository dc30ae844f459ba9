#include <algorithm>
#include <cmath>

#include "corvo/corvoapp.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "run/zephrun.h"

// Cooling along the SHF line: the coil outlet and the reheat choices (a
// fixed supply temperature, or the air-change table), asked through the
// run's prompt.

using zeph::kFailed;
using zeph::kNoFixedOutlet;
using zeph::kStyleProcess;
using zeph::MsgButtons;
using zeph::MsgIcon;

namespace {

// The lowest coil-outlet temperature unless the coil's contact state forces
// a lower one, °C.
constexpr double kMinOffCoilTemp = 10.0;
// Margin below the contact state's dry bulb for that lower limit, K.
constexpr double kContactMargin = 2.0;

}  // namespace

int CZephRun::ProcCooling(int autoCalc, int reheat, int A, double SHF, double CF, double P,
                          double tSA, double& out) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    if (a.Db == kFailed) {
        AbandonProcess();
        return 0;
    }
    const double t = autoCalc == 1 ? kNoFixedOutlet : tSA;

    const CCorvoApp corvo;
    const _CORVO contact = corvo.cal_RHX(CF * 100.0, a.Xi, P);
    if (contact.Db == kFailed) {
        AbandonProcess();
        return 0;
    }
    double tmin = kMinOffCoilTemp;
    const double x = contact.Db - kContactMargin;
    if (x < kMinOffCoilTemp) {
        Prompt().Message(zeph::LoadResString(6136), MsgIcon::Exclamation, MsgButtons::Ok);
        tmin = x;
    }
    // cal_SHF reads a limit of exactly 0 as "10 °C"; a limit of 0 °C is
    // passed as the nearest value below it.
    const double limit = tmin == 0.0 ? std::nextafter(0.0, -1.0) : tmin;

    _CORVO r = corvo.cal_SHF(a, SHF, CF, t, P, limit);
    if (r.Db == kFailed && r.Mt == kFailed) {
        // The limit state on the SHF line could not be solved (the engine
        // has said so): there is no temperature to reheat from.
        AbandonProcess();
        return 0;
    }
    r.Mt = std::max(r.Mt, tSA);
    const double tOff = r.Mt;

    if (reheat == 1 && r.Db != kFailed) {
        if (!PresentStep(r, zeph::kLabelCoilOff, kStyleProcess, OriginOf(a), ResultAdd::Pending)) {
            return 0;
        }
        return m_state.pointNo + 1;
    }
    if (reheat == 1) {
        Prompt().Message(zeph::LoadResString(6100), MsgIcon::Question, MsgButtons::Ok);
        return ProcReheat(A, a, 1, SHF, CF, tOff, P, out);
    }
    return ProcReheat(A, a, 0, SHF, CF, tOff, P, out);
}

int CZephRun::ProcReheat(int A, const _CORVO& a, int mode, double SHF, double CF, double tOff,
                         double P, double& out) {
    ClearCurrent();
    if (mode == 0) {
        return ProcSupplyFixedTemp(A, a, 0, SHF, CF, tOff, P);
    }
    const std::optional<CRunPrompt::ReheaterChoice> choice = Prompt().ChooseReheater(tOff);
    if (!choice) {
        return 0;
    }
    if (choice->method == 0) {
        return ProcSupplyFixedTemp(A, a, 1, SHF, CF, choice->supplyTemp, P);
    }
    return ProcSupplyByAirChange(A, a, SHF, CF, tOff, P, out);
}

int CZephRun::ProcSupplyFixedTemp(int /*A*/, const _CORVO& a, int mode, double SHF, double CF,
                                  double t, double P) {
    const CCorvoApp corvo;
    const _CORVO s = corvo.cal_SHF_FixedSaTemp(a, SHF, t, P);
    if (!PresentStep(s, zeph::kLabelSupply, kStyleProcess, OriginOf(a), ResultAdd::AtOnce)) {
        return 0;
    }
    if (mode == 1) {
        // The coil outlet at the supply air's humidity.
        const _CORVO o = corvo.cal_RHX(CF * 100.0, s.Xi, P);
        PresentStep(o, zeph::kLabelCoilOff, kStyleProcess, OriginOf(s), ResultAdd::AtOnce);
    }
    return m_state.pointNo;
}

int CZephRun::ProcSupplyByAirChange(int /*A*/, const _CORVO& a, double SHF, double CF, double tOff,
                                    double P, double& out) {
    CRunPrompt::AirChangeQuestion question;
    question.room = a;
    question.shf = SHF;
    question.contactFactor = CF;
    question.pressure = P;
    question.minOffCoilTemp = tOff;
    // The room and loads of the capacity conditions, once the capacity
    // dialog has stored them (the capacity calculation comes here with them).
    const EqcConditions& c = m_state.eqcInput;
    if (c.floorArea > 0.0 && c.ceilingHeight > 0.0) {
        question.roomVolumeText = zeph::Format("%8.0f", c.floorArea * c.ceilingHeight);
        question.totalHeatText = zeph::Format("%10.0f", c.fanLoad + c.maxSensible + c.maxLatent);
    }
    const std::optional<CRunPrompt::AirChangeChoice> choice = Prompt().ChooseAirChange(question);
    if (!choice) {
        return 0;
    }
    out = choice->airChanges;

    const CCorvoApp corvo;
    const double V = choice->airChanges * choice->roomVolume;  // m³/h
    const _CORVO s = corvo.cal_SHF_AirQtyTh(a, SHF, CF, choice->totalHeat, V, P);
    if (!PresentStep(s, zeph::kLabelSupply, kStyleProcess, OriginOf(a), ResultAdd::AtOnce)) {
        return 0;
    }
    const _CORVO o = corvo.cal_RHX(CF * 100.0, s.Xi, P);
    PresentStep(o, zeph::kLabelCoilOff, kStyleProcess, OriginOf(s), ResultAdd::AtOnce);
    return m_state.pointNo;
}
