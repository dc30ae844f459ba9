#include "corvo/corvofunction.h"

#include <cmath>

#include "constants.h"
#include "saturation.h"

using namespace corvo::k;

namespace {

constexpr double kKcalFactor = 0.2388886;    // kJ → kcal
constexpr double kWattFactor = 0.277777275;  // kJ → W·h-based unit (kJ / 3.6000065)
constexpr double kKjFactor = 1.0;

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
        const corvo::sat::Formula& f = corvo::sat::kOverWater;
        lnp = f.c0 / T + f.c1 + f.c2 * T + f.c3 * std::pow(T, 2) + f.c4 * std::pow(T, 3) +
              f.cl * std::log(T);
    } else {
        const corvo::sat::Formula& f = corvo::sat::kOverIce;
        lnp = f.c0 / T + f.c1 + f.c2 * T + f.c3 * std::pow(T, 2) + f.c4 * std::pow(T, 3) +
              f.c5 * std::pow(T, 4) + f.cl * std::log(T);
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

double CCorvoFunction::Db_xiwbw(double xi, double wb, double P) const {
    const double Xs = Abs_p(Vpre(wb), P);
    return ((kCpa + kCw * xi - 2.3805 * Xs) * wb + kR0 * (Xs - xi)) / (kCpw * xi + kCpa);
}

double CCorvoFunction::Db_xiwbi(double xi, double wb, double P) const {
    const double Xs = Abs_p(Vpre(wb), P);
    return ((kCpa + kCi * xi - 0.245 * Xs) * wb + kRi * (Xs - xi)) / (kCpw * xi + kCpa);
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
