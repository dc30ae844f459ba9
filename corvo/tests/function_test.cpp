#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "corvo/corvofunction.h"

namespace {

constexpr double P0 = 1013.25;

// Saturation pressures of the ASHRAE Handbook 2017, ch. 1, Table 3, which
// come from the same formulas; 0.03 % covers the table's own rounding.
struct SatRow {
    double t;
    double pa;
};
class VpreHandbook : public ::testing::TestWithParam<SatRow> {};

TEST_P(VpreHandbook, AgreesWithTable) {
    const CCorvoFunction f;
    const SatRow row = GetParam();
    EXPECT_NEAR(f.Vpre(row.t) * 100, row.pa, row.pa * 3e-4) << "t = " << row.t;
}

INSTANTIATE_TEST_SUITE_P(Table3, VpreHandbook,
                         ::testing::Values(SatRow{-20, 103.24}, SatRow{-5, 401.74},
                                           SatRow{5, 872.6}, SatRow{25, 3169.7},
                                           SatRow{50, 12351.3}));

TEST(Vpre, IceBranchAtZeroWaterJustAbove) {
    const CCorvoFunction f;
    EXPECT_NEAR(f.Vpre(0), 6.1115, 5e-4);       // ice formula
    EXPECT_NEAR(f.Vpre(0.0001), 6.1122, 5e-4);  // water formula
    EXPECT_GT(f.Vpre(0.0001), f.Vpre(0));
    EXPECT_NEAR(f.Vpre(20), 23.388, 1e-3);
    EXPECT_NEAR(f.Vpre(100), 1014.19, 1e-2);
}

TEST(DewPoint, InvertsSaturationPressure) {
    const CCorvoFunction f;
    EXPECT_NEAR(f.Dew_t(f.Vpre(20)), 20, 1e-7);
    for (double t : {-40.0, -5.0, 0.5, 35.0, 80.0}) {
        EXPECT_NEAR(f.Dew_t(f.Vpre(t)), t, 1e-6) << t;
    }
    EXPECT_EQ(f.Dew_t(0), 999);
}

TEST(DewPoint, DewPrhAtFullHumidityEqualsDewT) {
    const CCorvoFunction f;
    EXPECT_DOUBLE_EQ(f.Dew_prh(f.Vpre(12), 100), f.Dew_t(f.Vpre(12)));
    // Air at 50 % whose vapour pressure is half the saturation at 30 °C.
    EXPECT_NEAR(f.Dew_prh(f.Vpre(30) / 2, 50), 30, 1e-6);
}

// Dew points where the search is least regular, fixed to 1e-10 (of the
// value, or of 1 K near 0 °C): at and about the ice/water turn of the
// saturation pressure (6.1118 hPa lies between its two sides, so no
// temperature has it), in very cold air where the pressure curve is flat, and
// hot.
TEST(DewPoint, FixedWhereTheSearchIsLeastRegular) {
    const CCorvoFunction f;
    struct Row {
        double pw, dewT, dewPrh37;  // hPa; Dew_t(pw) and Dew_prh(pw, 37.5), °C
    };
    const Row rows[] = {
        {6.1115357089076792, -9.9979346278832244e-08, 14.296919340159709},
        {6.1117999999999997, 0.00052520275834424331, 14.297587102984993},
        {6.1121730763974949, 9.9999996800522538e-05, 14.298529681617337},
        {6.1110324629149284, -0.00099999999998566231, 14.295647759251089},
        {0.00054783774681221474, -80.000007701916346, -73.846947330814416},
        {0.020947607330747985, -55.000000060028711, -47.13470124715986},
        {0.039399999999999998, -49.997914808747893, -41.762683920224305},
        {199.43760621620729, 60.000000000000085, 82.863252321503651},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(f.Dew_t(r.pw), r.dewT, 1e-10 * std::max(std::fabs(r.dewT), 1.0)) << r.pw;
        EXPECT_NEAR(f.Dew_prh(r.pw, 37.5), r.dewPrh37, 1e-10 * std::fabs(r.dewPrh37)) << r.pw;
    }
}

TEST(RangeResults, SentinelInsteadOfImpossibleValues) {
    const CCorvoFunction f;
    EXPECT_EQ(f.Vp_dbrh(46, 100), 999);  // above 100 hPa
    EXPECT_LT(f.Vp_dbrh(45.8, 100), 100);
    EXPECT_EQ(f.Hum_db(20, f.Vpre(20) * 1.01), 999);
    EXPECT_EQ(f.Hum_db(20, -1), 999);
    EXPECT_DOUBLE_EQ(f.Hum_db(20, f.Vpre(20)), 100);
    // A ratio above 1 by rounding alone is saturation, not an error.
    EXPECT_EQ(f.Hum_db(20, f.Vpre(20) * (1 + 1e-14)), 100);
    EXPECT_EQ(f.Hum_db(20, f.Vpre(20) * (1 + 1e-9)), 999);
    EXPECT_EQ(f.Hum_db(20, f.Vpre(20) / 4), 100 * (f.Vpre(20) / 4) / f.Vpre(20));
    EXPECT_EQ(f.Abs_p(1100, P0), 999);  // vapour above total pressure
    EXPECT_EQ(f.Vp_xi(-0.1, P0), 999);
}

TEST(WetBulb, InvertsTheWetBulbRelations) {
    const CCorvoFunction f;
    EXPECT_NEAR(f.Wb_dbxi(20, f.Ab_dww(20, 14, P0), P0), 14, 1e-7);
    EXPECT_NEAR(f.Wb_dbxi(2, f.Ab_dwi(2, -1, P0), P0), -1, 1e-7);
    EXPECT_EQ(f.Wb_dbxi(95, 0.01, P0), 999);
    // More than 50 K of wet-bulb depression is out of range.
    EXPECT_EQ(f.Wb_dbxi(90, f.Ab_dww(90, 20, P0), P0), 999);
}

// The relation is chosen by the lower end of the bracket, not by the sign
// of the answer: just above 0 °C either relation may decide.
TEST(WetBulb, BracketDecidesIceOrWater) {
    const CCorvoFunction f;
    const double water = f.Ab_dww(5, 0.0005, P0);  // wet bulb +0.0005 over water
    const double wbIce = f.Wb_dbxi(5, water, P0);
    EXPECT_LT(wbIce, 0);
    EXPECT_NEAR(f.Ab_dwi(5, wbIce, P0), water, 1e-9);
    const double ice = f.Ab_dwi(5, 0.05, P0);  // wet bulb +0.05 over ice
    const double wbWater = f.Wb_dbxi(5, ice, P0);
    EXPECT_GT(wbWater, 0.3);
    EXPECT_NEAR(f.Ab_dww(5, wbWater, P0), ice, 1e-9);
}

// Wet bulbs fixed to 1e-10: refined over ice, then over water from where
// the ice passes left off; bone-dry air; very cold, hot and nearly saturated.
TEST(WetBulb, FixedAcrossItsSearch) {
    const CCorvoFunction f;
    struct Row {
        double db, xi, P, wb;
    };
    const Row rows[] = {
        {5, 0.0037, 1013.25, 2.7612095116628019},   {3, 0.004, 1013.25, 2.0583425071556123},
        {2, 0.0026, 800, -2.0365179906532989},      {20, 0, 1013.25, 5.8366103086342669},
        {-40, 2e-05, 1013.25, -40.162367496862387}, {80, 0.06, 1013.25, 47.545735579521057},
        {30, 0.0272, 1013.25, 29.998057884962691},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(f.Wb_dbxi(r.db, r.xi, r.P), r.wb, 1e-10 * std::fabs(r.wb))
            << r.db << " " << r.xi << " " << r.P;
    }
}

TEST(WetBulb, DryBulbFromWetBulbInvertsHumidityRelation) {
    const CCorvoFunction f;
    EXPECT_NEAR(f.Db_xiwbw(f.Ab_dww(30, 20, P0), 20, P0), 30, 1e-9);
    EXPECT_NEAR(f.Db_xiwbi(f.Ab_dwi(5, -3, P0), -3, P0), 5, 1e-9);
}

TEST(Enthalpy, UnitFactorAndInverses) {
    CCorvoFunction f;
    EXPECT_NEAR(f.Entalpy(20, 0.01), (20.12 + 25.372) * 0.2388886, 1e-12);
    EXPECT_NEAR(f.Entalpy(20, 0.01), 10.868, 1e-3);
    EXPECT_NEAR(f.Ab_hidb(f.Entalpy(20, 0.01), 20), 0.01, 1e-15);
    EXPECT_NEAR(f.Db_hixi(f.Entalpy(20, 0.01), 0.01), 20, 1e-12);
    f.SetUnitChange(2);
    EXPECT_NEAR(f.Entalpy(20, 0.01), 45.492, 1e-12);
    f.SetUnitChange(5);
    EXPECT_EQ(f.m_dUnitFactor, 1.0);
    f.SetUnitChange(1);
    EXPECT_EQ(f.m_dUnitFactor, 0.277777275);
    f.SetUnitChange(0);
    EXPECT_EQ(f.m_dUnitFactor, 0.2388886);
}

TEST(Enthalpy, DisplayFactors) {
    const CCorvoFunction f;
    EXPECT_EQ(f.CALWKJ(0), 1.0);
    EXPECT_EQ(f.CALWKJ(1), 1.1627899991879058);
    EXPECT_EQ(f.CALWKJ(2), 4.18605157382981);
    EXPECT_EQ(f.CALWKJ(5), 0.0);
    EXPECT_EQ(f.CALWKJ(-1), 0.0);
}

TEST(Volume, SpecificVolumeAndDensity) {
    const CCorvoFunction f;
    const double v = f.Svol(20, 0.01, P0);
    EXPECT_NEAR(v, 0.84386, 1e-5);
    EXPECT_DOUBLE_EQ(f.Spedn(20, 0.01, P0), 1 / v);
    EXPECT_NEAR(f.Db_vxi(v, 0.01, P0), 20, 1e-9);
    EXPECT_NEAR(f.Ab_vdb(v, 20, P0), 0.01, 1e-12);
    EXPECT_DOUBLE_EQ(f.DryAir_Spedn(20, P0), 1 / f.DryAir_Svol(20, P0));
}

TEST(Copying, CopiesUnitFactorAndPointData) {
    CCorvoFunction a;
    a.SetUnitChange(2);
    a.Db = 12.5;
    // Assigned from a std::string: GCC 12 at -O2 and above reports a false
    // -Wrestrict overlap for the inlined assignment from a one-letter literal.
    a.Pn = std::string("A");
    CCorvoFunction b(a);
    EXPECT_EQ(b.m_dUnitFactor, 1.0);
    EXPECT_EQ(b.Db, 12.5);
    CCorvoFunction c;
    c = a;
    EXPECT_EQ(c.m_dUnitFactor, 1.0);
    EXPECT_EQ(c.Pn, "A");
}

// Every search ends on absurd input and answers 999 rather than hanging.
TEST(Termination, SearchesEndOnNonFiniteInput) {
    const CCorvoFunction f;
    const double nan = std::nan("");
    const double inf = INFINITY;
    EXPECT_EQ(f.Dew_t(nan), 999);
    EXPECT_EQ(f.Dew_t(inf), 999);
    EXPECT_EQ(f.Dew_prh(5, 0), 999);
    EXPECT_EQ(f.Dew_prh(5, nan), 999);
    EXPECT_EQ(f.Wb_dbxi(nan, 0.01, P0), 999);
    EXPECT_EQ(f.Wb_dbxi(20, nan, P0), 999);
    EXPECT_EQ(f.Wb_dbxi(20, 0.01, nan), 999);
    EXPECT_EQ(f.Wb_dbxi(-inf, 0.01, P0), 999);
}

}  // namespace
