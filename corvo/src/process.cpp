// Air processes of CCorvoApp. Each reduces to one or two solver calls, so a
// failure surfaces as the inner solver's range message and 999 record. Heat
// flows kcal/h, air volumes m³/h, mass flows kg/h, enthalpies in the unit
// factor's unit (kcal/kg(DA) by default), P total pressure in hPa, SHF the
// sensible share of the total heat (dimensionless), φ a relative humidity
// as a fraction.

#include <algorithm>
#include <cmath>

#include "constants.h"
#include "corvo/corvoapp.h"

using namespace corvo::k;

// Cooling from the room point R along the SHF line until the relative
// humidity φ·100 is reached. Each pass moves to the dry bulb t at which the
// current humidity ratio has that relative humidity, and follows the SHF
// line there (h at t = h − (h − Entalpy(t, x))/SHF), until the dry bulb
// stops falling. When the march drops below tmin (0 means 10 °C) or finds
// no such t, the result is the limit record: 999 in every state field but
// Hi and Mt; with c = 99 these hold the SHF line's point at tmin (enthalpy
// and dry bulb), otherwise the enthalpy reached and c. On success Mt is
// max(c, Db).
_CORVO CCorvoApp::cal_SHF(_CORVO R, double SHF, double phi, double c, double P, double tmin) const {
    // SHF 0 divides by zero; φ = 0 has no temperature with vapour in it.
    if (SHF == 0 || phi == 0) return Corvo_Error(" cal_SHF ");
    if (tmin == 0) tmin = 10;

    double Db = R.Db;
    double Hi = R.Hi;
    double Xi = R.Xi;
    for (int pass = 0;; ++pass) {
        if (pass >= kMaxShfPasses) return Corvo_Error(" cal_SHF ");
        // A humidity ratio driven to zero or below leaves no vapour pressure:
        // as unreachable as a t of 999.
        const double pw = Vp_xi(Xi, P);
        const double t = pw == kOutOfRange ? kOutOfRange : Dew_prh(pw, phi * 100);
        if (SHF == 1 && t != kOutOfRange) {
            Db = t;  // sensible cooling: straight to the outlet humidity, no tmin test
            break;
        }
        if (t < tmin || t == kOutOfRange) {
            if (c == 99) {
                const _CORVO L = cal_Limit_Satemp(R.Xi, R.Hi, SHF, tmin, P);
                c = L.Db;
                Hi = L.Hi;
            }
            return SetData(kOutOfRange, kOutOfRange, kOutOfRange, kOutOfRange, Hi, kOutOfRange,
                           kOutOfRange, kOutOfRange, c);
        }
        const double delta = Db - t;
        Db = t;
        Hi = Hi - (Hi - Entalpy(t, Xi)) / SHF;
        Xi = Ab_hidb(Hi, Db);
        if (!(delta >= 1e-12)) break;
    }
    const double Px = Vp_xi(Xi, P);
    return SetData(Db, Wb_dbxi(Db, Xi, P), phi * 100, Dew_t(Px), Entalpy(Db, Xi), Xi, Px,
                   Spedn(Db, Xi, P), std::max(c, Db));
}

// The point at dry bulb t (°C) on the SHF line through (h, xi).
_CORVO CCorvoApp::cal_Limit_Satemp(double xi, double h, double SHF, double t, double P) const {
    if (SHF == 0) return Corvo_Error(" cal_Limit_Satemp ");
    return cal_DBH(t, h - (h - Entalpy(t, xi)) / SHF, P);
}

// The point at supply dry bulb t (°C) on the SHF line through R.
_CORVO CCorvoApp::cal_SHF_FixedSaTemp(_CORVO R, double SHF, double t, double P) const {
    if (SHF == 0) return Corvo_Error(" cal_SHF_FixedSaTemp ");
    if (SHF == 1) return cal_DBX(t, R.Xi, P);
    return cal_DBH(t, R.Hi - (R.Hi - Entalpy(t, R.Xi)) / SHF, P);
}

// The point at humidity ratio x on the SHF line through R: the latent
// change R.Hi − Entalpy(R.Db, x) is the share (1 − SHF) of the total.
_CORVO CCorvoApp::cal_SHF_FixedOffTemp(_CORVO R, double x, double SHF, double phi, double P) const {
    if (SHF == 1) return cal_RHX(phi * 100, x, P);
    return cal_HX((R.Hi * SHF - Entalpy(R.Db, x)) / (SHF - 1), x, P);
}

// Supply point that removes the load Q (kcal/h) from the air volume V
// (m³/h) with sensible share SHF: total enthalpy drop Δh = Q/(V·ρ), the
// humidity ratio of the latent share removed at the room dry bulb.
_CORVO CCorvoApp::cal_SHF_AirQtyTh(_CORVO R, double SHF, double phi, double Q, double V,
                                   double P) const {
    if (V == 0) return Corvo_Error(" cal_SHF_AirQtyTh ");
    const double dh = cal_H_KcalG(Q, V * kAirDensity);
    double x;
    if (SHF == 1) {
        x = cal_RHX(phi * 100, R.Xi, P).Xi;  // R.Xi itself, validated
    } else {
        x = cal_DBH(R.Db, R.Hi - (1 - SHF) * dh, P).Xi;
    }
    return cal_HX(R.Hi - dh, x, P);
}

namespace {

// Sensible ratio k of the line from the coil-outlet point A to the room
// point B: the enthalpy rise from A to B's dry bulb at A's humidity ratio,
// over the whole rise from A to B.
double LineRatio(const CCorvoApp& e, const _CORVO& A, const _CORVO& B, double P) {
    return (e.cal_DBX(B.Db, A.Xi, P).Hi - A.Hi) / (B.Hi - A.Hi);
}

}  // namespace

// The point on the line A–B whose dry bulb is B.Db − dt (K).
_CORVO CCorvoApp::cal_SHFOnPointDt(_CORVO A, _CORVO B, double dt, double P) const {
    const double k = LineRatio(*this, A, B, P);
    const _CORVO E = cal_DBX(B.Db - dt, A.Xi, P);
    const double h = (E.Hi - A.Hi) / k + A.Hi;
    return cal_DBH(E.Db, h, P);
}

// The point on the line A–B whose enthalpy is B.Hi − Q/(V·A.Dn), the
// density of A turning the volume V (m³/h) into a mass flow.
_CORVO CCorvoApp::cal_SHFOnPointQtyTh(_CORVO A, _CORVO B, double V, double Q, double P) const {
    if (V == 0) return Corvo_Error(" cal_SHFOnPointQtyTh ");
    const double k = LineRatio(*this, A, B, P);
    const double h = B.Hi - Q / (V * A.Dn);
    const double hx = (h - A.Hi) * k + A.Hi;  // sensible part, at A's humidity ratio
    return cal_DBH(cal_HX(hx, A.Xi, P).Db, h, P);
}

// The point on the line A–B whose enthalpy is B.Hi − dh.
_CORVO CCorvoApp::cal_SHFOnPointDh(_CORVO A, _CORVO B, double dh, double P) const {
    const double k = LineRatio(*this, A, B, P);
    const double h = B.Hi - dh;
    const double hx = (h - A.Hi) * k + A.Hi;
    return cal_DBH(cal_HX(hx, A.Xi, P).Db, h, P);
}

// Sensible heating by dt (K) at constant humidity ratio.
_CORVO CCorvoApp::cal_Heat_Temp(_CORVO R, double dt, double P) const {
    return cal_DBX(R.Db + dt, R.Xi, P);
}

// Adding the load Q (kcal/h) to the air volume V (m³/h) with sensible share
// SHF: the dry bulb of the sensible part, the enthalpy of the whole.
_CORVO CCorvoApp::cal_Heat_Air(_CORVO R, double Q, double V, double SHF, double P) const {
    if (V == 0) return Corvo_Error(" cal_Heat_Air ");
    const double dh = Q / (V * kAirDensity);
    const double t = cal_HX(R.Hi + SHF * dh, R.Xi, P).Db;
    return cal_DBH(t, R.Hi + dh, P);
}

// Raising the enthalpy by a·b at the dry bulb the rise gives at constant
// humidity ratio.
_CORVO CCorvoApp::cal_Heat_Hum(_CORVO R, double a, double b, double P) const {
    const double h = R.Hi + a * b;
    const double t = cal_HX(h, R.Xi, P).Db;
    return cal_DBH(t, h, P);
}

// Mixing r parts of A with one part of B (by mass): enthalpy and humidity
// ratio are conserved. r = 0 is B itself, returned whole.
_CORVO CCorvoApp::cal_Mix(_CORVO A, _CORVO B, double r, double P) const {
    if (r == 0) return B;
    return cal_HX((r * A.Hi + B.Hi) / (1 + r), (r * A.Xi + B.Xi) / (1 + r), P);
}

// Absolute differences of the eight state fields; the rest are 0.
_CORVO CCorvoApp::cal_Dlt(_CORVO A, _CORVO B) const {
    return SetData(std::fabs(A.Db - B.Db), std::fabs(A.Wb - B.Wb), std::fabs(A.Rh - B.Rh),
                   std::fabs(A.Dp - B.Dp), std::fabs(A.Hi - B.Hi), std::fabs(A.Xi - B.Xi),
                   std::fabs(A.Px - B.Px), std::fabs(A.Dn - B.Dn), 0);
}

// Enthalpy difference (kcal/kg) of heat flow Q (kcal/h) in mass flow G (kg/h).
double CCorvoApp::cal_H_KcalG(double Q, double G) const {
    return Q / G;
}

// Mass flow (kg/h) that carries heat flow Q (kcal/h) at enthalpy difference dh.
double CCorvoApp::cal_AIR_KcalDh(double Q, double dh) const {
    return Q / dh;
}

// Heat flow (kcal/h) of mass flow G (kg/h) at enthalpy difference dh.
double CCorvoApp::cal_TH_GDh(double G, double dh) const {
    return G * dh;
}

// Fan power (kW) for air volume V (m³/h) and fan pressure p (mmAq).
double CCorvoApp::cal_FanLoad(double V, double p) const {
    return V / 60 * p / 3060;
}

double CCorvoApp::cal_Udx(double a, double b) const {
    return a * b;
}

double CCorvoApp::cal_Udh(double a, double b) const {
    return b / a;
}
