#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "german_locale.h"
#include "numbertext.h"

namespace {

using zeph::batch::AppendNumber;
using zeph::batch::FormatSignificant;
using zeph::batch::ParseNumber;

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

const ParseCase kParseCases[] = {
    {"26", 26},
    {"-3.5", -3.5},
    {" 50 ", 50},
    {"\t+.5", 0.5},
    {"1e-3", 0.001},
    {"7.", 7},
    {"0.0105", 0.0105},
    {"", std::nullopt},
    {"  ", std::nullopt},
    {"26,5", std::nullopt},
    {"1,013.25", std::nullopt},
    {"26C", std::nullopt},
    {"0x1A", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"+-1", std::nullopt},
    {"--1", std::nullopt},
    {"+", std::nullopt},
    {"1e999", std::nullopt},
    {"2 6", std::nullopt},
};

void ExpectParses() {
    for (const ParseCase& c : kParseCases) {
        EXPECT_EQ(ParseNumber(c.text), c.value) << "text \"" << c.text << '"';
    }
}

TEST(NumberText, ReadsDecimalNumbersOnly) {
    ExpectParses();
}

// The decimal comma of the desktop locale changes nothing.
class NumberTextGerman : public GermanLocale {};
TEST_F(NumberTextGerman, ReadsAndWritesAsInTheCLocale) {
    ExpectParses();
    std::string out;
    AppendNumber(out, 1013.25);
    EXPECT_EQ(out, "1013.25");
    EXPECT_EQ(FormatSignificant(12.5, 10), "12.5");
}

TEST(NumberText, WritesTheShortestTextThatReadsBack) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{26, "26"},
                 {0.1, "0.1"},
                 {-0.0105, "-0.0105"},
                 {1.0 / 3, "0.3333333333333333"},
                 {1e-5, "1e-05"}};
    for (const auto& c : cases) {
        std::string out = "x";
        AppendNumber(out, c.value);
        EXPECT_EQ(out, std::string("x") + c.text);
        EXPECT_EQ(ParseNumber(c.text), c.value);
    }
}

TEST(NumberText, SignificantDigitsAsPrintfWritesThem) {
    for (const double v : {52.9301234567891, 12.64483019, 0.000123456789012, 1e21 / 3, -7.0}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.10g", v);
        EXPECT_EQ(FormatSignificant(v, 10), expected);
    }
}

}  // namespace
