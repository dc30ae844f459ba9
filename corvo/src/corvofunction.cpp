#include "corvo/corvofunction.h"

#include <cmath>

#include "constants.h"

using namespace corvo::k;

namespace {

constexpr double kKcalFactor = 0.2388886;    // kJ → kcal
constexpr double kWattFactor = 0.277777275;  // kJ → W·h-based unit (kJ / 3.6000065)
constexpr double kKjFactor = 1.0;

// Bracketing secant search shared by Dew_t and Dew_prh: the temperature
// (°C) at which f(T) reaches the target, scanning up from −100 °C in 10 K
// steps and then narrowing the bracket tenfold around each new estimate.
// Returns the estimate of the pass before the one whose difference of f
// across the bracket fell below 1e-6, or 999 when a bound runs out.
template <typename F>
double SecantFromMinus100(F f, double target) {
    double lo = -100;
    double hi = lo + 10;
    int steps = 0;
    while (!(f(hi) > target)) {
        if (++steps >= kMaxCoarseSteps) return kOutOfRange;
        lo = hi;
        hi = lo + 10;
    }
    double w = 10;
    double r = 0;
    for (int pass = 0; pass < kMaxRefinePasses; ++pass) {
        const double fhi = f(hi);
        const double d = fhi - f(lo);
        if (std::fabs(d) < 1e-6) return r;
        r = hi - (fhi - target) / d * (hi - lo);
        w = w / 10;
        lo = r - w;
        hi = r + w;
    }
    return kOutOfRange;
}

}  // namespace

CCorvoFunction::CCorvoFunction() : m_dUnitFactor(kKcalFactor) {}

CCorvoFunction::CCorvoFunction(const CCorvoFunction& other) = default;

CCorvoFunction& CCorvoFunction::operator=(const CCorvoFunction& other) {
    CZephData::operator=(other);
    m_dUnitFactor = other.m_dUnitFactor;
    return *this;
}

CCorvoFunction::~CCorvoFunction() = default;

// Saturation vapour pressure over water (t > 0) and over ice (t <= 0),
// from the Hyland–Wexler formulas (ASHRAE Handbook Fundamentals, ch. 1,
// eqs. 5 and 6). ln p in Pa; the result in hPa.
double CCorvoFunction::Vpre(double t) const {
    const double T = t + kT0;
    double lnp;
    if (t > 0) {
        lnp = -5800.2206 / T + 1.3914993 - 0.048640239 * T + 4.1764768e-5 * std::pow(T, 2) -
              1.4452093e-8 * std::pow(T, 3) + 6.5459673 * std::log(T);
    } else {
        lnp = -5674.5359 / T + 6.3925247 - 0.009677843 * T + 6.2215701e-7 * std::pow(T, 2) +
              2.0747825e-9 * std::pow(T, 3) - 9.484024e-13 * std::pow(T, 4) +
              4.1635019 * std::log(T);
    }
    return std::exp(lnp) / 100;
}

double CCorvoFunction::Abs_p(double pw, double P) const {
    const double x = kEps * pw / (P - pw);
    return x < 0 ? kOutOfRange : x;
}

double CCorvoFunction::Vp_xi(double xi, double P) const {
    const double pw = P * xi / (kEps + xi);
    return pw < 0 ? kOutOfRange : pw;
}

// Relative humidity (%) of vapour pressure pw (hPa) at dry bulb db (°C).
// Saturated air reaches this function through round trips such as
// Vp_xi(Abs_p(Vpre(t), P), P), which land a few ulps either side of Vpre(t);
// a ratio above 1 by no more than kSaturationSlack is such a rounding and
// counts as saturation (100 %), anything beyond it is supersaturated (999).
double CCorvoFunction::Hum_db(double db, double pw) const {
    constexpr double kSaturationSlack = 1e-12;
    const double ps = Vpre(db);
    const double ratio = pw / ps;
    if (ratio > 1 + kSaturationSlack || ratio < 0) return kOutOfRange;
    if (ratio > 1) return 100;
    return 100 * pw / ps;
}

double CCorvoFunction::Vp_dbrh(double db, double rh) const {
    const double pw = rh / 100 * Vpre(db);
    if (pw < 0 || pw > 100) return kOutOfRange;
    return pw;
}

double CCorvoFunction::Dew_t(double pw) const {
    if (Vpre(-100) > pw) return kOutOfRange;
    return SecantFromMinus100([this](double T) { return Vpre(T); }, pw);
}

double CCorvoFunction::Dew_prh(double pw, double rh) const {
    // The early test compares with Vpre(−100) alone, without the rh factor.
    if (pw != 0 && Vpre(-100) > pw) return kOutOfRange;
    return SecantFromMinus100([this, rh](double T) { return Vpre(T) * rh / 100; }, pw);
}

// Wet-bulb relation over water: the humidity ratio of air at db whose
// adiabatic saturation temperature is wb (2.3805 = cw − cpw).
double CCorvoFunction::Ab_dww(double db, double wb, double P) const {
    const double Xs = Abs_p(Vpre(wb), P);
    return ((kR0 - 2.3805 * wb) * Xs - kCpa * (db - wb)) / (kCpw * db + kR0 - kCw * wb);
}

// Wet-bulb relation over ice (0.245 = ci − cpw).
double CCorvoFunction::Ab_dwi(double db, double wb, double P) const {
    const double Xs = Abs_p(Vpre(wb), P);
    return ((kRi - 0.245 * wb) * Xs - kCpa * (db - wb)) / (kCpw * db + kRi - kCi * wb);
}

double CCorvoFunction::Db_xiwbw(double xi, double wb, double P) const {
    const double Xs = Abs_p(Vpre(wb), P);
    return ((kCpa + kCw * xi - 2.3805 * Xs) * wb + kR0 * (Xs - xi)) / (kCpw * xi + kCpa);
}

double CCorvoFunction::Db_xiwbi(double xi, double wb, double P) const {
    const double Xs = Abs_p(Vpre(wb), P);
    return ((kCpa + kCi * xi - 0.245 * Xs) * wb + kRi * (Xs - xi)) / (kCpw * xi + kCpa);
}

// Wet bulb by a bracketing secant search on the wet-bulb relation. The
// relation (ice or water) is chosen by the lower end of the current
// bracket, not by the sign of the result.
double CCorvoFunction::Wb_dbxi(double db, double xi, double P) const {
    double lo = db - 50;
    if (xi != 0 && Abs_p(Vpre(lo), P) > xi) return kOutOfRange;
    if (db > 90) return kOutOfRange;

    double hi = lo + 10;
    int steps = 0;
    while (!(Ab_dww(db, hi, P) > xi)) {
        if (++steps >= kMaxCoarseSteps) return kOutOfRange;
        lo = hi;
        hi = lo + 10;
    }

    // One refinement pass on a wet-bulb relation: the secant estimate r
    // from the current bracket, then a bracket ten times narrower around it.
    enum class Pass { kNarrowed, kConverged, kFailed };
    double w = 10;
    double r = 0;
    auto refine = [&](double (CCorvoFunction::*relation)(double, double, double) const) {
        const double fhi = (this->*relation)(db, hi, P);
        const double d = fhi - (this->*relation)(db, lo, P);
        if (!std::isfinite(d)) return Pass::kFailed;
        if (std::fabs(d) < 1e-6) return Pass::kConverged;
        r = hi - (fhi - xi) / d * (hi - lo);
        w = w / 10;
        lo = r - w;
        hi = r + w;
        return Pass::kNarrowed;
    };

    // Ice phase, while the bracket's lower end is at or below 0 °C.
    for (int pass = 0; lo <= 0; ++pass) {
        if (pass >= kMaxRefinePasses) return kOutOfRange;
        const Pass p = refine(&CCorvoFunction::Ab_dwi);
        if (p == Pass::kFailed) return kOutOfRange;
        if (p == Pass::kConverged) return r;
    }

    // Water phase, from a fresh 10 K bracket.
    w = 10;
    hi = lo + 10;
    for (int pass = 0; pass < kMaxRefinePasses; ++pass) {
        const Pass p = refine(&CCorvoFunction::Ab_dww);
        if (p == Pass::kFailed) return kOutOfRange;
        if (p == Pass::kConverged) return r;
    }
    return kOutOfRange;
}

double CCorvoFunction::DryAir_Svol(double db, double P) const {
    return kRda * (db + kT0) / (100 * P);
}

double CCorvoFunction::Svol(double db, double xi, double P) const {
    return (kRw * xi + kRda) * (db + kT0) / (100 * P);
}

double CCorvoFunction::Db_vxi(double v, double xi, double P) const {
    return v / (kRw * xi + kRda) * P * 100 - kT0;
}

double CCorvoFunction::Ab_vdb(double v, double db, double P) const {
    return (v / (db + kT0) * P * 100 - kRda) / kRw;
}

double CCorvoFunction::DryAir_Spedn(double db, double P) const {
    return 1 / DryAir_Svol(db, P);
}

double CCorvoFunction::Spedn(double db, double xi, double P) const {
    return 1 / Svol(db, xi, P);
}

double CCorvoFunction::Entalpy(double db, double xi) const {
    return (kCpa * db + (kCpw * db + kR0) * xi) * m_dUnitFactor;
}

double CCorvoFunction::Ab_hidb(double h, double db) const {
    return (h / m_dUnitFactor - kCpa * db) / (kCpw * db + kR0);
}

double CCorvoFunction::Db_hixi(double h, double xi) const {
    return (h / m_dUnitFactor - kR0 * xi) / (kCpw * xi + kCpa);
}

double CCorvoFunction::Steam_Entalpy(double t) const {
    const double c = std::pow(10.0, -3e-6 * std::pow(t, 2) + 7.2e-5 * t - 0.3574);
    return kR0 * m_dUnitFactor + c * t;
}

double CCorvoFunction::CALWKJ(int mode) const {
    switch (mode) {
        case 0:
            return 1.0;
        case 1:
            return 1.1627899991879058;
        case 2:
            return 4.18605157382981;
        default:
            return 0.0;
    }
}

void CCorvoFunction::SetUnitChange(int mode) {
    switch (mode) {
        case 0:
            m_dUnitFactor = kKcalFactor;
            break;
        case 1:
            m_dUnitFactor = kWattFactor;
            break;
        case 2:
            m_dUnitFactor = kKjFactor;
            break;
        default:
            break;
    }
}
