#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "german_locale.h"
#include "numbertext.h"

namespace {

using zeph::batch::AppendNumber;
using zeph::batch::AppendNumberAsRead;
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

// A number as typed is written as the shortest text of its value, without
// the search for it; digits beyond 15 or a size outside 1e-5..1e15 are left
// to that search.
TEST(NumberText, WritesANumberAsReadLikeItsValue) {
    const struct {
        const char* text;
        const char* written;  // nullptr: left to AppendNumber
    } cases[] = {
        {"26.8", "26.8"},
        {" +026.80 ", "26.8"},
        {"-.5", "-0.5"},
        {"7.", "7"},
        {"100", "100"},
        {"100000", "1e+05"},
        {"1.5E3", "1500"},
        {"0.000123", "0.000123"},
        {"0.0001", "1e-04"},
        {"0.001", "0.001"},
        {"-3.5e-2", "-0.035"},
        {"999999999999999", "999999999999999"},
        {"0.0000000000000000000123", nullptr},
        {"0.000009", nullptr},
        {"1e15", nullptr},
        {"0.1000000000000001", nullptr},
        {"-0.0", nullptr},
        {"0", nullptr},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        EXPECT_EQ(AppendNumberAsRead(out, c.text), c.written != nullptr) << c.text;
        EXPECT_EQ(out, std::string("x") + (c.written ? c.written : "")) << c.text;
    }
    // Every place of the point and every size of a number, against the search.
    int compared = 0;
    for (const std::string digits : {"1", "25", "1005", "123456789012345"}) {
        const std::string padded = "00" + digits + "000";
        for (std::size_t point = 0; point <= padded.size(); ++point) {
            for (int exponent = -21; exponent <= 21; ++exponent) {
                // Appended piece by piece: GCC 12's Release build reads
                // "literal" + std::string as an overlapping copy (-Wrestrict).
                std::string text = point % 2 ? "-" : "";
                text.append(padded, 0, point).append(".").append(padded, point);
                text.append("e").append(std::to_string(exponent));
                std::string read;
                if (!AppendNumberAsRead(read, text)) continue;
                std::string searched;
                AppendNumber(searched, *ParseNumber(text));
                EXPECT_EQ(read, searched) << text;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 500);
}

TEST(NumberText, SignificantDigitsAsPrintfWritesThem) {
    for (const double v : {52.9301234567891, 12.64483019, 0.000123456789012, 1e21 / 3, -7.0}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.10g", v);
        EXPECT_EQ(FormatSignificant(v, 10), expected);
    }
}

}  // namespace
