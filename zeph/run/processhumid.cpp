#include <optional>

#include "corvo/corvoapp.h"
#include "run/constants.h"
#include "run/strings.h"
#include "run/zephrun.h"

// Humidification by steam or by hot water. A humidifier may not take the
// air above 95 %; where it would, the air is first heated (once the user
// agreed), and that preheating point is added to the list at once.

using zeph::kFailed;
using zeph::kStyleProcess;
using zeph::MsgAnswer;
using zeph::MsgButtons;
using zeph::MsgIcon;

namespace {

constexpr double kSteamEnthalpy = 641.0;  // kcal/kg, the humidifying steam
constexpr double kMaxHumidity = 95.0;     // %, the most a humidifier gives

}  // namespace

bool CZephRun::PreheatAccepted() {
    return Prompt().Message(zeph::LoadResString(6101), MsgIcon::Exclamation,
                            MsgButtons::OkCancel) == MsgAnswer::Ok;
}

std::optional<_CORVO> CZephRun::AddPreheating(const _CORVO& a, double dT, double P) {
    ClearCurrent();
    const _CORVO c = CCorvoApp().cal_Heat_Temp(a, dT, P);
    if (!PresentStep(c, zeph::kLabelHeat, kStyleProcess, OriginOf(a), ResultAdd::AtOnce)) {
        return std::nullopt;
    }
    return c;
}

// Steam adds its own enthalpy with the moisture: the outlet at B's humidity
// ratio has the enthalpy of A plus 641 kcal/kg of steam per kg of moisture.
bool CZephRun::ProcHumSteam(int A, int B, double P) {
    ClearCurrent();
    const CCorvoApp e;
    const _CORVO a = GetPointValues(A);
    const _CORVO b = GetPointValues(B);
    const double h = a.Hi + e.cal_Udx(kSteamEnthalpy, b.Xi - a.Xi);
    const _CORVO s = e.cal_RHX(kMaxHumidity, b.Xi, P);
    if (s.Db == kFailed) {
        AbandonProcess();
        return false;
    }
    if (h >= s.Hi) {
        return PresentStep(e.cal_HX(h, b.Xi, P), zeph::kLabelHumidify, kStyleProcess, OriginOf(a),
                           ResultAdd::Pending);
    }
    if (!PreheatAccepted()) {
        EndWithoutResult();
        return false;
    }
    // Heated to the dry bulb of the 95 % state, the steam then stays below it.
    const _CORVO q = e.cal_DBX(s.Db, a.Xi, P);
    if (q.Db == kFailed) {
        AbandonProcess();
        return false;
    }
    const std::optional<_CORVO> c = AddPreheating(a, q.Db - a.Db, P);
    if (!c) {
        return false;
    }
    const _CORVO r = e.cal_HX(c->Hi + e.cal_Udx(kSteamEnthalpy, b.Xi - c->Xi), b.Xi, P);
    return PresentStep(r, zeph::kLabelHumidify, kStyleProcess, OriginOf(*c), ResultAdd::Pending);
}

// Water that is not heated humidifies at constant enthalpy.
bool CZephRun::ProcHumHotWater(int A, int B, double P) {
    ClearCurrent();
    const CCorvoApp e;
    const _CORVO a = GetPointValues(A);
    const _CORVO b = GetPointValues(B);
    const _CORVO s1 = e.cal_RHH(kMaxHumidity, a.Hi, P);
    if (s1.Db == kFailed) {
        AbandonProcess();
        return false;
    }
    const _CORVO s2 = e.cal_RHX(kMaxHumidity, b.Xi, P);
    if (s2.Db == kFailed) {
        AbandonProcess();
        return false;
    }
    if (s1.Xi >= s2.Xi) {
        return PresentStep(e.cal_HX(a.Hi, b.Xi, P), zeph::kLabelHumidify, kStyleProcess,
                           OriginOf(a), ResultAdd::Pending);
    }
    if (!PreheatAccepted()) {
        EndWithoutResult();
        return false;
    }
    // Heated to the enthalpy of the 95 % state at B's humidity ratio.
    const _CORVO t = e.cal_HX(s2.Hi, a.Xi, P);
    if (t.Db == kFailed) {
        AbandonProcess();
        return false;
    }
    const std::optional<_CORVO> c = AddPreheating(a, t.Db - a.Db, P);
    if (!c) {
        return false;
    }
    return PresentStep(e.cal_RHH(kMaxHumidity, c->Hi, P), zeph::kLabelHumidify, kStyleProcess,
                       OriginOf(*c), ResultAdd::Pending);
}

// Hot water at tw moves the air along the line towards saturated air at
// tw, until B's humidity ratio.
bool CZephRun::ProcHumHotWaterTemp(int A, int B, double tw, double P) {
    ClearCurrent();
    const CCorvoApp e;
    const _CORVO a = GetPointValues(A);
    const _CORVO b = GetPointValues(B);
    const _CORVO w = e.cal_DBRH(tw, 100, P);
    if (w.Db == kFailed) {
        AbandonProcess();
        return false;
    }
    // Water not above B's dew point cannot bring the air to B's humidity;
    // water whose saturated air holds no more moisture than A gives no line.
    if (tw <= b.Dp || w.Xi <= a.Xi) {
        Prompt().Message(zeph::LoadResString(6102), MsgIcon::Exclamation, MsgButtons::Ok);
        EndWithoutResult();
        return false;
    }
    const double u = (w.Hi - a.Hi) / (w.Xi - a.Xi);
    const _CORVO r = e.cal_HX(a.Hi + e.cal_Udx(u, b.Xi - a.Xi), b.Xi, P);
    return PresentStep(r, zeph::kLabelHumidify, kStyleProcess, OriginOf(a), ResultAdd::Pending);
}
