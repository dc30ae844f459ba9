#include <gtest/gtest.h>

#include <type_traits>

#include "corvo/corvoapp.h"
#include "corvo/zephdata.h"
#include "sink_capture.h"

namespace {

void ExpectSamePoint(const CZephData& a, const CZephData& b) {
    EXPECT_EQ(a.Style, b.Style);
    EXPECT_EQ(a.N, b.N);
    EXPECT_EQ(a.Pn, b.Pn);
    const double CZephData::*fields[] = {
        &CZephData::Db, &CZephData::Db1, &CZephData::Db2, &CZephData::Wb,  &CZephData::Rh,
        &CZephData::Dp, &CZephData::Hi,  &CZephData::Xi,  &CZephData::Xi1, &CZephData::Xi2,
        &CZephData::Px, &CZephData::Dn,  &CZephData::Mt};
    for (auto f : fields) EXPECT_EQ(a.*f, b.*f);
}

TEST(ZephData, DefaultPoint) {
    const CZephData d;
    EXPECT_EQ(d.GetStrStyle(), 3);
    EXPECT_EQ(d.GetN(), 1);
    EXPECT_EQ(d.GetStrPn(), "");
    CZephData zero;
    zero.Style = STYLE(3);
    ExpectSamePoint(d, zero);
    EXPECT_EQ(d.Mt, 0);
}

TEST(ZephData, CopiesEveryMember) {
    CZephData a;
    a.SetStrStyle(STYLE(1));
    a.SetN(7);
    a.SetStrPn("Mix");
    double v = 1;
    for (auto set : {&CZephData::SetDb, &CZephData::SetDb1, &CZephData::SetDb2, &CZephData::SetWb,
                     &CZephData::SetRh, &CZephData::SetDp, &CZephData::SetHi, &CZephData::SetXi,
                     &CZephData::SetXi1, &CZephData::SetXi2, &CZephData::SetPx, &CZephData::SetDn,
                     &CZephData::SetMt}) {
        (a.*set)(v += 1.5);
    }
    EXPECT_EQ(a.GetMt(), a.Mt);
    EXPECT_EQ(a.Mt, v);
    const CZephData copy(a);
    ExpectSamePoint(copy, a);
    CZephData assigned;
    // Assignment hands back a fresh copy, not a reference to the target.
    static_assert(std::is_same_v<decltype(assigned = a), CZephData>);
    const CZephData result = (assigned = a);
    ExpectSamePoint(assigned, a);
    ExpectSamePoint(result, a);
}

// A record goes into a point field by field, in the same order, and comes
// back unchanged; the point's style, number and name are not touched.
TEST(ZephData, ValuesRoundTripThroughTheRecord) {
    const _CORVO r{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    CZephData p;
    p.SetStrPn("Room");
    p.SetN(4);
    p.SetValues(r);
    EXPECT_EQ(p.Db, 1);
    EXPECT_EQ(p.Db2, 3);
    EXPECT_EQ(p.Wb, 4);
    EXPECT_EQ(p.Xi1, 9);
    EXPECT_EQ(p.Px, 11);
    EXPECT_EQ(p.Mt, 13);
    EXPECT_EQ(p.Pn, "Room");
    EXPECT_EQ(p.N, 4);
    const _CORVO back = p.GetValues();
    for (auto f : {&_CORVO::Db, &_CORVO::Db1, &_CORVO::Db2, &_CORVO::Wb, &_CORVO::Rh, &_CORVO::Dp,
                   &_CORVO::Hi, &_CORVO::Xi, &_CORVO::Xi1, &_CORVO::Xi2, &_CORVO::Px, &_CORVO::Dn,
                   &_CORVO::Mt}) {
        EXPECT_EQ(back.*f, r.*f);
    }
}

TEST(CorvoRecord, SetDataAndTheErrorRecord) {
    const CCorvoApp e;
    const _CORVO r = e.SetData(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(r.Db, 1);
    EXPECT_EQ(r.Wb, 2);
    EXPECT_EQ(r.Rh, 3);
    EXPECT_EQ(r.Dp, 4);
    EXPECT_EQ(r.Hi, 5);
    EXPECT_EQ(r.Xi, 6);
    EXPECT_EQ(r.Px, 7);
    EXPECT_EQ(r.Dn, 8);
    EXPECT_EQ(r.Mt, 9);
    EXPECT_EQ(r.Db1 + r.Db2 + r.Xi1 + r.Xi2, 0);

    SinkCapture sink;
    EXPECT_TRUE(IsErrorRecord(e.cal_HX(60, 0.01, 1013.25)));
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0], "Out of Range (  cal_HX  ) !");
}

TEST(CorvoRecord, SinkIsRestoredAfterCapture) {
    const CCorvoApp e;
    std::vector<std::string> outer;
    const corvo::MessageSink before =
        corvo::SetMessageSink([&](const std::string& t) { outer.push_back(t); });
    {
        SinkCapture inner;
        e.cal_DBX(20, 0, 1013.25);
        EXPECT_EQ(inner.Messages().size(), 1u);
    }
    e.cal_DBX(20, 0, 1013.25);
    EXPECT_EQ(outer.size(), 1u);
    corvo::SetMessageSink(before);
}

}  // namespace
