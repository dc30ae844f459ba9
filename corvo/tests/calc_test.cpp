#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "corvo/calc.h"
#include "corvo/corvoapp.h"
#include "corvo/message.h"
#include "german_locale.h"

namespace {

constexpr double P0 = 1013.25;
const std::string kNotAvailable = "Not Available Function !";

// Collects the engine's messages while it lives, then puts the previous sink back.
class MessageCapture {
  public:
    MessageCapture()
        : previous_(corvo::SetMessageSink([this](const std::string& t) { texts.push_back(t); })) {}
    ~MessageCapture() { corvo::SetMessageSink(std::move(previous_)); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> texts;

  private:
    corvo::MessageSink previous_;
};

enum Field { Db, Wb, Rh, Dp, Hi, Xi };
const char* const kFieldNames[] = {"Db", "Wb", "Rh", "Dp", "Hi", "Xi"};

CDataManager Fields(std::initializer_list<std::pair<Field, std::string>> entries) {
    CDataManager d;
    for (const auto& [field, text] : entries) {
        const char* t = text.c_str();
        switch (field) {
            case Db:
                d.SetStrDb(t);
                break;
            case Wb:
                d.SetStrWb(t);
                break;
            case Rh:
                d.SetStrRh(t);
                break;
            case Dp:
                d.SetStrDp(t);
                break;
            case Hi:
                d.SetStrHi(t);
                break;
            case Xi:
                d.SetStrXi(t);
                break;
        }
    }
    return d;
}

// The shortest text that reads back as exactly v.
std::string Text(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

::testing::AssertionResult SameRecord(const _CORVO& a, const _CORVO& b) {
    const double x[] = {a.Db, a.Db1, a.Db2, a.Wb, a.Rh, a.Dp, a.Hi,
                        a.Xi, a.Xi1, a.Xi2, a.Px, a.Dn, a.Mt};
    const double y[] = {b.Db, b.Db1, b.Db2, b.Wb, b.Rh, b.Dp, b.Hi,
                        b.Xi, b.Xi1, b.Xi2, b.Px, b.Dn, b.Mt};
    for (int i = 0; i < 13; ++i) {
        if (!Same(x[i], y[i])) {
            return ::testing::AssertionFailure() << "field " << i << ": " << x[i] << " vs " << y[i]
                                                 << " (Db " << a.Db << " vs " << b.Db << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult IsErrorRecord(const _CORVO& r) {
    const bool ok = r.Db == 999 && r.Wb == 999 && r.Rh == 999 && r.Dp == 999 && r.Hi == 999 &&
                    r.Xi == 999 && r.Px == 999 && r.Dn == 999 && r.Mt == 0 && r.Db1 == 0 &&
                    r.Db2 == 0 && r.Xi1 == 0 && r.Xi2 == 0;
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "not the 999 record (Db " << r.Db << ", Mt " << r.Mt << ")";
}

::testing::AssertionResult IsZeroRecord(const _CORVO& r) {
    return SameRecord(r, _CORVO{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

// The solver each pair of fields must reach, arguments in the pair's order.
using Solver = _CORVO (CCorvoApp::*)(double, double, double) const;
struct Pair {
    Field first;
    Field second;
    Solver solver;
};
const Pair kPairs[] = {
    {Db, Wb, &CCorvoApp::cal_DBWB}, {Db, Rh, &CCorvoApp::cal_DBRH}, {Db, Dp, &CCorvoApp::cal_DBDP},
    {Db, Hi, &CCorvoApp::cal_DBH},  {Db, Xi, &CCorvoApp::cal_DBX},  {Wb, Rh, &CCorvoApp::cal_WBRH},
    {Wb, Dp, &CCorvoApp::cal_WBDP}, {Wb, Hi, &CCorvoApp::cal_WBH},  {Wb, Xi, &CCorvoApp::cal_WBX},
    {Rh, Dp, &CCorvoApp::cal_RHDP}, {Rh, Hi, &CCorvoApp::cal_RHH},  {Rh, Xi, &CCorvoApp::cal_RHX},
    {Dp, Hi, &CCorvoApp::cal_DPH},  {Hi, Xi, &CCorvoApp::cal_HX},
};

// What a direct call of the solver returns and says.
struct Outcome {
    _CORVO rec;
    std::vector<std::string> texts;
};
Outcome Direct(Solver solver, double a, double b, double P = P0) {
    MessageCapture capture;
    const _CORVO rec = (CCorvoApp().*solver)(a, b, P);
    return {rec, capture.texts};
}
Outcome Dispatch(CDataManager data, double P = P0) {
    MessageCapture capture;
    const _CORVO rec = CCalc().Cal_CorvoPoint(&data, P);
    return {rec, capture.texts};
}

// One consistent air state, 26 °C and 50 %, in all six properties, so that
// every pair describes the same point.
struct Reference {
    double value[6];
};
const Reference& Ref() {
    static const Reference ref = [] {
        const _CORVO s = CCorvoApp().cal_DBRH(26, 50, P0);
        return Reference{{s.Db, s.Wb, s.Rh, s.Dp, s.Hi, s.Xi}};
    }();
    return ref;
}

// ---- The texts --------------------------------------------------------------

TEST(DataManager, HoldsSevenTextsAndCopiesThemAll) {
    CDataManager d;
    EXPECT_EQ(d.GetStrDb(), "");
    EXPECT_EQ(d.GetStrDn(), "");
    d.SetStrDb("1");
    d.SetStrWb("2");
    d.SetStrRh("3");
    d.SetStrDp("4");
    d.SetStrHi("5");
    d.SetStrXi("6");
    d.SetStrDn("7");
    CDataManager copy(d);
    CDataManager assigned;
    assigned = d;
    for (const CDataManager* m : {&copy, &assigned}) {
        EXPECT_EQ(m->GetStrDb() + m->GetStrWb() + m->GetStrRh() + m->GetStrDp() + m->GetStrHi() +
                      m->GetStrXi() + m->GetStrDn(),
                  "1234567");
    }
    d.SetStrRh(nullptr);
    EXPECT_EQ(d.GetStrRh(), "");
    EXPECT_EQ(copy.GetStrRh(), "3");
}

TEST(EnableCalCheck, TrueForExactlyTwoFilledFields) {
    const CCalc calc;
    auto check = [&](CDataManager d) { return calc.EnableCalCheck(&d); };
    EXPECT_FALSE(check(Fields({})));
    EXPECT_FALSE(check(Fields({{Xi, "0.01"}})));
    EXPECT_TRUE(check(Fields({{Db, "26"}, {Rh, "50"}})));
    EXPECT_TRUE(check(Fields({{Dp, "10"}, {Xi, "0.008"}})));  // checked later, not here
    EXPECT_FALSE(check(Fields({{Db, "26"}, {Wb, "19"}, {Rh, "50"}})));
    EXPECT_TRUE(check(Fields({{Db, "26"}, {Rh, " "}})));   // blanks are filled
    EXPECT_TRUE(check(Fields({{Hi, "abc"}, {Xi, "x"}})));  // any text is filled
    EXPECT_FALSE(check(Fields({{Db, "26"}, {Wb, "19"}, {Rh, "   "}})));

    CDataManager density = Fields({{Db, "26"}});
    density.SetStrDn("1.2");  // the density field is never counted
    EXPECT_FALSE(calc.EnableCalCheck(&density));
    EXPECT_FALSE(calc.EnableCalCheck(nullptr));
}

// ---- Every pair reaches its solver -------------------------------------------

class EachPair : public ::testing::TestWithParam<Pair> {};

TEST_P(EachPair, SolvesTheReferencePoint) {
    const Pair& p = GetParam();
    const double a = Ref().value[p.first];
    const double b = Ref().value[p.second];
    const Outcome got = Dispatch(Fields({{p.first, Text(a)}, {p.second, Text(b)}}));
    const Outcome want = Direct(p.solver, a, b);
    EXPECT_TRUE(SameRecord(got.rec, want.rec));
    EXPECT_TRUE(got.texts.empty()) << got.texts.front();
    // The same air comes back, whichever two properties described it.
    EXPECT_NEAR(got.rec.Db, 26, 0.01);
    EXPECT_NEAR(got.rec.Xi, Ref().value[Xi], 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Table, EachPair, ::testing::ValuesIn(kPairs), [](const auto& info) {
    return std::string(kFieldNames[info.param.first]) + kFieldNames[info.param.second];
});

TEST(Dispatch, PressureReachesTheSolver) {
    const Outcome got = Dispatch(Fields({{Db, "26"}, {Rh, "50"}}), 900);
    EXPECT_TRUE(SameRecord(got.rec, Direct(&CCorvoApp::cal_DBRH, 26, 50, 900).rec));
    EXPECT_GT(got.rec.Xi, Direct(&CCorvoApp::cal_DBRH, 26, 50).rec.Xi);
}

TEST(Dispatch, DewPointWithHumidityRatioIsNotAvailable) {
    for (const char* dp : {"10", "-60", "200"}) {
        const Outcome got = Dispatch(Fields({{Dp, dp}, {Xi, "0.008"}}));
        EXPECT_TRUE(IsErrorRecord(got.rec)) << dp;
        EXPECT_EQ(got.texts, std::vector<std::string>{kNotAvailable}) << dp;
    }
}

TEST(Dispatch, OutOfRangeStopsBeforeTheSolver) {
    // The solver's own range message is not shown: only the dispatch's.
    for (const CDataManager& d :
         {Fields({{Db, "120"}, {Rh, "50"}}), Fields({{Rh, "50"}, {Hi, "51"}}),
          Fields({{Wb, "19"}, {Xi, "0.06"}}), Fields({{Db, "nan"}, {Rh, "50"}}),
          Fields({{Rh, "50"}, {Xi, "inf"}}), Fields({{Db, "-inf"}, {Wb, "10"}})}) {
        const Outcome got = Dispatch(d);
        EXPECT_TRUE(IsErrorRecord(got.rec)) << d.GetStrDb() << '/' << d.GetStrRh();
        EXPECT_EQ(got.texts, std::vector<std::string>{kNotAvailable});
    }
}

TEST(Dispatch, NothingToSolveGivesTheZeroRecordSilently) {
    for (const CDataManager& d : {Fields({}), Fields({{Xi, "0.01"}}), Fields({{Db, "26"}}),
                                  Fields({{Hi, "12"}}), Fields({{Db, "500"}})}) {
        const Outcome got = Dispatch(d);
        EXPECT_TRUE(IsZeroRecord(got.rec));
        EXPECT_TRUE(got.texts.empty());
    }
    CDataManager onlyDensity;
    onlyDensity.SetStrDn("1.2");
    EXPECT_TRUE(IsZeroRecord(Dispatch(onlyDensity).rec));

    MessageCapture capture;
    EXPECT_TRUE(IsZeroRecord(CCalc().Cal_CorvoPoint(nullptr, P0)));
    EXPECT_TRUE(capture.texts.empty());
}

TEST(Dispatch, FirstTwoFilledFieldsDecide) {
    struct Case {
        CDataManager data;
        Solver solver;
        double a, b;
    };
    const Case cases[] = {
        {Fields({{Db, "26"}, {Wb, "19"}, {Rh, "50"}}), &CCorvoApp::cal_DBWB, 26, 19},
        {Fields({{Xi, "0.01"}, {Dp, "14"}, {Wb, "19"}}), &CCorvoApp::cal_WBDP, 19, 14},
        {Fields({{Rh, "50"}, {Hi, "12.5"}, {Xi, "0.01"}}), &CCorvoApp::cal_RHH, 50, 12.5},
        // Dew point with enthalpy comes first: the humidity ratio is ignored.
        {Fields({{Dp, "14"}, {Hi, "12.5"}, {Xi, "0.01"}}), &CCorvoApp::cal_DPH, 14, 12.5},
        // A third field out of range plays no part.
        {Fields({{Db, "26"}, {Rh, "50"}, {Hi, "900"}}), &CCorvoApp::cal_DBRH, 26, 50},
    };
    for (const Case& c : cases) {
        const Outcome got = Dispatch(c.data);
        const Outcome want = Direct(c.solver, c.a, c.b);
        EXPECT_TRUE(SameRecord(got.rec, want.rec)) << c.a << ", " << c.b;
        EXPECT_EQ(got.texts, want.texts);
    }
}

TEST(Dispatch, TextsReadAsCAtofDoes) {
    struct Case {
        CDataManager data;
        Solver solver;
        double a, b;
    };
    const Case cases[] = {
        {Fields({{Db, "abc"}, {Rh, "50"}}), &CCorvoApp::cal_DBRH, 0, 50},  // letters give 0
        {Fields({{Db, " "}, {Rh, "50"}}), &CCorvoApp::cal_DBRH, 0, 50},    // blanks give 0
        {Fields({{Db, "26"}, {Hi, "x"}}), &CCorvoApp::cal_DBH, 26, 0},     // 0 is in range
        {Fields({{Rh, "50"}, {Xi, "zero"}}), &CCorvoApp::cal_RHX, 50, 0},
        {Fields({{Db, "  26abc"}, {Rh, "+5e1%"}}), &CCorvoApp::cal_DBRH, 26, 50},
        {Fields({{Db, "26,5"}, {Rh, ".5E2"}}), &CCorvoApp::cal_DBRH, 26, 50},  // comma ends it
        {Fields({{Wb, "-5.25"}, {Rh, "80"}}), &CCorvoApp::cal_WBRH, -5.25, 80},
    };
    for (const Case& c : cases) {
        const Outcome got = Dispatch(c.data);
        const Outcome want = Direct(c.solver, c.a, c.b);
        EXPECT_TRUE(SameRecord(got.rec, want.rec)) << c.a << ", " << c.b;
        EXPECT_EQ(got.texts, want.texts);
    }
}

TEST(Dispatch, ZeroHumidityWithDewPointOrHumidityRatioIsRejectedBySolver) {
    for (const CDataManager& d :
         {Fields({{Rh, "0"}, {Dp, "10"}}), Fields({{Rh, "0"}, {Xi, "0.008"}})}) {
        const Outcome got = Dispatch(d);
        EXPECT_TRUE(IsErrorRecord(got.rec));
        ASSERT_EQ(got.texts.size(), 1u);
        EXPECT_EQ(got.texts[0].rfind("Out of Range ( ", 0), 0u) << got.texts[0];
    }
}

TEST_F(GermanLocale, PointIsTheDecimalSeparator) {
    ASSERT_EQ(std::atof("26.5"), 26.0);  // the C library now reads a decimal comma
    const Outcome got = Dispatch(Fields({{Db, "26.5"}, {Rh, "50.5"}}));
    EXPECT_TRUE(SameRecord(got.rec, Direct(&CCorvoApp::cal_DBRH, 26.5, 50.5).rec));
    // Read as 100 this would pass; read as 100.0005 it is out of range.
    EXPECT_EQ(Dispatch(Fields({{Db, "100.0005"}, {Rh, "50"}})).texts,
              std::vector<std::string>{kNotAvailable});
}

// ---- Range bounds, inclusive ---------------------------------------------------

struct BoundCase {
    std::string name;
    Pair pair;
    bool onFirst;      // the bound is tested on the pair's first field
    std::string text;  // the tested field's text
    bool inside;
};
void PrintTo(const BoundCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<BoundCase> BoundCases() {
    struct Bounds {
        const char* lo;
        const char* hi;
        const char* below;
        const char* above;
    };
    const Bounds bounds[] = {
        {"-50", "100", "-50.001", "100.001"},  // Db
        {"-50", "100", "-50.001", "100.001"},  // Wb
        {"0", "100", "-0.001", "100.001"},     // Rh
        {"-50", "100", "-50.001", "100.001"},  // Dp
        {"-10", "50", "-10.001", "50.001"},    // Hi
        {"0", "0.055", "-0.0001", "0.0551"},   // Xi
    };
    std::vector<BoundCase> cases;
    for (const Pair& p : kPairs) {
        for (bool onFirst : {true, false}) {
            const Field f = onFirst ? p.first : p.second;
            const Bounds& b = bounds[f];
            const std::string stem =
                std::string(kFieldNames[p.first]) + kFieldNames[p.second] + "_" + kFieldNames[f];
            cases.push_back({stem + "AtLower", p, onFirst, b.lo, true});
            cases.push_back({stem + "AtUpper", p, onFirst, b.hi, true});
            cases.push_back({stem + "BelowLower", p, onFirst, b.below, false});
            cases.push_back({stem + "AboveUpper", p, onFirst, b.above, false});
        }
    }
    return cases;
}

class RangeBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(RangeBound, InsideReachesSolverOutsideIsNotAvailable) {
    const BoundCase& c = GetParam();
    const Pair& p = c.pair;
    const std::string other = Text(Ref().value[c.onFirst ? p.second : p.first]);
    const std::string firstText = c.onFirst ? c.text : other;
    const std::string secondText = c.onFirst ? other : c.text;
    const Outcome got = Dispatch(Fields({{p.first, firstText}, {p.second, secondText}}));
    if (c.inside) {
        // Whatever the solver makes of a bound value, it is the solver's answer.
        const Outcome want =
            Direct(p.solver, std::atof(firstText.c_str()), std::atof(secondText.c_str()));
        EXPECT_TRUE(SameRecord(got.rec, want.rec));
        EXPECT_EQ(got.texts, want.texts);
    } else {
        EXPECT_TRUE(IsErrorRecord(got.rec));
        EXPECT_EQ(got.texts, std::vector<std::string>{kNotAvailable});
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RangeBound, ::testing::ValuesIn(BoundCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
