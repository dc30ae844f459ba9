#include <gtest/gtest.h>

#include <ostream>

#include "tolvex/date.h"

namespace {

TEST(CDate, HoldsDayMonthYear) {
    const CDate d;
    EXPECT_EQ(d.GetDay(), 1);
    EXPECT_EQ(d.GetMonth(), 1);
    EXPECT_EQ(d.GetYear(), 2000);

    CDate e(31, 12, 2021);
    CDate f = e;
    EXPECT_EQ(f.GetDay(), 31);
    EXPECT_EQ(f.GetMonth(), 12);
    EXPECT_EQ(f.GetYear(), 2021);
    f.SetDay(40);  // unchecked
    f.SetMonth(0);
    f.SetYear(-5);
    e = f;
    EXPECT_EQ(e.GetDay(), 40);
    EXPECT_EQ(e.GetMonth(), 0);
    EXPECT_EQ(e.GetYear(), -5);
}

struct DayRow {
    const char* name;
    int year, month, day, expected;
};
void PrintTo(const DayRow& row, std::ostream* os) {
    *os << row.name;
}

class DaysCal : public ::testing::TestWithParam<DayRow> {};

TEST_P(DaysCal, CountsTheDayOfTheYear) {
    const DayRow& r = GetParam();
    // The stored date plays no part.
    EXPECT_EQ(CDate(15, 7, 1999).DaysCal(r.year, r.month, r.day), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DaysCal,
    ::testing::Values(DayRow{"NewYear", 2021, 1, 1, 1}, DayRow{"EndOfJanuary", 2021, 1, 31, 31},
                      DayRow{"EndOfFebruary", 2021, 2, 28, 59}, DayRow{"LeapDay", 2020, 2, 29, 60},
                      DayRow{"MarchCommon", 2021, 3, 1, 60}, DayRow{"MarchLeap", 2020, 3, 1, 61},
                      DayRow{"August", 2021, 8, 1, 213}, DayRow{"OctoberLeap", 2020, 10, 1, 275},
                      DayRow{"YearEndCommon", 2021, 12, 31, 365},
                      DayRow{"YearEndLeap", 2020, 12, 31, 366},
                      // Century years are leap years only when divisible by 400.
                      DayRow{"Century1900", 1900, 3, 1, 60}, DayRow{"Century2000", 2000, 3, 1, 61},
                      DayRow{"Century2100", 2100, 12, 31, 365},
                      DayRow{"Century2400", 2400, 12, 31, 366}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DaysCal, EveryDayOfAYearIsCountedOnce) {
    const CDate d;
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year : {2023, 2024}) {
        int expected = 0;
        for (int month = 1; month <= 12; ++month) {
            const int days = lengths[month - 1] + (month == 2 && year == 2024 ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                ASSERT_EQ(d.DaysCal(year, month, day), ++expected)
                    << year << '-' << month << '-' << day;
            }
        }
    }
}

TEST(MonthNames, ProducedNamesAreRecognisedAgain) {
    const CDate d;
    const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    for (unsigned m = 1; m <= 12; ++m) {
        EXPECT_EQ(d.GetMonthNo_to_Char(m), names[m - 1]);
        EXPECT_EQ(d.GetMonthNumber(d.GetMonthNo_to_Char(m)), static_cast<int>(m));
    }
    EXPECT_EQ(d.GetMonthNo_to_Char(0), " ");
    EXPECT_EQ(d.GetMonthNo_to_Char(13), " ");
    EXPECT_EQ(d.GetMonthNo_to_Char(static_cast<unsigned>(-1)), " ");
    EXPECT_EQ(d.GetMonthNumber("Zero"), 0);
    EXPECT_EQ(d.GetMonthNumber("november"), 0);
    EXPECT_EQ(d.GetMonthNumber("Novenber"), 0);
    EXPECT_EQ(d.GetMonthNumber(""), 0);
    EXPECT_EQ(d.GetMonthNumber("May "), 0);
}

}  // namespace
