#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvo/corvoapp.h"
#include "sink_capture.h"

namespace {

constexpr double P0 = 1013.25;
constexpr double kRho = 1.20479;  // kg/m³

class Process : public ::testing::Test {
  protected:
    const CCorvoApp e;
    const _CORVO room = e.cal_DBRH(26, 50, P0);

    // Enthalpy of the SHF line through R at dry bulb t.
    double LineAt(const _CORVO& R, double S, double t) const {
        return R.Hi - (R.Hi - e.Entalpy(t, R.Xi)) / S;
    }
};

TEST_F(Process, CoolingMarchEndsOnTheLineAtTheOutletHumidity) {
    SinkCapture sink;
    const _CORVO r = e.cal_SHF(room, 0.8, 0.95, 99, P0, 10);
    EXPECT_NEAR(r.Db, 13.64, 5e-3);
    EXPECT_NEAR(r.Xi, 0.009245, 1e-6);
    EXPECT_EQ(r.Rh, 95);
    EXPECT_EQ(r.Mt, 99);
    EXPECT_NEAR(r.Hi, LineAt(room, 0.8, r.Db), 0.01);
    // tmin 0 means 10; Mt is the larger of c and the outlet dry bulb.
    const _CORVO z = e.cal_SHF(room, 0.8, 0.95, 5, P0, 0);
    EXPECT_EQ(z.Db, r.Db);
    EXPECT_EQ(z.Mt, z.Db);

    // Each pass follows the line with the humidity ratio it has reached, so
    // long marches (low SHF) drift from the room's line: up to about 0.4 %
    // of the enthalpy drop.
    for (double S : {0.6, 0.7, 0.9, 0.95}) {
        for (double phi : {0.85, 0.9, 0.95}) {
            SCOPED_TRACE(testing::Message() << "SHF " << S << " phi " << phi);
            const _CORVO o = e.cal_SHF(room, S, phi, 99, P0, 5);
            if (o.Db == 999) {  // the line reaches phi only below 5 °C
                EXPECT_EQ(o.Mt, 5);
                continue;
            }
            EXPECT_EQ(o.Rh, phi * 100);
            EXPECT_NEAR(o.Hi, LineAt(room, S, o.Db), 5e-3 * (room.Hi - o.Hi));
            EXPECT_LT(o.Db, room.Db);
            EXPECT_LT(o.Xi, room.Xi);
            EXPECT_NEAR(e.Hum_db(o.Db, o.Px), phi * 100, 1e-6);
        }
    }
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(Process, CoolingAlmostTangentToTheOutletCurveIsNotCutShort) {
    const _CORVO R = e.cal_DBRH(20.25, 81.5, P0);
    const _CORVO r = e.cal_SHF(R, 0.4465, 0.916, 99, P0, 10);
    ASSERT_NE(r.Db, 999);
    EXPECT_NEAR(r.Rh, 91.6, 1e-12);
    EXPECT_NEAR(r.Hi, LineAt(R, 0.4465, r.Db), 5e-3 * (R.Hi - r.Hi));
}

TEST_F(Process, SensibleCoolingKeepsTheHumidityEvenBelowTmin) {
    const _CORVO r = e.cal_SHF(room, 1, 0.95, 99, P0, 20);
    ASSERT_NE(r.Db, 999);
    EXPECT_LT(r.Db, 20);
    EXPECT_NEAR(r.Xi, room.Xi, 1e-15);
    EXPECT_EQ(r.Rh, 95);
}

TEST_F(Process, CoolingLimitRecord) {
    SinkCapture sink;
    const _CORVO r = e.cal_SHF(room, 0.5, 0.95, 99, P0, 10);
    EXPECT_EQ(r.Db, 999);
    EXPECT_EQ(r.Wb, 999);
    EXPECT_EQ(r.Xi, 999);
    EXPECT_EQ(r.Dn, 999);
    EXPECT_EQ(r.Mt, 10);
    EXPECT_NEAR(r.Hi, LineAt(room, 0.5, 10), 1e-12);
    // Without the limit request the record carries c and the march's enthalpy.
    const _CORVO c = e.cal_SHF(room, 0.5, 0.95, 7, P0, 10);
    EXPECT_EQ(c.Db, 999);
    EXPECT_EQ(c.Mt, 7);
    EXPECT_LT(c.Hi, room.Hi);
    EXPECT_GT(c.Hi, r.Hi);
    EXPECT_TRUE(sink.Messages().empty());
}

// With a low tmin the march drives the humidity ratio below zero; that is
// the limit case, not a vapour pressure of 999 hPa and a 101 °C outlet.
TEST_F(Process, CoolingMarchOutOfVapourIsTheLimitCase) {
    SinkCapture sink;
    const _CORVO r = e.cal_SHF(room, 0.5, 0.95, 5, P0, -40);
    EXPECT_EQ(r.Db, 999);
    EXPECT_EQ(r.Mt, 5);
    EXPECT_TRUE(sink.Messages().empty());
    // The limit point at −40 °C itself lies below dry air: its own message.
    const _CORVO L = e.cal_SHF(room, 0.5, 0.95, 99, P0, -40);
    EXPECT_EQ(L.Db, 999);
    EXPECT_EQ(L.Mt, 999);
    EXPECT_EQ(L.Hi, 999);
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0], "Out of Range (  cal_DBH  ) !");
}

TEST_F(Process, DivisionsByZeroAreRejectedByName) {
    struct Case {
        _CORVO r;
        const char* text;
    };
    SinkCapture sink;
    const _CORVO A = e.cal_SHF(room, 0.8, 0.95, 99, P0, 10);
    const std::vector<Case> cases = {
        {e.cal_SHF(room, 0, 0.95, 99, P0, 10), "Out of Range (  cal_SHF  ) !"},
        {e.cal_SHF(room, 0.8, 0, 99, P0, 10), "Out of Range (  cal_SHF  ) !"},
        {e.cal_Limit_Satemp(room.Xi, room.Hi, 0, 10, P0), "Out of Range (  cal_Limit_Satemp  ) !"},
        {e.cal_SHF_FixedSaTemp(room, 0, 15, P0), "Out of Range (  cal_SHF_FixedSaTemp  ) !"},
        {e.cal_SHF_AirQtyTh(room, 0.8, 0.95, 5000, 0, P0), "Out of Range (  cal_SHF_AirQtyTh  ) !"},
        {e.cal_SHFOnPointQtyTh(A, room, 0, 5000, P0), "Out of Range (  cal_SHFOnPointQtyTh  ) !"},
        {e.cal_Heat_Air(room, 5000, 0, 1, P0), "Out of Range (  cal_Heat_Air  ) !"},
    };
    ASSERT_EQ(sink.Messages().size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_TRUE(IsErrorRecord(cases[i].r)) << i;
        EXPECT_EQ(sink.Messages()[i], cases[i].text);
    }
}

TEST_F(Process, PointsOnTheSupplyLine) {
    // At a fixed supply dry bulb.
    const _CORVO s = e.cal_SHF_FixedSaTemp(room, 0.8, 15, P0);
    EXPECT_EQ(s.Db, 15);
    EXPECT_DOUBLE_EQ(s.Hi, LineAt(room, 0.8, 15));
    EXPECT_EQ(e.cal_SHF_FixedSaTemp(room, 1, 15, P0).Xi, room.Xi);

    // At a fixed humidity ratio: the latent change is (1 − SHF) of the total.
    const _CORVO o = e.cal_SHF_FixedOffTemp(room, 0.0098, 0.8, 0.95, P0);
    ASSERT_NE(o.Db, 999);
    EXPECT_EQ(o.Xi, 0.0098);
    EXPECT_NEAR(room.Hi - e.Entalpy(room.Db, 0.0098), 0.2 * (room.Hi - o.Hi), 1e-12);
    const _CORVO o1 = e.cal_SHF_FixedOffTemp(room, 0.009, 1, 0.95, P0);
    EXPECT_EQ(o1.Rh, 95);
    EXPECT_NEAR(o1.Xi, 0.009, 1e-15);

    // Removing a load from an air volume.
    const double dh = 5000 / (3000 * kRho);
    const _CORVO q = e.cal_SHF_AirQtyTh(room, 0.8, 0.95, 5000, 3000, P0);
    ASSERT_NE(q.Db, 999);
    EXPECT_DOUBLE_EQ(q.Hi, room.Hi - dh);
    EXPECT_NEAR(room.Hi - e.Entalpy(room.Db, q.Xi), 0.2 * dh, 1e-12);
}

TEST_F(Process, PointsBetweenCoilOutletAndRoom) {
    const _CORVO A = e.cal_SHF(room, 0.8, 0.95, 99, P0, 10);
    const _CORVO& B = room;
    const double k = (e.cal_DBX(B.Db, A.Xi, P0).Hi - A.Hi) / (B.Hi - A.Hi);
    const _CORVO dt = e.cal_SHFOnPointDt(A, B, 5, P0);
    const _CORVO dh = e.cal_SHFOnPointDh(A, B, 1.5, P0);
    const _CORVO q = e.cal_SHFOnPointQtyTh(A, B, 3000, 5000, P0);
    EXPECT_EQ(dt.Db, B.Db - 5);
    EXPECT_EQ(dh.Hi, B.Hi - 1.5);
    EXPECT_EQ(q.Hi, B.Hi - 5000 / (3000 * A.Dn));
    for (const _CORVO& p : {dt, dh, q}) {
        ASSERT_NE(p.Db, 999);
        EXPECT_GT(p.Db, A.Db);
        EXPECT_LT(p.Db, B.Db);
        EXPECT_GT(p.Hi, A.Hi);
        EXPECT_LT(p.Hi, B.Hi);
        EXPECT_GT(p.Xi, A.Xi);
        EXPECT_LT(p.Xi, B.Xi);
        // The same sensible ratio from A as the whole line.
        EXPECT_NEAR((e.Entalpy(p.Db, A.Xi) - A.Hi) / (p.Hi - A.Hi), k, 1e-6);
        // Not exactly straight in humidity: the enthalpy's cross term
        // bends the line by about 0.02 % of the humidity ratio.
        const double f = (p.Hi - A.Hi) / (B.Hi - A.Hi);
        EXPECT_NEAR(p.Xi, A.Xi + f * (B.Xi - A.Xi), 5e-4 * p.Xi);
    }
}

TEST_F(Process, Heating) {
    const _CORVO t = e.cal_Heat_Temp(room, 10, P0);
    EXPECT_EQ(t.Db, room.Db + 10);
    EXPECT_EQ(t.Xi, room.Xi);

    const double dh = 5000 / (3000 * kRho);
    const _CORVO s = e.cal_Heat_Air(room, 5000, 3000, 1, P0);
    EXPECT_DOUBLE_EQ(s.Hi, room.Hi + dh);
    EXPECT_NEAR(s.Xi, room.Xi, 1e-12);
    // A sensible share below 1 adds moisture as well.
    const _CORVO m = e.cal_Heat_Air(room, 5000, 3000, 0.7, P0);
    EXPECT_DOUBLE_EQ(m.Hi, room.Hi + dh);
    EXPECT_GT(m.Xi, room.Xi);
    EXPECT_LT(m.Db, s.Db);

    const _CORVO h = e.cal_Heat_Hum(room, 641, 0.002, P0);
    EXPECT_DOUBLE_EQ(h.Hi, room.Hi + 641 * 0.002);
    EXPECT_NEAR(h.Xi, room.Xi, 1e-12);
}

TEST_F(Process, MixingConservesEnthalpyAndMoisture) {
    _CORVO out = e.cal_DBRH(33, 60, P0);
    const _CORVO mid = e.cal_Mix(out, room, 1, P0);
    EXPECT_DOUBLE_EQ(mid.Hi, (out.Hi + room.Hi) / 2);
    EXPECT_DOUBLE_EQ(mid.Xi, (out.Xi + room.Xi) / 2);
    const _CORVO m3 = e.cal_Mix(out, room, 3, P0);
    EXPECT_DOUBLE_EQ(m3.Hi, (3 * out.Hi + room.Hi) / 4);
    EXPECT_DOUBLE_EQ(m3.Xi, (3 * out.Xi + room.Xi) / 4);
    EXPECT_GT(m3.Db, mid.Db);
    EXPECT_LT(m3.Db, out.Db);

    // r = 0 is the second record itself, reserved fields included.
    _CORVO b = room;
    b.Db1 = 3;
    b.Xi2 = 0.004;
    b.Mt = 12;
    const _CORVO same = e.cal_Mix(out, b, 0, P0);
    EXPECT_EQ(same.Db1, 3);
    EXPECT_EQ(same.Xi2, 0.004);
    EXPECT_EQ(same.Mt, 12);
    EXPECT_EQ(same.Dn, room.Dn);
}

TEST_F(Process, DifferenceOfTwoPoints) {
    _CORVO a = room;
    a.Mt = 4;
    a.Db1 = 2;
    const _CORVO zero = e.cal_Dlt(a, a);
    for (double v : {zero.Db, zero.Wb, zero.Rh, zero.Dp, zero.Hi, zero.Xi, zero.Px, zero.Dn,
                     zero.Mt, zero.Db1, zero.Db2, zero.Xi1, zero.Xi2}) {
        EXPECT_EQ(v, 0);
    }
    const _CORVO b = e.cal_DBRH(33, 60, P0);
    const _CORVO d = e.cal_Dlt(a, b);
    EXPECT_EQ(d.Db, 7);
    EXPECT_EQ(d.Rh, 10);
    EXPECT_EQ(d.Hi, b.Hi - a.Hi);
    EXPECT_EQ(d.Dn, a.Dn - b.Dn);
    EXPECT_EQ(d.Mt, 0);
    const _CORVO r = e.cal_Dlt(b, a);
    EXPECT_EQ(r.Xi, d.Xi);
    EXPECT_EQ(r.Px, d.Px);
}

TEST_F(Process, LoadFormulasTakeTheirArgumentsInOrder) {
    EXPECT_NEAR(e.cal_FanLoad(3000, 30), 0.4902, 1e-4);
    EXPECT_EQ(e.cal_H_KcalG(10, 4), 2.5);
    EXPECT_EQ(e.cal_AIR_KcalDh(10, 4), 2.5);
    EXPECT_EQ(e.cal_TH_GDh(10, 4), 40);
    EXPECT_EQ(e.cal_Udx(641, 0.5), 320.5);
    EXPECT_EQ(e.cal_Udh(4, 10), 2.5);
}

// A failing first step hands its 999 on; the next solver reports it too.
TEST_F(Process, FailureFlowsThroughChainedSolvers) {
    SinkCapture sink;
    const _CORVO r = e.cal_Heat_Air(room, 1e6, 3000, 0.7, P0);
    EXPECT_TRUE(IsErrorRecord(r));
    const std::vector<std::string> both = {"Out of Range (  cal_HX  ) !",
                                           "Out of Range (  cal_DBH  ) !"};
    EXPECT_EQ(sink.Messages(), both);
    sink.Clear();
    _CORVO fog = e.cal_DBRH(5, 100, P0);
    EXPECT_TRUE(IsErrorRecord(e.cal_Mix(e.cal_DBRH(35, 95, P0), fog, 1, P0)));
    EXPECT_EQ(sink.Messages(), std::vector<std::string>{"Out of Range (  cal_HX  ) !"});
}

}  // namespace
