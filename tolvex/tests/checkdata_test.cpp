#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>

#include "german_locale.h"
#include "tolvex/checkdata.h"

namespace {

// ---- Inspect_nData -------------------------------------------------------

struct InspectRow {
    const char* name;
    std::string text;
    int expected;
};
void PrintTo(const InspectRow& row, std::ostream* os) {
    *os << row.name;
}

class InspectNData : public ::testing::TestWithParam<InspectRow> {};

TEST_P(InspectNData, AcceptsOnlyPlainDecimalNumbers) {
    const InspectRow& row = GetParam();
    EXPECT_EQ(CCheckData().Inspect_nData(row.text), row.expected) << "text \"" << row.text << '"';
}

const InspectRow kInspectRows[] = {
    // The worked examples of the checker.
    {"Integer", "12", 1},
    {"TrailingBlank", "12 ", 0},
    {"LeadingBlank", " 12", 1},
    {"NegativeDecimal", "-3.5", 1},
    {"PlusSign", "+7", 1},
    {"LeadingPoint", ".5", 1},
    {"TrailingPoint", "5.", 1},
    {"SignThenPoint", "-.5", 0},
    {"LoneMinus", "-", 0},
    {"TwoPoints", "1.2.3", 0},
    {"Exponent", "1e3", 0},
    {"OneSeparator", "1,234", 1},
    {"TwoSeparators", "12,345,678", 1},
    {"SeparatorThenDecimals", "1,234.5", 1},
    {"ShortLastGroup", "1,23", 0},
    {"ShortSecondGroup", "1,234,56", 0},
    {"LongGroupAccepted", "1,2345", 1},
    {"MisplacedSecondSeparator", "1,2345,678", 0},
    {"LeadingSeparator", ",123", 1},
    // White space and emptiness.
    {"Empty", "", 0},
    {"OnlyBlanks", "   ", 0},
    {"LeadingTabAndNewline", "\t\n 42", 1},
    {"TrailingTab", "42\t", 0},
    {"InnerBlank", "4 2", 0},
    // Signs and points in other places.
    {"LonePoint", ".", 0},
    {"LonePlus", "+", 0},
    {"PlusThenPoint", "+.5", 0},
    {"SignInside", "1-2", 0},
    {"DoubleSign", "--1", 0},
    {"NegativeWithSeparator", "-1,234.5", 1},
    {"SeparatorAfterPoint", "1.234,567", 1},
    // Letters and bytes outside ASCII.
    {"Letters", "abc", 0},
    {"HexPrefix", "0x1A", 0},
    {"Infinity", "inf", 0},
    {"FullWidthDigit", "\xEF\xBC\x91", 0},  // U+FF11, a full-width "1"
    {"DigitThenFullWidth", "1\xEF\xBC\x92", 0},
};

INSTANTIATE_TEST_SUITE_P(Table, InspectNData, ::testing::ValuesIn(kInspectRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- nci -----------------------------------------------------------------

struct NciRow {
    const char* name;
    int digits;
    double value;
    std::string expected;
};
void PrintTo(const NciRow& row, std::ostream* os) {
    *os << row.name;
}

class Nci : public ::testing::TestWithParam<NciRow> {};

TEST_P(Nci, FormatsWithSeparatorsAndCutDecimals) {
    const NciRow& row = GetParam();
    EXPECT_EQ(CCheckData().nci(row.digits, row.value), row.expected)
        << "digits " << row.digits << ", value " << row.value;
}

const NciRow kNciRows[] = {
    // The worked examples of the formatter.
    {"TwoDecimalsCut", 2, 1234.5678, "1,234.56"},
    {"NoDecimalsMillions", 0, 1234567.89, "1,234,567"},
    {"SmallFraction", 2, 0.05, "0.05"},
    {"PaddedDecimals", 3, 12.5, "12.500"},
    {"NegativeBelowOne", 1, -0.25, "-0.2"},
    {"NegativeThousands", 2, -1234.5, "-1,234.50"},
    {"NoRoundingUp", 0, 999.9, "999"},
    {"FullGroups", 0, 123456, "123,456"},
    {"NegativeZeroWhole", 0, -0.7, "-0"},
    // Further cases.
    {"TruncatesNotRounds", 0, 2.9, "2"},
    {"NegativeSmallKeepsSign", 2, -0.05, "-0.05"},
    {"Zero", 2, 0, "0.00"},
    {"MinusZeroHasNoSign", 2, -0.0, "0.00"},
    {"BinaryShortfallStillShown", 2, 1234.56, "1,234.56"},
    {"OneDigitGroup", 0, 1000, "1,000"},
    {"TwoDigitLead", 1, 12345.6, "12,345.6"},
    {"ThreeDigitsNoSeparator", 1, 999.95, "999.9"},
    {"LargeValue", 0, 1e15, "1,000,000,000,000,000"},
    {"TinyFractionZeros", 3, 1.0001, "1.000"},
    {"LeadingFractionZeros", 6, 0.000123, "0.000123"},
    // A rounding of the fraction that reaches 1 carries into the integer part.
    {"CarryIntoInteger", 2, 0.3 / 0.1, "3.00"},
    {"CarryNegative", 2, -(0.3 / 0.1), "-3.00"},
    {"CarryAcrossGroups", 1, 999999.99999999999, "1,000,000.0"},
    {"CarryWithoutDecimals", 0, 0.3 / 0.1, "3"},
    {"CarryBelowOne", 3, -0.99999999999999, "-1.000"},
    {"NoCarryJustBelow", 2, 2.999999999998, "2.99"},
    // A negative count of decimals behaves as 0.
    {"NegativeDigits", -2, 1234.5, "1,234"},
    // Past twelve significant digits come zeros.
    {"FifteenDecimals", 15, 0.05, "0.050000000000000"},
    {"FourteenDecimals", 14, 4.0 / 3.0, "1.33333333333300"},
    // Values that are not numbers are named, without decimals.
    {"NotANumber", 2, std::numeric_limits<double>::quiet_NaN(), "nan"},
    {"Infinite", 2, std::numeric_limits<double>::infinity(), "inf"},
    {"NegativeInfinite", 0, -std::numeric_limits<double>::infinity(), "-inf"},
};

INSTANTIATE_TEST_SUITE_P(Table, Nci, ::testing::ValuesIn(kNciRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Nci, HugeValuesKeepEveryDigit) {
    // No fixed work buffer: the largest double prints all 309 digits.
    const std::string s = CCheckData().nci(2, -std::numeric_limits<double>::max());
    EXPECT_EQ(s.substr(0, 9), "-179,769,");
    EXPECT_EQ(s.substr(s.size() - 3), ".00");
    EXPECT_EQ(s.size(), 1 + 309 + 102 + 3);  // sign, digits, separators, ".00"
}

// ---- atof_e and CAtof ------------------------------------------------------

TEST(AtofE, IgnoresSeparatorsAndReadsLikeAtof) {
    const CCheckData c;
    EXPECT_EQ(c.atof_e("1,234"), c.atof_e("1234"));
    EXPECT_EQ(c.atof_e("1,234"), 1234.0);
    EXPECT_EQ(c.atof_e("12,34,5"), 12345.0);  // read although the checker rejects it
    EXPECT_EQ(c.atof_e("-1,234.5"), -1234.5);
    EXPECT_EQ(c.atof_e("  26.5"), 26.5);
    EXPECT_EQ(c.atof_e("26.5abc"), 26.5);  // stops at the first letter
    EXPECT_EQ(c.atof_e("1e3"), 1000.0);
    EXPECT_EQ(c.atof_e("abc"), 0.0);
    EXPECT_EQ(c.atof_e(""), 0.0);
    EXPECT_EQ(c.atof_e("-"), 0.0);
}

TEST(AtofE, LongTextIsReadWhole) {
    // 300 digits and a separator every three: nothing is cut off.
    std::string text = "1";
    for (int i = 0; i < 100; ++i) text += ",000";
    EXPECT_DOUBLE_EQ(CCheckData().atof_e(text), 1e300);
}

TEST(CAtof, ReadsTheLeadingNumber) {
    EXPECT_EQ(tolvex::CAtof(static_cast<const char*>(nullptr)), 0.0);
    EXPECT_EQ(tolvex::CAtof(""), 0.0);
    EXPECT_EQ(tolvex::CAtof("   "), 0.0);
    EXPECT_EQ(tolvex::CAtof("+7"), 7.0);
    EXPECT_EQ(tolvex::CAtof(".5"), 0.5);
    EXPECT_EQ(tolvex::CAtof("-2.5E-1x"), -0.25);
    EXPECT_EQ(tolvex::CAtof("1,5"), 1.0);  // a comma ends the number
    EXPECT_EQ(tolvex::CAtof(std::string("\t 1013.25 hPa")), 1013.25);
}

TEST_F(GermanLocale, NumbersReadAndPrintWithAPoint) {
    // The desktop's decimal comma is in force for the C library itself...
    ASSERT_EQ(std::atof("26.5"), 26.0);
    // ...but the checker and formatter keep C-locale rules.
    const CCheckData c;
    EXPECT_EQ(tolvex::CAtof("26.5"), 26.5);
    EXPECT_EQ(c.atof_e("1,234.5"), 1234.5);
    EXPECT_EQ(c.Inspect_nData("26.5"), 1);
    EXPECT_EQ(c.Inspect_nData("26,5"), 0);
    EXPECT_EQ(c.nci(2, 1234.5678), "1,234.56");
    EXPECT_EQ(c.nci(2, 0.05), "0.05");
}

// ---- Orientation names ---------------------------------------------------

TEST(Orientation, InspectionIsExactSortingIgnoresCase) {
    CCheckData c;
    const char* names[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW", "H"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(c.Inspection_Orient(names[i]), 1) << names[i];
        EXPECT_EQ(c.OrientSorting(names[i]), i) << names[i];
    }
    EXPECT_EQ(c.OrientSorting("nw"), 7);
    EXPECT_EQ(c.OrientSorting("sE"), 3);
    EXPECT_EQ(c.Inspection_Orient("nw"), 0);
    EXPECT_EQ(c.Inspection_Orient("NNE"), 0);
    EXPECT_EQ(c.Inspection_Orient("N "), 0);
    EXPECT_EQ(c.Inspection_Orient(""), 0);
    EXPECT_EQ(c.OrientSorting("NWW"), -1);
    EXPECT_EQ(c.OrientSorting(""), -1);
    EXPECT_EQ(c.OrientSorting(nullptr), -1);
}

}  // namespace
