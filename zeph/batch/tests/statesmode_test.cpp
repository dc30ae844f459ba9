#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "statesmode.h"

namespace {

using namespace zeph::batch;

std::optional<std::string> Parse(std::vector<std::string_view> args, StatesOptions& options) {
    options = StatesOptions{};
    return ParseStatesOptions(args, options);
}

TEST(StatesOptions, DefaultsAreTheProgramsStart) {
    StatesOptions o;
    ASSERT_EQ(Parse({}, o), std::nullopt);
    EXPECT_EQ(o.input, "-");
    EXPECT_EQ(o.output, "-");
    EXPECT_EQ(o.pressure, 1013.25);
    EXPECT_EQ(o.unit, EnthalpyUnit::kKj);
    EXPECT_EQ(o.format, TableFormat::kCsv);
    EXPECT_FALSE(o.help);
}

TEST(StatesOptions, ReadsEachOptionInBothForms) {
    StatesOptions o;
    ASSERT_EQ(
        Parse({"in.csv", "-o", "out.json", "--units", "kcal", "--format=json", "--pressure=950.5"},
              o),
        std::nullopt);
    EXPECT_EQ(o.input, "in.csv");
    EXPECT_EQ(o.output, "out.json");
    EXPECT_EQ(o.unit, EnthalpyUnit::kKcal);
    EXPECT_EQ(o.format, TableFormat::kJson);
    EXPECT_EQ(o.pressure, 950.5);

    ASSERT_EQ(Parse({"--output=x", "--altitude", "-400", "--", "-odd name"}, o), std::nullopt);
    EXPECT_EQ(o.output, "x");
    EXPECT_EQ(o.input, "-odd name");
    EXPECT_GT(o.pressure, 1013.25);  // below sea level

    ASSERT_EQ(Parse({"-", "--help"}, o), std::nullopt);
    EXPECT_TRUE(o.help);
}

TEST(StatesOptions, RefusesWhatIsNotAnOption) {
    const struct {
        std::vector<std::string_view> args;
        const char* error;
    } cases[] = {
        {{"a.csv", "b.csv"}, "more than one input file: \"b.csv\""},
        {{"--unit", "si"}, "unknown option \"--unit\""},
        {{"-o"}, "option -o needs a value"},
        {{"--output="}, "option --output needs a file name"},
        {{"--units", "SI"}, "--units takes si or kcal, not \"SI\""},
        {{"--format", "xml"}, "--format takes csv or json, not \"xml\""},
        {{"--pressure", "0"}, "--pressure \"0\" is not a positive number (hPa)"},
        {{"--pressure", "1013,25"}, "--pressure \"1013,25\" is not a positive number (hPa)"},
        {{"--altitude", "50000"}, "--altitude \"50000\" is not an altitude in metres below 44330"},
        {{"--pressure", "900", "--altitude", "100"},
         "--pressure and --altitude exclude each other"},
    };
    for (const auto& c : cases) {
        StatesOptions o;
        EXPECT_EQ(Parse(c.args, o), c.error) << c.args.front();
    }
}

TEST(StatesOptions, AltitudeGivesTheStandardAtmosphere) {
    EXPECT_EQ(StandardAtmospherePressure(0), 1013.25);
    // Tables of the standard atmosphere: 898.76 hPa at 1,000 m, 794.95 hPa
    // at 2,000 m; the relation meets them to two hundredths.
    EXPECT_NEAR(StandardAtmospherePressure(1000), 898.76, 0.02);
    EXPECT_NEAR(StandardAtmospherePressure(2000), 794.95, 0.02);
}

}  // namespace
