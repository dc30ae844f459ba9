#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "csvreader.h"
#include "numbertext.h"
#include "statetable.h"

namespace {

using namespace zeph::batch;

constexpr double P0 = 1013.25;

// A row as solved from a two-line table, with its texts copied out.
struct Solved {
    bool solved;
    std::string name;
    double pressure;
    std::array<double, kPropertyCount> values;
    std::string error;
};

Solved SolveRow(std::string table, EnthalpyUnit unit = EnthalpyUnit::kKj, double P = P0) {
    std::FILE* in = fmemopen(table.data(), table.size(), "r");
    CsvReader reader(in);
    CsvReader::Record record;
    InputColumns columns;
    EXPECT_TRUE(reader.Next(record));
    EXPECT_EQ(ReadHeader(record.fields, columns), std::nullopt) << table;
    EXPECT_TRUE(reader.Next(record)) << table;
    StateSolver solver(unit, P);
    StateRow row;
    solver.Solve(record, columns, row);
    std::fclose(in);
    return {row.solved, std::string(row.name), row.pressure.value_or(-1), row.values, row.error};
}

TEST(StateTableHeader, NamesColumnsInAnyOrderAndCase) {
    InputColumns c;
    ASSERT_EQ(ReadHeader({" Name", "RH ", "pressure", "db", "w"}, c), std::nullopt);
    EXPECT_EQ(c.name, 0);
    EXPECT_EQ(c.property[kRh], 1);
    EXPECT_EQ(c.pressure, 2);
    EXPECT_EQ(c.property[kDb], 3);
    EXPECT_EQ(c.property[kW], 4);
    EXPECT_EQ(c.property[kWb], InputColumns::kNone);
    EXPECT_EQ(c.count, 5u);
}

TEST(StateTableHeader, RefusesWhatItCannotRead) {
    const struct {
        std::vector<std::string_view> cells;
        const char* error;
    } cases[] = {
        {{"db", "rh", "tdb"},
         "unknown column \"tdb\" (the columns are db, wb, rh, dp, h, w, name, pressure)"},
        {{"db", "rh", ""},
         "unknown column \"\" (the columns are db, wb, rh, dp, h, w, name, pressure)"},
        {{"db", "density"},
         "unknown column \"density\" (the columns are db, wb, rh, dp, h, w, name, pressure)"},
        {{"db", "DB", "rh"}, "column \"DB\" named twice"},
        {{"name", "db", "pressure"},
         "the header names fewer than two properties (db, wb, rh, dp, h, w)"},
    };
    for (const auto& c : cases) {
        InputColumns columns;
        EXPECT_EQ(ReadHeader(c.cells, columns), c.error);
    }
}

// 26 °C and 50 % at 1013.25 hPa as the engine solves it, in the order
// db wb rh dp h w pv density: wet bulb about 18.7 °C, dew point 14.8 °C,
// 52.9 kJ/kg(DA), 0.0105 kg/kg(DA), 16.8 hPa (half the saturation pressure
// at 26 °C), 1.16 kg/m³. The tolerance leaves room for the last digits of
// the iterative searches, nothing more.
constexpr std::array<double, kPropertyCount> kRoom = {26,
                                                      18.710694953373327,
                                                      50,
                                                      14.781220420610387,
                                                      52.90113535440056,
                                                      0.010496397355761338,
                                                      16.815661944845697,
                                                      1.1603554299790253};

void ExpectValues(const std::array<double, kPropertyCount>& got,
                  const std::array<double, kPropertyCount>& want, double rel) {
    for (std::size_t p = 0; p < kPropertyCount; ++p) {
        EXPECT_NEAR(got[p], want[p], std::abs(want[p]) * rel) << PropertyKey(Property(p));
    }
}

TEST(StateSolver, RoomStateAsTheProgramShowsIt) {
    const Solved si = SolveRow("db,rh\n26,50\n");
    ASSERT_TRUE(si.solved) << si.error;
    EXPECT_EQ(si.pressure, P0);
    ExpectValues(si.values, kRoom, 1e-9);

    // kcal/kg(DA) is the engine's own enthalpy; kJ/kg(DA) is it times the
    // program's display factor, everything else the same.
    const Solved kcal = SolveRow("db,rh\n26,50\n", EnthalpyUnit::kKcal);
    ASSERT_TRUE(kcal.solved) << kcal.error;
    EXPECT_EQ(kcal.values[kH] * 4.18605157382981, si.values[kH]);
    for (const Property p : {kDb, kWb, kRh, kDp, kW, kPv, kDensity}) {
        EXPECT_EQ(kcal.values[p], si.values[p]) << PropertyKey(p);
    }
}

// Every pair the dispatch solves gives the room state back from two of its
// own printed properties (enthalpy in kJ/kg(DA) through the point box's ten
// digits in kcal).
TEST(StateSolver, EverySolvablePairGivesTheSameStateBack) {
    const char* header = "db,wb,rh,dp,h,w\n";
    for (std::size_t a = 0; a < kGivenCount; ++a) {
        for (std::size_t b = a + 1; b < kGivenCount; ++b) {
            if (a == kDp && b == kW) continue;
            std::string line;
            for (std::size_t p = 0; p < kGivenCount; ++p) {
                if (p > 0) line += ',';
                if (p == a || p == b) AppendNumber(line, kRoom[p]);
            }
            const Solved s = SolveRow(header + line + "\n");
            const std::string pair =
                std::string(PropertyKey(Property(a))) + "+" + std::string(PropertyKey(Property(b)));
            ASSERT_TRUE(s.solved) << pair << ": " << s.error;
            // The stepping search from wet bulb and enthalpy stops at 0.0001 °C.
            const double tol = (a == kWb && b == kH) ? 1e-3 : 1e-6;
            for (std::size_t p = 0; p < kPropertyCount; ++p) {
                EXPECT_NEAR(s.values[p], kRoom[p], std::abs(kRoom[p]) * tol)
                    << pair << " " << PropertyKey(Property(p));
            }
        }
    }
}

TEST(StateSolver, RowPressureNameAndUnits) {
    const Solved high = SolveRow("name,db,rh,pressure\n\"A, 1\",26,50,900\n");
    ASSERT_TRUE(high.solved) << high.error;
    EXPECT_EQ(high.name, "A, 1");
    EXPECT_EQ(high.pressure, 900);
    // Humidity ratio from the vapour pressure at the row's own pressure.
    EXPECT_NEAR(high.values[kW], 0.6219779385109357 * high.values[kPv] / (900 - high.values[kPv]),
                1e-15);
    EXPECT_GT(high.values[kW], kRoom[kW]);

    const Solved fallback = SolveRow("db,rh,pressure\n26,50, \n", EnthalpyUnit::kKj, 900);
    EXPECT_EQ(fallback.pressure, 900);
    EXPECT_EQ(fallback.values[kW], high.values[kW]);

    // 52.94 is an enthalpy in kJ/kg(DA) by default, out of range in kcal.
    EXPECT_TRUE(SolveRow("db,h\n26,52.94\n").solved);
    EXPECT_EQ(SolveRow("db,h\n26,52.94\n", EnthalpyUnit::kKcal).error, "Not Available Function !");
}

TEST(StateSolver, RowsThatCannotBeSolvedSayWhy) {
    const struct {
        const char* table;
        const char* error;
    } cases[] = {
        {"db,rh\n26,50,1\n", "line 2: 3 fields where the header has 2"},
        {"db,rh\n\n26\n", "line 3: 1 field where the header has 2"},
        {"db,rh\n26,5O\n", "line 2: rh \"5O\" is not a number"},
        {"db,rh\n26,\"50,5\"\n", "line 2: rh \"50,5\" is not a number"},
        {"db,wb,rh\n26,19,50\n", "line 2: 3 properties given (db, wb, rh) where a state needs two"},
        {"db,wb,rh\n26,,\n", "line 2: 1 property given (db) where a state needs two"},
        {"db,rh\n , \n", "line 2: no property given where a state needs two"},
        {"db,rh,pressure\n26,50,0\n", "line 2: pressure \"0\" is not a positive number (hPa)"},
        {"db,rh,pressure\n26,50,abc\n", "line 2: pressure \"abc\" is not a positive number (hPa)"},
        {"db,rh\n26,\"50\n", "line 2: a quoted field is not closed before the end of the input"},
        // The engine's own messages, as the program shows them.
        {"dp,w\n10,0.008\n", "Not Available Function !"},
        {"db,rh\n120,50\n", "Not Available Function !"},
        {"db,rh\n50,90\n", "Out of Range (  cal_DBRH / Vp_dbrh  ) !"},
        {"db,wb\n14,20\n", "Out of Range (  cal_DBWB  ) !"},
    };
    for (const auto& c : cases) {
        const Solved s = SolveRow(c.table);
        EXPECT_FALSE(s.solved) << c.table;
        EXPECT_EQ(s.error, c.error) << c.table;
    }
}

}  // namespace
