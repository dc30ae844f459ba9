#pragma once

#include <cmath>

#include "constants.h"

// The saturation vapour pressure formulas of Vpre (Hyland–Wexler, ASHRAE
// Handbook Fundamentals, ch. 1, eqs. 5 and 6), as coefficients of
//   ln p = c0/T + c1 + c2·T + c3·T² + c4·T³ + c5·T⁴ + cl·ln T
// with p in Pa and T in K; internal to the library.
namespace corvo::sat {

struct Formula {
    double c0, c1, c2, c3, c4, c5, cl;
};

inline constexpr Formula kOverWater{-5800.2206,    1.3914993, -0.048640239, 4.1764768e-5,
                                    -1.4452093e-8, 0.0,       6.5459673};
inline constexpr Formula kOverIce{-5674.5359,   6.3925247,     -0.009677843, 6.2215701e-7,
                                  2.0747825e-9, -9.484024e-13, 4.1635019};

// The formula Vpre uses at t (°C): over water above 0 °C, over ice at and
// below it.
inline const Formula& FormulaAt(double t) {
    return t > 0 ? kOverWater : kOverIce;
}

// ln p (p in Pa) at t (°C) and its derivative d(ln p)/dt, for the searches
// that invert the formulas. Evaluated in Horner form, so ln p may differ
// from the logarithm of Vpre in the last bits; the searches use it only to
// find where to look, and compare with Vpre itself.
struct LnPressure {
    double value, slope;
};
inline LnPressure LnSaturation(double t) {
    const Formula& f = FormulaAt(t);
    const double T = t + corvo::k::kT0;
    const double poly = f.c1 + T * (f.c2 + T * (f.c3 + T * (f.c4 + T * f.c5)));
    const double dpoly = f.c2 + T * (2 * f.c3 + T * (3 * f.c4 + T * 4 * f.c5));
    return {f.c0 / T + poly + f.cl * std::log(T), -f.c0 / (T * T) + dpoly + f.cl / T};
}

// The Magnus form p = 6.112·exp(a·t/(b + t)) hPa, over water and over ice:
// within a few tenths of a kelvin of Vpre from −50 to 60 °C, and cheap to
// invert. Only first guesses for the searches come from it.
struct MagnusForm {
    double a, b;
};
inline constexpr double kMagnusBase = 6.112;
inline constexpr MagnusForm kMagnusWater{17.62, 243.12};
inline constexpr MagnusForm kMagnusIce{22.46, 272.62};

inline const MagnusForm& MagnusAt(double t) {
    return t > 0 ? kMagnusWater : kMagnusIce;
}

// The temperature (°C) at which the Magnus pressure is p (hPa); NaN where
// there is none.
inline double MagnusInverse(double p) {
    if (!(p > 0)) return NAN;
    const double L = std::log(p / kMagnusBase);
    const MagnusForm& m = L > 0 ? kMagnusWater : kMagnusIce;
    return m.b * L / (m.a - L);
}

}  // namespace corvo::sat
