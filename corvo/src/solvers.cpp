// The fourteen two-property solvers of CCorvoApp. Each takes the two given
// properties in the order of its name, then the total pressure P (hPa), and
// returns the full state, or shows its range message and returns the 999
// record. Units: °C, %, kg/kg(DA), hPa, enthalpy in the unit factor's unit.

#include <cfloat>
#include <cmath>

#include "constants.h"
#include "corvo/corvoapp.h"

using namespace corvo::k;

namespace {

// True when a solver cannot work with its arguments at all: a NaN or an
// infinity in any of them, or a total pressure that is not positive. The
// range checks below compare with <, > and ==, which a NaN passes through
// unnoticed, so such input is turned away before them.
bool Unusable(double a, double b, double P) {
    return !std::isfinite(a) || !std::isfinite(b) || !std::isfinite(P) || !(P > 0);
}

// v rounded to single precision; magnitudes beyond the float range become
// ±infinity instead of an undefined conversion.
float ToSingle(double v) {
    if (v > FLT_MAX) return INFINITY;
    if (v < -FLT_MAX) return -INFINITY;
    return static_cast<float>(v);
}

// Saturation humidity ratio (kg/kg(DA)) at t (°C) and total pressure P (hPa).
double Xs(const CCorvoFunction& f, double t, double P) {
    return f.Abs_p(f.Vp_dbrh(t, 100), P);
}

// One evaluation inside a dry-bulb search: the value, or the message text of
// the step that failed (nullptr when the value is usable).
struct Probe {
    double value;
    const char* fault;
};

// The result of a dry-bulb search: the dry bulb (°C), or the message text.
struct Found {
    double db;
    const char* fault;
};

// Bracketing secant search for the dry bulb t at which a property reaches
// `target`. Coarse scan from −50 °C in 10 K steps with coarse(t) up to the
// first step above the target; then passes on fine(t) whose bracket narrows
// tenfold around each new estimate (±1, ±0.1, … K). The answer is the
// estimate of the pass before the one whose difference across the bracket
// fell below 1e-12 (0 when the very first one did). An evaluation's fault
// ends the search with its text; running out of a bound (1000 coarse steps,
// 500 passes, far above the 14 or so that ordinary input needs) ends it with
// `plain`.
template <typename Coarse, typename Fine>
Found SecantOnDryBulb(Coarse coarse, Fine fine, double target, const char* plain) {
    double lo = -50;
    double hi = lo + 10;
    for (int step = 0;; ++step) {
        if (step >= kMaxCoarseSteps) return {0, plain};
        hi = lo + 10;
        const Probe p = coarse(hi);
        if (p.fault) return {0, p.fault};
        if (p.value > target) break;
        lo = hi;
    }
    double w = 10;
    double r = 0;
    for (int pass = 0; pass < kMaxRefinePasses; ++pass) {
        const Probe a = fine(lo);
        if (a.fault) return {0, a.fault};
        const Probe b = fine(hi);
        if (b.fault) return {0, b.fault};
        const double d = b.value - a.value;
        if (std::fabs(d) < 1e-12) return {r, nullptr};
        r = hi - (b.value - target) / d * (hi - lo);
        w = w / 10;
        lo = r - w;
        hi = r + w;
    }
    return {0, plain};
}

}  // namespace

// Dry bulb and wet bulb (°C).
_CORVO CCorvoApp::cal_DBWB(double db, double wb, double P) const {
    if (Unusable(db, wb, P)) return Corvo_Error(" cal_DBWB ");
    if (db < wb) return Corvo_Error(" cal_DBWB ");
    if (db > 100 || db < -50) return Corvo_Error(" cal_DBWB ");
    if (wb > 100 || wb < -50) return Corvo_Error(" cal_DBWB ");

    const double Xi = wb >= 0 ? Ab_dww(db, wb, P) : Ab_dwi(db, wb, P);
    const double Px = Vp_xi(Xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_DBWB / Vp_xi ");
    const double Rh = Hum_db(db, Px);
    if (Rh == kOutOfRange) return Corvo_Error(" cal_DBWB / Hum_db ");
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_DBWB / Dew_t ");
    return Corvo_Checked(SetData(db, wb, Rh, Dp, Entalpy(db, Xi), Xi, Px, Spedn(db, Xi, P), 0),
                         " cal_DBWB ");
}

// Dry bulb (°C) and relative humidity (%).
_CORVO CCorvoApp::cal_DBRH(double db, double rh, double P) const {
    if (Unusable(db, rh, P)) return Corvo_Error(" cal_DBRH ");
    if (rh == 100) {
        // Saturated: wet bulb and dew point equal the dry bulb. The dry bulb
        // is not range-checked here, but a saturation pressure beyond the
        // 100 hPa of Vp_dbrh, or above the total pressure, is reported
        // rather than carried into the record as a number.
        const double Px = Vp_dbrh(db, 100);
        if (Px == kOutOfRange) return Corvo_Error(" cal_DBRH / Vp_dbrh ");
        const double Xi = Abs_p(Px, P);
        if (Xi == kOutOfRange) return Corvo_Error(" cal_DBRH / Abs_p ");
        return Corvo_Checked(SetData(db, db, 100, db, Entalpy(db, Xi), Xi, Px, Spedn(db, Xi, P), 0),
                             " cal_DBRH ");
    }
    if (db > 100 || db < -50) return Corvo_Error(" cal_DBRH ");
    if (rh > 100 || rh < 0) return Corvo_Error(" cal_DBRH / RH ");

    const double Px = Vp_dbrh(db, rh);
    if (Px == kOutOfRange) return Corvo_Error(" cal_DBRH / Vp_dbrh ");
    const double Xi = Abs_p(Px, P);
    if (Xi == kOutOfRange) return Corvo_Error(" cal_DBRH / Abs_p ");
    const double Wb = Wb_dbxi(db, Xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_DBRH / Wb_dbxi ");
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_DBRH / Dew_t ");
    return Corvo_Checked(SetData(db, Wb, rh, Dp, Entalpy(db, Xi), Xi, Px, Spedn(db, Xi, P), 0),
                         " cal_DBRH ");
}

// Dry bulb and dew point (°C).
_CORVO CCorvoApp::cal_DBDP(double db, double dp, double P) const {
    if (Unusable(db, dp, P)) return Corvo_Error(" cal_DBDP ");
    if (db > 100 || db < -50 || dp > db) return Corvo_Error(" cal_DBDP ");

    const double Ps = Vp_dbrh(dp, 100);
    if (Ps == kOutOfRange) return Corvo_Error(" cal_DBDP / Vp_dbrh ");
    const double Xi = Abs_p(Ps, P);
    if (Xi == kOutOfRange) return Corvo_Error(" cal_DBDP / Abs_p ");
    const double Wb = Wb_dbxi(db, Xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_DBDP / Wb_dbxi ");
    const double Px = Vp_xi(Xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_DBDP / Vp_xi ");
    double Rh = 100;
    if (db != dp) {
        Rh = Hum_db(db, Px);
        if (Rh == kOutOfRange) return Corvo_Error(" cal_DBDP / Hum_db ");
    }
    return Corvo_Checked(SetData(db, Wb, Rh, dp, Entalpy(db, Xi), Xi, Px, Spedn(db, Xi, P), 0),
                         " cal_DBDP ");
}

// Dry bulb (°C) and enthalpy.
_CORVO CCorvoApp::cal_DBH(double db, double h, double P) const {
    if (Unusable(db, h, P)) return Corvo_Error(" cal_DBH ");
    if (db > 100 || db < -50) return Corvo_Error(" cal_DBH ");
    // Between bone-dry and saturated air at this dry bulb.
    if (h < Entalpy(db, 0) || h > Entalpy(db, Xs(*this, db, P))) return Corvo_Error(" cal_DBH ");

    const double Xi = Ab_hidb(h, db);
    const double Wb = Wb_dbxi(db, Xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_DBH / Wb_dbxi ");
    const double Px = Vp_xi(Xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_DBH / Vp_xi ");
    const double Rh = Hum_db(db, Px);
    if (Rh == kOutOfRange) return Corvo_Error(" cal_DBH / Hum_db ");
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_DBH / Dew_t ");
    return Corvo_Checked(SetData(db, Wb, Rh, Dp, h, Xi, Px, Spedn(db, Xi, P), 0), " cal_DBH ");
}

// Dry bulb (°C) and humidity ratio (kg/kg(DA)).
_CORVO CCorvoApp::cal_DBX(double db, double xi, double P) const {
    if (Unusable(db, xi, P)) return Corvo_Error(" cal_DBX ");
    if (db > 100 || db < -50) return Corvo_Error(" cal_DBX ");
    if (xi <= 0 || xi > Xs(*this, db, P)) return Corvo_Error(" cal_DBX ");

    const double Wb = Wb_dbxi(db, xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_DBX / Wb_dbxi ");
    const double Px = Vp_xi(xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_DBX / Vp_xi ");
    const double Rh = Hum_db(db, Px);
    if (Rh == kOutOfRange) return Corvo_Error(" cal_DBX / Hum_db ");
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_DBX / Dew_t ");
    return Corvo_Checked(SetData(db, Wb, Rh, Dp, Entalpy(db, xi), xi, Px, Spedn(db, xi, P), 0),
                         " cal_DBX ");
}

// Wet bulb (°C) and relative humidity (%): the dry bulb by a secant search
// on the wet bulb of air at that relative humidity.
_CORVO CCorvoApp::cal_WBRH(double wb, double rh, double P) const {
    if (Unusable(wb, rh, P)) return Corvo_Error(" cal_WBRH ");
    if (rh == 100) {
        // Saturated: the dry bulb equals the wet bulb. A saturation
        // pressure beyond the 100 hPa of Vp_dbrh, or above the total
        // pressure, is reported rather than carried into the record.
        const double Px = Vp_dbrh(wb, 100);
        if (Px == kOutOfRange) return Corvo_Error(" cal_WBRH / Vp_dbrh ");
        const double Xi = Abs_p(Px, P);
        if (Xi == kOutOfRange) return Corvo_Error(" cal_WBRH / Abs_p ");
        return Corvo_Checked(
            SetData(wb, wb, 100, Dew_t(Px), Entalpy(wb, Xi), Xi, Px, Spedn(wb, Xi, P), 0),
            " cal_WBRH ");
    }
    if (rh > 100 || rh < 0) return Corvo_Error(" cal_WBRH ");

    // X(t): humidity ratio at dry bulb t and relative humidity rh.
    auto X = [&](double t) { return Abs_p(Vp_dbrh(t, rh), P); };
    // In the coarse scan a 999 from Wb_dbxi lies above any wet bulb and so
    // simply stops the scan.
    auto coarse = [&](double t) { return Probe{Wb_dbxi(t, X(t), P), nullptr}; };
    auto fine = [&](double t) {
        const double x = X(t);
        if (x <= 0) return Probe{0, " cal_WBRH / Vp_dbrh "};
        const double w = Wb_dbxi(t, x, P);
        if (w == kOutOfRange) return Probe{0, " cal_WBRH / Wb_dbxi "};
        return Probe{w, nullptr};
    };
    const Found found = SecantOnDryBulb(coarse, fine, wb, " cal_WBRH ");
    if (found.fault) return Corvo_Error(found.fault);
    const double Db = found.db;
    if (wb > Db) return Corvo_Error(" cal_WBRH ");

    const double Px = Vp_dbrh(Db, rh);
    const double Dp = Dew_t(Px);  // stored as computed, 999 included
    const double Xi = Abs_p(Px, P);
    return Corvo_Checked(SetData(Db, wb, rh, Dp, Entalpy(Db, Xi), Xi, Px, Spedn(Db, Xi, P), 0),
                         " cal_WBRH ");
}

// Wet bulb and dew point (°C): the dry bulb by a secant search at the
// humidity ratio of the dew point.
_CORVO CCorvoApp::cal_WBDP(double wb, double dp, double P) const {
    if (Unusable(wb, dp, P)) return Corvo_Error(" cal_WBDP ");
    if (wb == dp) {
        // Saturated: the dry bulb equals the wet bulb. Saturation above the
        // total pressure (boiling) is reported rather than stored.
        if (Abs_p(Vpre(wb), P) == kOutOfRange) return Corvo_Error(" cal_WBDP / Abs_p ");
        const double Xi = wb >= 0 ? Ab_dww(wb, wb, P) : Ab_dwi(wb, wb, P);
        const double Px = Vp_xi(Xi, P);
        return Corvo_Checked(SetData(wb, wb, 100, dp, Entalpy(wb, Xi), Xi, Px, Spedn(wb, Xi, P), 0),
                             " cal_WBDP ");
    }
    // A dew point above the wet bulb is impossible; the two are compared in
    // single precision so that a dew point typed equal to the wet bulb but
    // carried a few ulps above it is not rejected.
    if (ToSingle(dp) > ToSingle(wb)) return Corvo_Error(" cal_WBDP ");
    if (dp < -50 || dp > 100) return Corvo_Error(" cal_WBDP ");

    const double Xd = Xs(*this, dp, P);
    auto coarse = [&](double t) {
        const double w = Wb_dbxi(t, Xd, P);
        if (w == kOutOfRange) return Probe{0, " cal_WBDP "};
        return Probe{w, nullptr};
    };
    auto fine = [&](double t) { return Probe{Wb_dbxi(t, Xd, P), nullptr}; };
    const Found found = SecantOnDryBulb(coarse, fine, wb, " cal_WBDP ");
    if (found.fault) return Corvo_Error(found.fault);
    const double Db = found.db;

    const double Px = Vp_xi(Xd, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_WBDP / Vp_xi ");
    const double Rh = Hum_db(Db, Px);
    if (Rh == kOutOfRange) return Corvo_Error(" cal_WBDP / Hum_db ");
    const double Xi = Abs_p(Px, P);
    if (Xi == kOutOfRange) return Corvo_Error(" cal_WBDP / Abs_p ");
    return Corvo_Checked(SetData(Db, wb, Rh, dp, Entalpy(Db, Xi), Xi, Px, Spedn(Db, Xi, P), 0),
                         " cal_WBDP ");
}

// Wet bulb (°C) and enthalpy: steps the dry bulb up from the wet bulb,
// solving each trial with cal_DBH, and backs off with a tenfold smaller
// step (1, 0.1, 0.01, 0.001, 0.0001 K) each time the trial's wet bulb
// overshoots. The record of the last overshooting trial is the answer, so
// its own wet bulb lies slightly above wb. A failing trial's record (and
// message) is passed on unchanged.
_CORVO CCorvoApp::cal_WBH(double wb, double h, double P) const {
    if (Unusable(wb, h, P)) return Corvo_Error(" cal_WBH ");
    double Db = wb;
    double step = 1.0;
    for (int calls = 0; calls < kMaxWbhCalls; ++calls) {
        const _CORVO rec = cal_DBH(Db, h, P);
        if (rec.Db == kOutOfRange) return rec;
        if (Db > 100 || Db < -50) return Corvo_Error(" cal_WBH ");
        if (rec.Wb > wb) {
            Db = Db - step;
            step = step / 10;
            if (step < 0.0001) return rec;
        }
        Db = Db + step;
    }
    return Corvo_Error(" cal_WBH ");
}

// Wet bulb (°C) and humidity ratio (kg/kg(DA)): the dry bulb in closed form
// from the wet-bulb relation (over ice below 0 °C).
_CORVO CCorvoApp::cal_WBX(double wb, double xi, double P) const {
    if (Unusable(wb, xi, P)) return Corvo_Error(" cal_WBX ");
    const double Db = wb >= 0 ? Db_xiwbw(xi, wb, P) : Db_xiwbi(xi, wb, P);
    if (wb > Db) return Corvo_Error(" cal_WBX ");
    if (xi <= 0 || xi > Xs(*this, Db, P) || xi > 0.055) return Corvo_Error(" cal_WBX ");

    const double Px = Vp_xi(xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_WBX / Vp_xi ");
    const double Rh = Hum_db(Db, Px);
    if (Rh == kOutOfRange) return Corvo_Error(" cal_WBX / Hum_db ");
    const double Hi = Entalpy(Db, xi);
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_WBX / Dew_t ");
    return Corvo_Checked(SetData(Db, wb, Rh, Dp, Hi, xi, Px, Spedn(Db, xi, P), 0), " cal_WBX ");
}

// Relative humidity (%) and dew point (°C).
_CORVO CCorvoApp::cal_RHDP(double rh, double dp, double P) const {
    if (Unusable(rh, dp, P)) return Corvo_Error(" cal_RHDP ");
    if (rh == 100) {
        // Saturated at the dew point. A saturation pressure beyond the
        // 100 hPa of Vp_dbrh, or above the total pressure, is reported
        // rather than carried into the record.
        const double Ps = Vp_dbrh(dp, 100);
        if (Ps == kOutOfRange) return Corvo_Error(" cal_RHDP / Vp_dbrh ");
        const double Xi = Abs_p(Ps, P);
        if (Xi == kOutOfRange) return Corvo_Error(" cal_RHDP / Abs_p ");
        const double Px = Vp_xi(Xi, P);
        return Corvo_Checked(SetData(dp, dp, 100, dp, Entalpy(dp, Xi), Xi, Px, Spedn(dp, Xi, P), 0),
                             " cal_RHDP ");
    }
    // rh = 0 has no state with a positive vapour pressure: no temperature
    // makes 0 % humid air hold any water.
    if (rh > 100 || rh <= 0) return Corvo_Error(" cal_RHDP ");
    if (dp < -50 || dp > 100) return Corvo_Error(" cal_RHDP ");

    const double Xi = Xs(*this, dp, P);
    const double Px = Vp_xi(Xi, P);
    const double Db = Dew_prh(Px, rh);
    const double Wb = Wb_dbxi(Db, Xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_RHDP / Wb_dbxi ");
    const double Rh = Hum_db(Db, Px);
    if (Rh == kOutOfRange) return Corvo_Error(" cal_RHDP / Hum_db ");
    return Corvo_Checked(SetData(Db, Wb, Rh, dp, Entalpy(Db, Xi), Xi, Px, Spedn(Db, Xi, P), 0),
                         " cal_RHDP ");
}

// Relative humidity (%) and enthalpy: the dry bulb by a secant search on
// the enthalpy of air at that relative humidity.
_CORVO CCorvoApp::cal_RHH(double rh, double h, double P) const {
    if (Unusable(rh, h, P)) return Corvo_Error(" cal_RHH ");
    if (rh > 100 || rh < 0) return Corvo_Error(" cal_RHH ");
    if (h > 50 || h < -10) return Corvo_Error(" cal_RHH ");

    auto X = [&](double t) { return Abs_p(Vp_dbrh(t, rh), P); };
    auto coarse = [&](double t) { return Probe{Entalpy(t, X(t)), nullptr}; };
    auto fine = [&](double t) {
        const double x = X(t);
        if (x <= 0) return Probe{0, " cal_RHH / Vp_dbrh "};
        return Probe{Entalpy(t, x), nullptr};
    };
    const Found found = SecantOnDryBulb(coarse, fine, h, " cal_RHH ");
    if (found.fault) return Corvo_Error(found.fault);
    const double Db = found.db;
    if (Db > 100) return Corvo_Error(" cal_RHH ");

    const double Xi = X(Db);
    const double Wb = Wb_dbxi(Db, Xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_RHH / Wb_dbxi ");
    const double Px = Vp_xi(Xi, P);  // stored as computed, 999 included
    const double Hi = Entalpy(Db, Xi);
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_RHH / Dew_t ");
    return Corvo_Checked(SetData(Db, Wb, rh, Dp, Hi, Xi, Px, Spedn(Db, Xi, P), 0), " cal_RHH ");
}

// Relative humidity (%, up to 120) and humidity ratio (kg/kg(DA)).
_CORVO CCorvoApp::cal_RHX(double rh, double xi, double P) const {
    if (Unusable(rh, xi, P)) return Corvo_Error(" cal_RHX ");
    // rh = 0 has no state with a positive vapour pressure.
    if (rh > 120 || rh <= 0) return Corvo_Error(" cal_RHX ");
    if (xi > 0.055 || xi < 0) return Corvo_Error(" cal_RHX ");

    const double Px = Vp_xi(xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_RHX / Vp_xi ");
    const double Db = Dew_prh(Px, rh);
    const double Xi = Abs_p(Px, P);
    const double Wb = Wb_dbxi(Db, Xi, P);
    if (Wb == kOutOfRange) return Corvo_Error(" cal_RHX / Wb_dbxi ");
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_RHX / Dew_t ");
    return Corvo_Checked(SetData(Db, Wb, rh, Dp, Entalpy(Db, Xi), Xi, Px, Spedn(Db, Xi, P), 0),
                         " cal_RHX ");
}

// Dew point (°C) and enthalpy.
_CORVO CCorvoApp::cal_DPH(double dp, double h, double P) const {
    if (Unusable(dp, h, P)) return Corvo_Error(" cal_DPH ");
    if (h > 50 || h < -10) return Corvo_Error(" cal_DPH ");

    const double Xi = Xs(*this, dp, P);
    const double Db = Db_hixi(h, Xi);
    const double Wb = Wb_dbxi(Db, Xi, P);
    if (Wb > Db) return Corvo_Error(" cal_DPH ");  // also catches a 999 wet bulb
    const double Px = Vp_xi(Xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_DPH / Vp_xi ");
    const double Rh = Hum_db(Db, Px);  // stored as computed, 999 included
    return Corvo_Checked(SetData(Db, Wb, Rh, dp, h, Xi, Px, Spedn(Db, Xi, P), 0), " cal_DPH ");
}

// Enthalpy and humidity ratio (kg/kg(DA)).
_CORVO CCorvoApp::cal_HX(double h, double xi, double P) const {
    if (Unusable(h, xi, P)) return Corvo_Error(" cal_HX ");
    if (xi > 0.055 || xi < 0) return Corvo_Error(" cal_HX ");
    if (h > 50 || h < -10) return Corvo_Error(" cal_HX ");

    const double Db = Db_hixi(h, xi);
    const double Wb = Wb_dbxi(Db, xi, P);
    if (Wb > Db) return Corvo_Error(" cal_HX ");  // also catches a 999 wet bulb
    const double Px = Vp_xi(xi, P);
    if (Px == kOutOfRange) return Corvo_Error(" cal_HX / Vp_xi ");
    const double Rh = Hum_db(Db, Px);  // stored as computed, 999 included
    const double Dp = Dew_t(Px);
    if (Dp == kOutOfRange) return Corvo_Error(" cal_HX / Dew_t ");
    return Corvo_Checked(SetData(Db, Wb, Rh, Dp, h, xi, Px, Spedn(Db, xi, P), 0), " cal_HX ");
}
