// Absurd input through every argument: each call must return, and a solver
// must answer either a finite state without a message or the error record
// with exactly one message. The process members must return too.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

#include "corvo/corvoapp.h"
#include "sink_capture.h"

namespace {

using Solver = _CORVO (CCorvoApp::*)(double, double, double) const;

struct SolverCase {
    const char* name;
    Solver fn;
    double a, b;  // a typical pair for this solver
};

const std::vector<SolverCase>& Solvers() {
    static const std::vector<SolverCase> all = {
        {"cal_DBWB", &CCorvoApp::cal_DBWB, 26, 19},   {"cal_DBRH", &CCorvoApp::cal_DBRH, 26, 50},
        {"cal_DBDP", &CCorvoApp::cal_DBDP, 26, 15},   {"cal_DBH", &CCorvoApp::cal_DBH, 26, 12.6},
        {"cal_DBX", &CCorvoApp::cal_DBX, 26, 0.0105}, {"cal_WBRH", &CCorvoApp::cal_WBRH, 19, 50},
        {"cal_WBDP", &CCorvoApp::cal_WBDP, 19, 15},   {"cal_WBH", &CCorvoApp::cal_WBH, 18.7, 12.6},
        {"cal_WBX", &CCorvoApp::cal_WBX, 19, 0.0105}, {"cal_RHDP", &CCorvoApp::cal_RHDP, 50, 15},
        {"cal_RHH", &CCorvoApp::cal_RHH, 50, 12.6},   {"cal_RHX", &CCorvoApp::cal_RHX, 50, 0.0105},
        {"cal_DPH", &CCorvoApp::cal_DPH, 15, 12.6},   {"cal_HX", &CCorvoApp::cal_HX, 12.6, 0.0105},
    };
    return all;
}

const std::vector<double>& EdgeValues() {
    static const std::vector<double> v = {
        NAN,     INFINITY, -INFINITY, 0,      -0.0, -1,      1e-300, -1e-300, 5e-324, DBL_MIN,
        DBL_MAX, -DBL_MAX, 1e300,     -1e300, 999,  -999,    100,    -50,     120,    0.055,
        1e-9,    1e6,      1013.25,   50,     -10,  90.0001, 45.81,  -100,    1e-3,   3e38,
    };
    return v;
}

bool AllFinite(const _CORVO& r) {
    for (double v :
         {r.Db, r.Db1, r.Db2, r.Wb, r.Rh, r.Dp, r.Hi, r.Xi, r.Xi1, r.Xi2, r.Px, r.Dn, r.Mt}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

void ExpectSound(const CCorvoApp& e, const SolverCase& s, double a, double b, double P) {
    SinkCapture sink;
    const _CORVO r = (e.*s.fn)(a, b, P);
    if (IsErrorRecord(r)) {
        EXPECT_EQ(sink.Messages().size(), 1u)
            << s.name << "(" << a << ", " << b << ", " << P << ") failed without one message";
    } else {
        EXPECT_TRUE(AllFinite(r)) << s.name << "(" << a << ", " << b << ", " << P << ")";
        EXPECT_NE(r.Db, 999) << s.name << "(" << a << ", " << b << ", " << P << ")";
        EXPECT_TRUE(sink.Messages().empty())
            << s.name << "(" << a << ", " << b << ", " << P << ") succeeded with a message";
    }
}

TEST(Sweep, SolversEdgeValuesInEveryArgument) {
    const CCorvoApp e;
    for (const SolverCase& s : Solvers()) {
        for (double v : EdgeValues()) {
            ExpectSound(e, s, v, s.b, 1013.25);
            ExpectSound(e, s, s.a, v, 1013.25);
            ExpectSound(e, s, s.a, s.b, v);
        }
    }
}

TEST(Sweep, SolversRandomTriples) {
    const CCorvoApp e;
    std::mt19937_64 rng(20240611);
    // Mostly plausible magnitudes, some far outside them, some special.
    auto draw = [&](double lo, double hi) {
        const int kind = static_cast<int>(rng() % 10);
        if (kind == 0) return EdgeValues()[rng() % EdgeValues().size()];
        if (kind == 1)
            return std::ldexp(std::uniform_real_distribution<>(-1, 1)(rng),
                              static_cast<int>(rng() % 200) - 100);
        return std::uniform_real_distribution<>(lo, hi)(rng);
    };
    for (int i = 0; i < 300; ++i) {
        for (const SolverCase& s : Solvers()) {
            const double spanA = std::fabs(s.a) * 3 + 60;
            const double spanB = std::fabs(s.b) * 3 + 0.1;
            ExpectSound(e, s, draw(-spanA, spanA), draw(-spanB, spanB), draw(0, 2000));
        }
    }
}

// Each process member with the edge value v in the scalar argument `pos`
// (or in every field of the record arguments when pos is -1).
void RunProcesses(const CCorvoApp& e, double v, int pos) {
    const _CORVO room = e.cal_DBRH(26, 50, 1013.25);
    const _CORVO coil = e.cal_SHF(room, 0.8, 0.95, 99, 1013.25, 10);
    _CORVO odd = e.SetData(v, v, v, v, v, v, v, v, v);
    odd.Db1 = odd.Db2 = odd.Xi1 = odd.Xi2 = v;
    const _CORVO& R = pos == -1 ? odd : room;
    const _CORVO& A = pos == -1 ? odd : coil;
    auto at = [&](int i, double typical) { return i == pos ? v : typical; };
    const double P = at(9, 1013.25);

    e.cal_SHF(R, at(0, 0.8), at(1, 0.95), at(2, 99), P, at(3, 10));
    e.cal_SHF(R, at(0, 0.5), at(1, 0.95), at(2, 5), P, at(3, -40));
    e.cal_Limit_Satemp(at(0, room.Xi), at(1, room.Hi), at(2, 0.5), at(3, 10), P);
    e.cal_SHF_FixedSaTemp(R, at(0, 0.8), at(1, 15), P);
    e.cal_SHF_FixedOffTemp(R, at(0, 0.0098), at(1, 0.8), at(2, 0.95), P);
    e.cal_SHF_AirQtyTh(R, at(0, 0.8), at(1, 0.95), at(2, 5000), at(3, 3000), P);
    e.cal_SHFOnPointDt(A, R, at(0, 5), P);
    e.cal_SHFOnPointQtyTh(A, R, at(0, 3000), at(1, 5000), P);
    e.cal_SHFOnPointDh(A, R, at(0, 1.5), P);
    e.cal_SHFOnPointDt(R, R, at(0, 5), P);  // degenerate line, equal enthalpies
    e.cal_Heat_Temp(R, at(0, 10), P);
    e.cal_Heat_Air(R, at(0, 5000), at(1, 3000), at(2, 0.7), P);
    e.cal_Heat_Hum(R, at(0, 641), at(1, 0.002), P);
    e.cal_Mix(A, R, at(0, 1), P);
    e.cal_Dlt(A, R);
    e.cal_H_KcalG(at(0, 5000), at(1, 3600));
    e.cal_AIR_KcalDh(at(0, 5000), at(1, 2));
    e.cal_TH_GDh(at(0, 3600), at(1, 2));
    e.cal_FanLoad(at(0, 3000), at(1, 30));
    e.cal_Udx(at(0, 641), at(1, 0.002));
    e.cal_Udh(at(0, 641), at(1, 0.002));
}

TEST(Sweep, ProcessesReturnOnEdgeValues) {
    const CCorvoApp e;
    SinkCapture sink;  // the failures' messages are expected here
    for (double v : EdgeValues()) {
        for (int pos : {-1, 0, 1, 2, 3, 9}) {
            SCOPED_TRACE(testing::Message() << "value " << v << " at " << pos);
            RunProcesses(e, v, pos);
        }
    }
    SUCCEED();
}

}  // namespace
