#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvo/calc.h"
#include "corvo/message.h"
#include "csvreader.h"

// The table of states: which column of the input holds what, and the
// solving of one row as the program's point box solves it.
namespace zeph::batch {

// Unit of enthalpy in the input and the output; humidity ratios are always
// kg/kg(DA), temperatures °C, pressures hPa.
enum class EnthalpyUnit { kKj, kKcal };

// The properties of a state in the order they are written. The first six
// can be given; vapour pressure and density are only results.
enum Property : std::size_t { kDb, kWb, kRh, kDp, kH, kW, kPv, kDensity, kPropertyCount };
inline constexpr std::size_t kGivenCount = kPv;

// The columns besides the properties: a row's label and its own pressure.
inline constexpr std::string_view kNameColumn = "name";
inline constexpr std::string_view kPressureColumn = "pressure";

// The name of a property as a column or key ("db") and its unit ("°C").
std::string_view PropertyKey(Property p);
std::string_view PropertyUnit(Property p, EnthalpyUnit unit);

// The columns of the input, by their place in a record.
struct InputColumns {
    static constexpr int kNone = -1;
    std::array<int, kGivenCount> property{kNone, kNone, kNone, kNone, kNone, kNone};
    int name = kNone;
    int pressure = kNone;
    std::size_t count = 0;  // fields in the header
};

// Reads the header line: the names db, wb, rh, dp, h, w, name and pressure,
// in any order and case, blanks around them allowed, each at most once, at
// least two properties among them. The reason when it is not so.
std::optional<std::string> ReadHeader(const std::vector<std::string_view>& cells,
                                      InputColumns& columns);

// One solved (or failed) row, as it is written.
struct StateRow {
    std::string_view name;                        // the name cell, as read
    std::optional<double> pressure;               // the pressure used, hPa, once known
    bool solved = false;                          // values hold the state
    std::array<double, kPropertyCount> values{};  // in the order of Property
    // The text of a value when it is known without formatting it: a given
    // value that comes back from the engine as it was read. Empty otherwise.
    std::array<std::string, kPropertyCount> texts;
    std::string error;  // why the row was not solved
};

// Solves the rows of a table through the engine's dispatch from entered
// fields, with the values the program shows: enthalpy given in kJ/kg(DA)
// reaches the engine in kcal/kg(DA) rounded to ten significant digits, as
// from the point box, and the engine's kcal/kg(DA) are shown times the
// program's display factor. While it lives, the engine's messages are
// collected as the reason of the failing row instead of being printed.
class StateSolver {
  public:
    // `pressure` (hPa) serves rows without a pressure of their own.
    StateSolver(EnthalpyUnit unit, double pressure);
    ~StateSolver();
    StateSolver(const StateSolver&) = delete;
    StateSolver& operator=(const StateSolver&) = delete;

    void Solve(const CsvReader::Record& record, const InputColumns& columns, StateRow& row);

  private:
    void Fail(const CsvReader::Record& record, std::string_view reason, StateRow& row) const;

    EnthalpyUnit unit_;
    double pressure_;
    double enthalpyFactor_;  // engine kcal/kg(DA) to the unit shown
    CDataManager fields_;
    std::array<std::string, kGivenCount> texts_;
    std::string messages_;  // the engine's messages for the current row
    corvo::MessageSink previousSink_;
};

}  // namespace zeph::batch
