// The members of CCorvoFunction that invert the saturation pressure: the
// dew point, the wet-bulb relations and the wet bulb.
//
// Both searches are bracketing secant searches whose answer is the estimate
// of the pass before the one whose bracket became too narrow to tell apart,
// so the answer is not the exact root but a fixed function of the search's
// course. They are made faster here without changing that course: the
// coarse scan starts at the cell of a good first guess instead of at its
// lower end (the function scanned rises, so the scan ends in the same cell
// with the same values), values already computed are not computed again,
// and the dew point's last pass is made directly from its root, which gives
// the search's own answer to within about 10⁻¹² K.

#include <algorithm>
#include <cmath>
#include <optional>

#include "constants.h"
#include "corvo/corvofunction.h"
#include "saturation.h"

using namespace corvo::k;

namespace {

// ---- dew point ----

// The search stops once f differs by less than this across its bracket (hPa).
constexpr double kDewTolerance = 1e-6;

// Vpre(−100), below which no dew point exists; computed once.
double VpreAtMinus100(const CCorvoFunction& f) {
    static const double v = f.Vpre(-100);
    return v;
}

// Point n of the coarse scan: −100 °C and 10 K steps up from it.
double DewGrid(int n) {
    return -100 + 10.0 * n;
}

// Bracketing secant search for the temperature (°C) at which the rising
// function f(T) reaches `target`: a coarse scan for the first point
// −100 + 10·n °C (n = 1 … kMaxCoarseSteps) with f above the target, then
// passes that narrow the bracket tenfold around each new estimate (±1, ±0.1,
// … K). Returns the estimate of the pass before the one whose difference of
// f across the bracket fell below kDewTolerance, or 999 when a bound runs
// out. The scan starts at the cell of `guess` and steps down or up from
// there; since f rises it ends in the cell a scan from −100 °C ends in.
template <typename F>
double DewSecant(F f, double target, double guess) {
    int n = 1;
    if (guess > -100 && guess < 9000) {
        n = std::clamp(static_cast<int>((guess + 100) / 10) + 1, 1, kMaxCoarseSteps);
    }
    double fhi = f(DewGrid(n));
    double flo;
    if (fhi > target) {
        for (;;) {
            flo = f(DewGrid(n - 1));
            if (n == 1 || !(flo > target)) break;
            fhi = flo;
            --n;
        }
    } else {
        do {
            if (n >= kMaxCoarseSteps) return kOutOfRange;
            flo = fhi;
            fhi = f(DewGrid(++n));
        } while (!(fhi > target));
    }

    double lo = DewGrid(n - 1);
    double hi = DewGrid(n);
    double w = 10;
    double r = 0;
    for (int pass = 0; pass < kMaxRefinePasses; ++pass) {
        if (pass > 0) {
            fhi = f(hi);
            flo = f(lo);
        }
        const double d = fhi - flo;
        if (std::fabs(d) < kDewTolerance) return r;
        r = hi - (fhi - target) / d * (hi - lo);
        w = w / 10;
        lo = r - w;
        hi = r + w;
    }
    return kOutOfRange;
}

// The answer of DewSecant from its last pass alone. That answer is the
// secant estimate from the bracket centre ± w of the last pass made, and
// depends on the centre only through the square of its distance from the
// root, which by then is 10⁻⁵ K or less: centring that pass on the root
// instead moves the answer by 10⁻¹² K at most. So the root x of
// Vpre(x) = q is found by Newton's method on ln Vpre, the pass at which the
// search stops is read from the slope of f at x, and the last pass is made
// on x ± w. Nothing is returned (and the full search runs) where the stop
// is not certain by a wide margin, where the last passes are still wide
// (in very cold air, where f is flat) or where they come near the
// ice/water turn at 0 °C. `guess` receives the best first guess found.
template <typename F>
std::optional<double> DewFromRoot(F f, double target, double q, double& guess) {
    guess = corvo::sat::MagnusInverse(q);
    if (!(guess > -90 && guess < 90)) return std::nullopt;
    const double lnq = std::log(q * 100);
    double x = guess;
    double slope = 0;
    bool converged = false;
    for (int i = 0; i < 8 && !converged; ++i) {
        const corvo::sat::LnPressure ln = corvo::sat::LnSaturation(x);
        const double step = (ln.value - lnq) / ln.slope;
        x -= step;
        slope = ln.slope;
        converged = std::fabs(step) < 1e-6;
    }
    if (!converged) return std::nullopt;
    guess = x;

    // Half-widths of the passes, as the search computes them: 10 for the
    // coarse bracket, then a tenth of the one before. The search stops at
    // pass `stop`; its answer comes from the pass before, of half-width w1.
    const double fslope = target * slope;  // df/dT at x
    double w2 = 10, w1 = 10, w = 10;
    int stop = 0;
    do {
        if (++stop > 40) return std::nullopt;
        w2 = w1;
        w1 = w;
        w = w / 10;
    } while (!(2 * w * fslope < kDewTolerance));
    constexpr double kMargin = 1e-5;
    if (stop < 5 || !(2 * w * fslope < kDewTolerance * (1 - kMargin))) return std::nullopt;
    if (std::fabs(x) < 20 * w2) return std::nullopt;

    const double lo = x - w1;
    const double hi = x + w1;
    const double fhi = f(hi);
    const double d = fhi - f(lo);
    if (!(std::fabs(d) >= kDewTolerance * (1 + kMargin))) return std::nullopt;
    return hi - (fhi - target) / d * (hi - lo);
}

// The temperature (°C) at which f(T), a rising multiple of Vpre(T), reaches
// `target`; q is the saturation pressure (hPa) sought.
template <typename F>
double DewSearch(F f, double target, double q) {
    double guess = NAN;
    if (const std::optional<double> r = DewFromRoot(f, target, q, guess)) return *r;
    return DewSecant(f, target, guess);
}

// ---- wet bulb ----

// The wet-bulb relations on the saturation humidity ratio Xs at wb:
// over water (2.3805 = cw − cpw) and over ice (0.245 = ci − cpw).
double OverWater(double db, double wb, double Xs) {
    return ((kR0 - 2.3805 * wb) * Xs - kCpa * (db - wb)) / (kCpw * db + kR0 - kCw * wb);
}
double OverIce(double db, double wb, double Xs) {
    return ((kRi - 0.245 * wb) * Xs - kCpa * (db - wb)) / (kCpw * db + kRi - kCi * wb);
}

// Saturation humidity ratios at total pressure P, remembering the last two
// temperatures asked for: the coarse scan's last two points are the first
// refinement pass's bracket.
class SaturationMemo {
  public:
    SaturationMemo(const CCorvoFunction& f, double P) : f_(f), P_(P) {}

    double operator()(double t) {
        if (t == t_[0]) return xs_[0];
        if (t == t_[1]) return xs_[1];
        t_[1] = t_[0];
        xs_[1] = xs_[0];
        t_[0] = t;
        xs_[0] = f_.Abs_p(f_.Vpre(t), P_);
        return xs_[0];
    }

  private:
    const CCorvoFunction& f_;
    double P_;
    double t_[2] = {NAN, NAN};  // NaN equals nothing
    double xs_[2] = {0, 0};
};

// A first guess (°C) of the wet bulb of air at db with humidity ratio xi:
// the dew point by the Magnus form, a straight line from it along the
// wet-bulb relation, and one Newton step on the relation with the Magnus
// saturation humidity. Mostly within a kelvin; NaN where there is none.
double WetBulbGuess(double db, double xi, double P) {
    using corvo::sat::kMagnusBase;
    using corvo::sat::MagnusAt;
    constexpr double k = kCpa / kR0;  // the relation's slope in db − wb
    const double pw = P * xi / (kEps + xi);
    const double dp = corvo::sat::MagnusInverse(pw);
    if (!std::isfinite(dp) || !(pw < P)) return NAN;
    const auto& md = MagnusAt(dp);
    const double dxsAtDp = xi * P / (P - pw) * md.a * md.b / ((md.b + dp) * (md.b + dp));
    double wb = dp + k * (db - dp) / (dxsAtDp + k);
    const auto& m = MagnusAt(wb);
    const double p = kMagnusBase * std::exp(m.a * wb / (m.b + wb));
    if (!(p < P)) return wb;
    const double xs = kEps * p / (P - p);
    const double dxs = xs * P / (P - p) * m.a * m.b / ((m.b + wb) * (m.b + wb));
    wb -= (xs - k * (db - wb) - xi) / (dxs + k);
    return wb;
}

}  // namespace

double CCorvoFunction::Dew_t(double pw) const {
    if (VpreAtMinus100(*this) > pw) return kOutOfRange;
    return DewSearch([this](double T) { return Vpre(T); }, pw, pw);
}

double CCorvoFunction::Dew_prh(double pw, double rh) const {
    // The early test compares with Vpre(−100) alone, without the rh factor.
    if (pw != 0 && VpreAtMinus100(*this) > pw) return kOutOfRange;
    return DewSearch([this, rh](double T) { return Vpre(T) * rh / 100; }, pw, pw / rh * 100);
}

// Wet-bulb relation over water: the humidity ratio of air at db whose
// adiabatic saturation temperature is wb.
double CCorvoFunction::Ab_dww(double db, double wb, double P) const {
    return OverWater(db, wb, Abs_p(Vpre(wb), P));
}

// Wet-bulb relation over ice.
double CCorvoFunction::Ab_dwi(double db, double wb, double P) const {
    return OverIce(db, wb, Abs_p(Vpre(wb), P));
}

// Wet bulb by a bracketing secant search on the wet-bulb relation: a coarse
// scan in 10 K steps from db − 50 with the relation over water, then passes
// that narrow the bracket tenfold around each estimate. The relation (ice or
// water) is chosen by the lower end of the current bracket, not by the sign
// of the result.
double CCorvoFunction::Wb_dbxi(double db, double xi, double P) const {
    SaturationMemo xs(*this, P);
    const double start = db - 50;
    if (xi != 0 && xs(start) > xi) return kOutOfRange;
    if (db > 90) return kOutOfRange;

    // Point n of the scan, added up from `start` as a scan step by step does.
    auto grid = [start](int n) {
        double t = start;
        for (int i = 0; i < n; ++i) t = t + 10;
        return t;
    };
    auto above = [&](double t) { return OverWater(db, t, xs(t)) > xi; };
    // The first point with the relation above xi; the relation rises, so the
    // scan may start at the cell of a guess and step down or up from there.
    int n = 1;
    const double guess = WetBulbGuess(db, xi, P);
    if (guess > start && guess < start + 9000) {
        n = std::clamp(static_cast<int>((guess - start) / 10) + 1, 1, kMaxCoarseSteps);
    }
    double hi = grid(n);
    if (above(hi)) {
        while (n > 1 && above(grid(n - 1))) hi = grid(--n);
    } else {
        do {
            if (n >= kMaxCoarseSteps) return kOutOfRange;
            ++n;
            hi = hi + 10;
        } while (!above(hi));
    }
    double lo = grid(n - 1);

    // One refinement pass on a wet-bulb relation: the secant estimate r
    // from the current bracket, then a bracket ten times narrower around it.
    enum class Pass { kNarrowed, kConverged, kFailed };
    double w = 10;
    double r = 0;
    auto refine = [&](double (*relation)(double, double, double)) {
        const double fhi = relation(db, hi, xs(hi));
        const double d = fhi - relation(db, lo, xs(lo));
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
        const Pass p = refine(&OverIce);
        if (p == Pass::kFailed) return kOutOfRange;
        if (p == Pass::kConverged) return r;
    }

    // Water phase, from a fresh 10 K bracket.
    w = 10;
    hi = lo + 10;
    for (int pass = 0; pass < kMaxRefinePasses; ++pass) {
        const Pass p = refine(&OverWater);
        if (p == Pass::kFailed) return kOutOfRange;
        if (p == Pass::kConverged) return r;
    }
    return kOutOfRange;
}
