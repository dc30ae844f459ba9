#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "corvo/corvoapp.h"
#include "sink_capture.h"

namespace {

constexpr double P0 = 1013.25;

struct MessageCase {
    const char* label;
    std::function<_CORVO(const CCorvoApp&)> call;
    const char* text;
};

// Every reachable failure path of every solver, with the exact text the user
// sees. Where two checks fail at once, the case shows which one wins.
TEST(SolverMessages, EachFailureShowsItsTextOnceAndReturnsTheErrorRecord) {
    const CCorvoApp e;
    const std::vector<MessageCase> cases = {
        {"DBWB db below wb", [](auto& a) { return a.cal_DBWB(14, 20, P0); },
         "Out of Range (  cal_DBWB  ) !"},
        {"DBWB db above 100", [](auto& a) { return a.cal_DBWB(101, 20, P0); },
         "Out of Range (  cal_DBWB  ) !"},
        {"DBWB wb below -50", [](auto& a) { return a.cal_DBWB(20, -51, P0); },
         "Out of Range (  cal_DBWB  ) !"},
        {"DBWB negative humidity", [](auto& a) { return a.cal_DBWB(40, 5, P0); },
         "Out of Range (  cal_DBWB / Vp_xi  ) !"},
        {"DBWB vapour below Vpre(-100)",
         [](auto& a) { return a.cal_DBWB(-49.93158282965237, -50, P0); },
         "Out of Range (  cal_DBWB / Dew_t  ) !"},

        {"DBRH db wins over rh", [](auto& a) { return a.cal_DBRH(101, 101, P0); },
         "Out of Range (  cal_DBRH  ) !"},
        {"DBRH rh above 100", [](auto& a) { return a.cal_DBRH(20, 101, P0); },
         "Out of Range (  cal_DBRH / RH  ) !"},
        {"DBRH rh below 0", [](auto& a) { return a.cal_DBRH(20, -1, P0); },
         "Out of Range (  cal_DBRH / RH  ) !"},
        {"DBRH above 100 hPa", [](auto& a) { return a.cal_DBRH(50, 90, P0); },
         "Out of Range (  cal_DBRH / Vp_dbrh  ) !"},
        {"DBRH vapour above total", [](auto& a) { return a.cal_DBRH(30, 90, 20); },
         "Out of Range (  cal_DBRH / Abs_p  ) !"},
        {"DBRH 50 K depression", [](auto& a) { return a.cal_DBRH(90, 5, P0); },
         "Out of Range (  cal_DBRH / Wb_dbxi  ) !"},
        {"DBRH bone dry", [](auto& a) { return a.cal_DBRH(20, 0, P0); },
         "Out of Range (  cal_DBRH / Dew_t  ) !"},
        {"DBRH saturated above 100 hPa", [](auto& a) { return a.cal_DBRH(50, 100, P0); },
         "Out of Range (  cal_DBRH / Vp_dbrh  ) !"},
        {"DBRH saturated above total", [](auto& a) { return a.cal_DBRH(30, 100, 20); },
         "Out of Range (  cal_DBRH / Abs_p  ) !"},

        {"DBDP dp above db wins", [](auto& a) { return a.cal_DBDP(40, 50, P0); },
         "Out of Range (  cal_DBDP  ) !"},
        {"DBDP db below -50", [](auto& a) { return a.cal_DBDP(-51, -60, P0); },
         "Out of Range (  cal_DBDP  ) !"},
        {"DBDP above 100 hPa", [](auto& a) { return a.cal_DBDP(60, 50, P0); },
         "Out of Range (  cal_DBDP / Vp_dbrh  ) !"},
        {"DBDP vapour above total", [](auto& a) { return a.cal_DBDP(30, 20, 10); },
         "Out of Range (  cal_DBDP / Abs_p  ) !"},
        {"DBDP db above 90", [](auto& a) { return a.cal_DBDP(95, 20, P0); },
         "Out of Range (  cal_DBDP / Wb_dbxi  ) !"},

        {"DBH db above 100", [](auto& a) { return a.cal_DBH(101, 10, P0); },
         "Out of Range (  cal_DBH  ) !"},
        {"DBH below dry air", [](auto& a) { return a.cal_DBH(20, a.Entalpy(20, 0) - 0.01, P0); },
         "Out of Range (  cal_DBH  ) !"},
        {"DBH above saturation", [](auto& a) { return a.cal_DBH(20, 14, P0); },
         "Out of Range (  cal_DBH  ) !"},
        {"DBH db above 90", [](auto& a) { return a.cal_DBH(95, 30, P0); },
         "Out of Range (  cal_DBH / Wb_dbxi  ) !"},
        {"DBH supersaturated hot", [](auto& a) { return a.cal_DBH(50, a.Entalpy(50, 0.2), P0); },
         "Out of Range (  cal_DBH / Hum_db  ) !"},
        {"DBH bone dry", [](auto& a) { return a.cal_DBH(20, a.Entalpy(20, 0), P0); },
         "Out of Range (  cal_DBH / Dew_t  ) !"},

        {"DBX zero humidity", [](auto& a) { return a.cal_DBX(20, 0, P0); },
         "Out of Range (  cal_DBX  ) !"},
        {"DBX above saturation", [](auto& a) { return a.cal_DBX(20, 0.02, P0); },
         "Out of Range (  cal_DBX  ) !"},
        {"DBX db above 90", [](auto& a) { return a.cal_DBX(95, 0.01, P0); },
         "Out of Range (  cal_DBX / Wb_dbxi  ) !"},
        {"DBX supersaturated hot", [](auto& a) { return a.cal_DBX(50, 0.2, P0); },
         "Out of Range (  cal_DBX / Hum_db  ) !"},

        {"WBRH rh above 100", [](auto& a) { return a.cal_WBRH(20, 101, P0); },
         "Out of Range (  cal_WBRH  ) !"},
        {"WBRH bone dry", [](auto& a) { return a.cal_WBRH(14, 0, P0); },
         "Out of Range (  cal_WBRH / Vp_dbrh  ) !"},
        {"WBRH db above 90", [](auto& a) { return a.cal_WBRH(60, 10, P0); },
         "Out of Range (  cal_WBRH / Wb_dbxi  ) !"},
        {"WBRH saturated above 100 hPa", [](auto& a) { return a.cal_WBRH(50, 100, P0); },
         "Out of Range (  cal_WBRH / Vp_dbrh  ) !"},
        {"WBRH saturated above total", [](auto& a) { return a.cal_WBRH(20, 100, 10); },
         "Out of Range (  cal_WBRH / Abs_p  ) !"},

        {"WBDP dp above wb", [](auto& a) { return a.cal_WBDP(10, 12, P0); },
         "Out of Range (  cal_WBDP  ) !"},
        {"WBDP dp below -50", [](auto& a) { return a.cal_WBDP(10, -60, P0); },
         "Out of Range (  cal_WBDP  ) !"},
        {"WBDP db beyond the wet-bulb search", [](auto& a) { return a.cal_WBDP(40, -40, P0); },
         "Out of Range (  cal_WBDP  ) !"},
        {"WBDP saturated boiling", [](auto& a) { return a.cal_WBDP(100, 100, P0); },
         "Out of Range (  cal_WBDP / Abs_p  ) !"},

        {"WBH enthalpy above the wet bulb's", [](auto& a) { return a.cal_WBH(19, 13, P0); },
         "Out of Range (  cal_DBH  ) !"},

        {"WBX above 0.055", [](auto& a) { return a.cal_WBX(15, 0.06, P0); },
         "Out of Range (  cal_WBX  ) !"},
        {"WBX wb above db", [](auto& a) { return a.cal_WBX(15, 0.02, P0); },
         "Out of Range (  cal_WBX  ) !"},
        {"WBX zero humidity", [](auto& a) { return a.cal_WBX(15, 0, P0); },
         "Out of Range (  cal_WBX  ) !"},
        {"WBX vapour below Vpre(-100)", [](auto& a) { return a.cal_WBX(10, 1e-9, P0); },
         "Out of Range (  cal_WBX / Dew_t  ) !"},

        {"RHDP rh zero", [](auto& a) { return a.cal_RHDP(0, 10, P0); },
         "Out of Range (  cal_RHDP  ) !"},
        {"RHDP rh above 100", [](auto& a) { return a.cal_RHDP(110, 10, P0); },
         "Out of Range (  cal_RHDP  ) !"},
        {"RHDP dp above 100", [](auto& a) { return a.cal_RHDP(50, 101, P0); },
         "Out of Range (  cal_RHDP  ) !"},
        {"RHDP db above 90", [](auto& a) { return a.cal_RHDP(10, 40, P0); },
         "Out of Range (  cal_RHDP / Wb_dbxi  ) !"},
        {"RHDP saturated above 100 hPa", [](auto& a) { return a.cal_RHDP(100, 50, P0); },
         "Out of Range (  cal_RHDP / Vp_dbrh  ) !"},
        {"RHDP saturated above total", [](auto& a) { return a.cal_RHDP(100, 20, 10); },
         "Out of Range (  cal_RHDP / Abs_p  ) !"},

        {"RHH rh above 100", [](auto& a) { return a.cal_RHH(110, 13, P0); },
         "Out of Range (  cal_RHH  ) !"},
        {"RHH range wins over search", [](auto& a) { return a.cal_RHH(0, 51, P0); },
         "Out of Range (  cal_RHH  ) !"},
        {"RHH h below -10", [](auto& a) { return a.cal_RHH(50, -11, P0); },
         "Out of Range (  cal_RHH  ) !"},
        {"RHH bone dry", [](auto& a) { return a.cal_RHH(0, 13, P0); },
         "Out of Range (  cal_RHH / Vp_dbrh  ) !"},
        {"RHH db above 90", [](auto& a) { return a.cal_RHH(5, 45, P0); },
         "Out of Range (  cal_RHH / Wb_dbxi  ) !"},

        {"RHX rh above 120", [](auto& a) { return a.cal_RHX(121, 0.01, P0); },
         "Out of Range (  cal_RHX  ) !"},
        {"RHX rh zero", [](auto& a) { return a.cal_RHX(0, 0.01, P0); },
         "Out of Range (  cal_RHX  ) !"},
        {"RHX range wins over dew point", [](auto& a) { return a.cal_RHX(130, 0, P0); },
         "Out of Range (  cal_RHX  ) !"},
        {"RHX xi above 0.055", [](auto& a) { return a.cal_RHX(50, 0.056, P0); },
         "Out of Range (  cal_RHX  ) !"},
        {"RHX db above 90", [](auto& a) { return a.cal_RHX(5, 0.05, P0); },
         "Out of Range (  cal_RHX / Wb_dbxi  ) !"},
        {"RHX bone dry", [](auto& a) { return a.cal_RHX(50, 0, P0); },
         "Out of Range (  cal_RHX / Dew_t  ) !"},

        {"DPH h above 50", [](auto& a) { return a.cal_DPH(10, 51, P0); },
         "Out of Range (  cal_DPH  ) !"},
        {"DPH fog", [](auto& a) { return a.cal_DPH(30, 5, P0); }, "Out of Range (  cal_DPH  ) !"},

        {"HX h above 50", [](auto& a) { return a.cal_HX(60, 0.01, P0); },
         "Out of Range (  cal_HX  ) !"},
        {"HX xi above 0.055", [](auto& a) { return a.cal_HX(10, 0.056, P0); },
         "Out of Range (  cal_HX  ) !"},
        {"HX fog", [](auto& a) { return a.cal_HX(20, 0.05, P0); }, "Out of Range (  cal_HX  ) !"},
        {"HX bone dry", [](auto& a) { return a.cal_HX(10, 0, P0); },
         "Out of Range (  cal_HX / Dew_t  ) !"},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.label);
        SinkCapture sink;
        const _CORVO r = c.call(e);
        EXPECT_TRUE(IsErrorRecord(r));
        ASSERT_EQ(sink.Messages().size(), 1u);
        EXPECT_EQ(sink.Messages()[0], c.text);
    }
}

TEST(SolverValues, KnownStates) {
    const CCorvoApp e;
    SinkCapture sink;

    EXPECT_NEAR(e.cal_DBWB(20, 14, P0).Xi, 0.007492, 5e-7);
    EXPECT_NEAR(e.cal_WBRH(19.5, 50, P0).Db, 26.96, 5e-3);

    // Saturated shortcuts: the pair fixes saturation, the given values are
    // stored as they are and the dry bulb is not range-checked.
    const _CORVO s = e.cal_DBRH(30, 100, P0);
    EXPECT_EQ(s.Wb, 30);
    EXPECT_EQ(s.Dp, 30);
    EXPECT_EQ(s.Rh, 100);
    EXPECT_DOUBLE_EQ(s.Xi, e.Abs_p(e.Vpre(30), P0));
    EXPECT_EQ(e.cal_DBRH(-60, 100, P0).Db, -60);
    EXPECT_EQ(e.cal_DBDP(20, 20, P0).Rh, 100);
    const _CORVO w = e.cal_WBDP(10, 10, P0);
    EXPECT_EQ(w.Db, 10);
    EXPECT_EQ(w.Rh, 100);
    const _CORVO d = e.cal_RHDP(100, 10, P0);
    EXPECT_EQ(d.Db, 10);
    EXPECT_EQ(d.Wb, 10);

    // cal_RHX goes up to 120 %, beyond saturation; the others stop at 100.
    const _CORVO over = e.cal_RHX(120, 0.01, P0);
    EXPECT_EQ(over.Rh, 120);
    EXPECT_LT(over.Db, over.Dp);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(SolverValues, SuccessRecordsCarryZeroInTheReservedFields) {
    const CCorvoApp e;
    for (const _CORVO& r : {e.cal_DBRH(26, 50, P0), e.cal_WBH(18.7, 12.6, P0),
                            e.cal_RHH(50, 13, P0), e.cal_HX(13, 0.01, P0)}) {
        EXPECT_NE(r.Db, 999);
        EXPECT_EQ(r.Db1, 0);
        EXPECT_EQ(r.Db2, 0);
        EXPECT_EQ(r.Xi1, 0);
        EXPECT_EQ(r.Xi2, 0);
        EXPECT_EQ(r.Mt, 0);
        EXPECT_DOUBLE_EQ(r.Dn, e.Spedn(r.Db, r.Xi, P0));
        EXPECT_NEAR(r.Hi, e.Entalpy(r.Db, r.Xi), 1e-9);
    }
}

// Saturated air typed as two equal temperatures, or at the saturation
// bound of a check, must not fail on the last bit of a round trip through
// the vapour pressure.
TEST(SolverValues, SaturatedInputSurvivesRounding) {
    const CCorvoApp e;
    SinkCapture sink;
    for (double t = -49.5; t <= 45; t += 0.37) {
        SCOPED_TRACE(t);
        const double xs = e.Abs_p(e.Vpre(t), P0);
        EXPECT_NEAR(e.cal_DBWB(t, t, P0).Rh, 100, 1e-9);
        EXPECT_NEAR(e.cal_DBDP(t, std::nextafter(t, -100), P0).Rh, 100, 1e-9);
        EXPECT_NEAR(e.cal_DBX(t, xs, P0).Rh, 100, 1e-9);
        EXPECT_NEAR(e.cal_DBH(t, e.Entalpy(t, xs), P0).Rh, 100, 1e-9);
    }
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(SolverValues, IceOrWaterBySignOfTheWetBulb) {
    const CCorvoApp e;
    EXPECT_EQ(e.cal_DBWB(5, -0.5, P0).Xi, e.Ab_dwi(5, -0.5, P0));
    EXPECT_EQ(e.cal_DBWB(5, 0, P0).Xi, e.Ab_dww(5, 0, P0));
    EXPECT_EQ(e.cal_WBX(-0.5, 0.003, P0).Db, e.Db_xiwbi(0.003, -0.5, P0));
    EXPECT_EQ(e.cal_WBX(0, 0.003, P0).Db, e.Db_xiwbw(0.003, 0, P0));
    EXPECT_EQ(e.cal_WBDP(-3, -3, P0).Xi, e.Ab_dwi(-3, -3, P0));
}

TEST(SolverValues, EnthalpyInTheUnitOfTheObject) {
    const CCorvoApp kcal;
    const CCorvoApp kj(2);
    const CCorvoApp copy(kj);
    EXPECT_NEAR(kj.cal_DBRH(26, 50, P0).Hi, kcal.cal_DBRH(26, 50, P0).Hi / 0.2388886, 1e-9);
    EXPECT_NEAR(copy.cal_HX(45, 0.01, P0).Db, kcal.cal_HX(45 * 0.2388886, 0.01, P0).Db, 1e-9);
}

// A state solved from (db, rh) and solved again from every other pair of
// its properties gives the same state, to the accuracy of each search.
TEST(SolverRoundTrips, EveryPairReturnsTheSameState) {
    const CCorvoApp e;
    SinkCapture sink;
    struct Pair {
        const char* name;
        std::function<_CORVO(const _CORVO&, double)> solve;
        double dbTol;
    };
    const std::vector<Pair> pairs = {
        {"DBWB", [&](auto& s, double) { return e.cal_DBWB(s.Db, s.Wb, P0); }, 0},
        {"DBDP", [&](auto& s, double) { return e.cal_DBDP(s.Db, s.Dp, P0); }, 0},
        {"DBH", [&](auto& s, double) { return e.cal_DBH(s.Db, s.Hi, P0); }, 0},
        {"DBX", [&](auto& s, double) { return e.cal_DBX(s.Db, s.Xi, P0); }, 0},
        {"WBRH", [&](auto& s, double rh) { return e.cal_WBRH(s.Wb, rh, P0); }, 1e-6},
        {"WBDP", [&](auto& s, double) { return e.cal_WBDP(s.Wb, s.Dp, P0); }, 1e-6},
        {"WBX", [&](auto& s, double) { return e.cal_WBX(s.Wb, s.Xi, P0); }, 1e-6},
        {"RHDP", [&](auto& s, double rh) { return e.cal_RHDP(rh, s.Dp, P0); }, 1e-6},
        {"RHH", [&](auto& s, double rh) { return e.cal_RHH(rh, s.Hi, P0); }, 1e-6},
        {"RHX", [&](auto& s, double rh) { return e.cal_RHX(rh, s.Xi, P0); }, 1e-6},
        {"DPH", [&](auto& s, double) { return e.cal_DPH(s.Dp, s.Hi, P0); }, 1e-6},
        {"HX", [&](auto& s, double) { return e.cal_HX(s.Hi, s.Xi, P0); }, 1e-6},
    };
    for (double db : {-20.0, -5.0, 3.0, 15.0, 26.0, 35.0, 44.0}) {
        for (double rh : {15.0, 50.0, 80.0, 95.0}) {
            const _CORVO ref = e.cal_DBRH(db, rh, P0);
            ASSERT_NE(ref.Db, 999) << db << " " << rh;
            // Beyond the enthalpy or humidity range of some pairs.
            if (ref.Hi > 50 || ref.Xi > 0.055) continue;
            for (const Pair& p : pairs) {
                SCOPED_TRACE(testing::Message() << p.name << " db " << db << " rh " << rh);
                const _CORVO r = p.solve(ref, rh);
                ASSERT_NE(r.Db, 999);
                EXPECT_NEAR(r.Db, ref.Db, p.dbTol);
                EXPECT_NEAR(r.Wb, ref.Wb, 1e-6);
                EXPECT_NEAR(r.Xi, ref.Xi, 1e-9 + ref.Xi * 1e-6);
                EXPECT_NEAR(r.Hi, ref.Hi, 1e-6);
                EXPECT_NEAR(r.Rh, rh, 1e-4);
                // Dew points of the driest states move most with rounding.
                EXPECT_NEAR(r.Dp, ref.Dp, 1e-4);
            }
            if (ref.Wb > 0) {
                // The stepping search ends at the first 0.0001 K step that
                // overshoots, so its own wet bulb lies just above the given.
                const _CORVO r = e.cal_WBH(ref.Wb, ref.Hi, P0);
                EXPECT_NEAR(r.Db, ref.Db, 2e-4);
                EXPECT_GT(r.Wb, ref.Wb);
                EXPECT_LT(r.Wb, ref.Wb + 1e-5);
                EXPECT_EQ(r.Hi, ref.Hi);
            }
        }
    }
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(SolverRoundTrips, WetBulbEnthalpyCannotStartBelowZero) {
    const CCorvoApp e;
    SinkCapture sink;
    const _CORVO ref = e.cal_DBRH(2, 30, P0);
    ASSERT_LT(ref.Wb, 0);
    EXPECT_TRUE(IsErrorRecord(e.cal_WBH(ref.Wb, ref.Hi, P0)));
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0], "Out of Range (  cal_DBH  ) !");
}

}  // namespace
