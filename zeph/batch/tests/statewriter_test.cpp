#include <gtest/gtest.h>

#include <string>

#include "statewriter.h"

namespace {

using namespace zeph::batch;

InputColumns Columns(std::vector<std::string_view> header) {
    InputColumns columns;
    EXPECT_EQ(ReadHeader(header, columns), std::nullopt);
    return columns;
}

StateRow Solved(std::string_view name = {}) {
    StateRow row;
    row.name = name;
    row.pressure = 1013.25;
    row.solved = true;
    row.values = {26, 18.5, 50, 14.75, 52.5, 0.0105, 16.8, 1.16};
    return row;
}

StateRow Failed(std::string_view name, std::string error) {
    StateRow row;
    row.name = name;
    row.error = std::move(error);
    return row;
}

std::string Write(TableFormat format, EnthalpyUnit unit, const InputColumns& columns,
                  const std::vector<StateRow>& rows) {
    std::string out;
    StateWriter writer(format, unit, columns);
    writer.Begin(out);
    for (const StateRow& row : rows) writer.Row(row, out);
    writer.End(out);
    return out;
}

TEST(StateWriter, CsvCarriesUnitsAndQuotesWhatNeedsIt) {
    EXPECT_EQ(Write(TableFormat::kCsv, EnthalpyUnit::kKj, Columns({"db", "rh"}), {Solved()}),
              "db [°C],wb [°C],rh [%],dp [°C],h [kJ/kg(DA)],w [kg/kg(DA)],pv [hPa],"
              "density [kg/m³],error\n"
              "26,18.5,50,14.75,52.5,0.0105,16.8,1.16,\n");
    EXPECT_EQ(Write(TableFormat::kCsv, EnthalpyUnit::kKcal, Columns({"pressure", "h", "w", "name"}),
                    {Solved("a \"b\", c"), Failed("x\ny", "line 3: rh \"5,0\" is not a number")}),
              "name,pressure [hPa],db [°C],wb [°C],rh [%],dp [°C],h [kcal/kg(DA)],w [kg/kg(DA)],"
              "pv [hPa],density [kg/m³],error\n"
              "\"a \"\"b\"\", c\",1013.25,26,18.5,50,14.75,52.5,0.0105,16.8,1.16,\n"
              "\"x\ny\",,,,,,,,,,\"line 3: rh \"\"5,0\"\" is not a number\"\n");
}

TEST(StateWriter, JsonIsAnArrayOfObjectsWithNullForMissingValues) {
    EXPECT_EQ(Write(TableFormat::kJson, EnthalpyUnit::kKj, Columns({"db", "rh"}), {}), "[\n]\n");
    EXPECT_EQ(
        Write(TableFormat::kJson, EnthalpyUnit::kKj, Columns({"name", "db", "rh", "pressure"}),
              {Solved("26 °C"), Failed("\"q\"\\\t\x01", "Out of Range (  cal_DBRH  ) !")}),
        "[\n"
        "{\"name\":\"26 °C\",\"pressure\":1013.25,\"db\":26,\"wb\":18.5,\"rh\":50,\"dp\":14.75,"
        "\"h\":52.5,\"w\":0.0105,\"pv\":16.8,\"density\":1.16,\"error\":null},\n"
        "{\"name\":\"\\\"q\\\"\\\\\\u0009\\u0001\",\"pressure\":null,\"db\":null,\"wb\":null,"
        "\"rh\":null,\"dp\":null,\"h\":null,\"w\":null,\"pv\":null,\"density\":null,"
        "\"error\":\"Out of Range (  cal_DBRH  ) !\"}\n"
        "]\n");
}

TEST(StateWriter, JsonStringsStayValidUtf8) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"\xE2\x84\x83", "\"\xE2\x84\x83\""},                               // ℃ kept
        {"\xF0\x9F\x8C\xA1", "\"\xF0\x9F\x8C\xA1\""},                       // four bytes kept
        {"\x93\xFA\x96\x7B", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD{\""},  // Shift_JIS
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                       // overlong
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},       // surrogate
        {"a\xE2\x84", "\"a\xEF\xBF\xBD\xEF\xBF\xBD\""},                     // cut short
    };
    for (const auto& c : cases) {
        std::string out;
        AppendJsonString(out, c.in);
        EXPECT_EQ(out, c.out) << c.in;
    }
}

}  // namespace
