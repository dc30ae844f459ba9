#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "statetable.h"
#include "statewriter.h"

// The mode "states": a CSV table of property pairs in, every property of
// each state out.
namespace zeph::batch {

// Sea-level pressure of the standard atmosphere, hPa; also the program's
// starting pressure.
inline constexpr double kStandardPressure = 1013.25;

struct StatesOptions {
    std::string input = "-";                // "-" is standard input
    std::string output = "-";               // "-" is standard output
    double pressure = kStandardPressure;    // hPa, for rows without their own
    EnthalpyUnit unit = EnthalpyUnit::kKj;  // the program starts in SI
    TableFormat format = TableFormat::kCsv;
    bool help = false;
};

// Reads the arguments that follow the mode's name. The usage error when
// they are not valid.
std::optional<std::string> ParseStatesOptions(std::span<const std::string_view> args,
                                              StatesOptions& options);

// Pressure of the standard atmosphere at an altitude (m above sea level),
// hPa: 1013.25 · (1 − 2.25577e-5 · altitude)^5.2559.
double StandardAtmospherePressure(double altitude);

// The text of "zeph-batch states --help".
std::string_view StatesHelp();

// Runs the mode; the exit status: 0 every row solved, 1 some rows not,
// 2 a usage, input or output error.
int RunStates(std::span<const std::string_view> args);

}  // namespace zeph::batch
