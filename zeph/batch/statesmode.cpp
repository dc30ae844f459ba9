#include "statesmode.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

#include "cli.h"
#include "csvreader.h"
#include "numbertext.h"
#include "optionwalk.h"
#include "outputfile.h"

namespace zeph::batch {
namespace {

// The standard-atmosphere relation between altitude and pressure.
constexpr double kLapseFactor = 2.25577e-5;  // 1/m
constexpr double kPressureExponent = 5.2559;

constexpr std::string_view kHelp =
    R"(Usage: zeph-batch states [IN.csv|-] [-o OUT] [--pressure HPA | --altitude M]
                         [--units si|kcal] [--format csv|json]

Solves the state of moist air for every row of a CSV table, as the program
solves a point from two entered properties, and writes every property of
each state in the order of the rows.

Input: IN.csv, or standard input when it is "-" or not given. The first line
names the columns, in any order and any case:
  db        dry bulb, °C
  wb        wet bulb, °C
  rh        relative humidity, %
  dp        dew point, °C
  h         enthalpy, kJ/kg(DA) or kcal/kg(DA) (see --units)
  w         humidity ratio, kg/kg(DA)
  name      a label for the row, copied to the output
  pressure  the row's atmospheric pressure, hPa; an empty cell takes the
            pressure of the command line
A column with any other name, or a name given twice, is an error, as is a
header with fewer than two of the properties. Each row fills exactly two of
the property cells and leaves the others empty; every pair is solved but
dp with w, which fix the same vapour pressure. Text is UTF-8 with or without
a byte-order mark, lines end in CRLF or LF, fields may be quoted ("a ""b""",
commas and line ends inside quotes belong to the field), numbers have '.' as
the decimal point and no thousands separators. Empty lines are skipped.

Output: standard output, or OUT. The columns are name and pressure when the
input has them, then db, wb, rh, dp, h, w, pv (vapour pressure) and density,
then error. The CSV header carries the units ("db [°C]", ..., "pv [hPa]",
"density [kg/m³]"); the values are those the program shows, at full
precision: the shortest text that reads back as the same number. A row that
cannot be solved has no values and the reason in error (the engine's message,
or the line and what is wrong with it); the other rows go on. With -o the
file appears complete or not at all.

Options:
  -o, --output OUT   write to OUT instead of standard output
  --pressure HPA     atmospheric pressure, hPa (default 1013.25)
  --altitude M       site altitude above sea level, m: the pressure of the
                     standard atmosphere there,
                     p = 1013.25 · (1 − 2.25577e-5 · M)^5.2559 hPa
                     (not together with --pressure)
  --units si|kcal    enthalpy in kJ/kg(DA) (si, the default, as the program
                     starts) or in kcal/kg(DA), in the input and the output
  --format csv|json  CSV (the default) or a JSON array of one object per row,
                     the column names without units as keys, null where a
                     value is missing
  -h, --help         show this help

Exit status: 0 when every row was solved, 1 when some rows were not (their
count on standard error), 2 for a usage, input or output error.
)";

}  // namespace

std::string_view StatesHelp() {
    return kHelp;
}

double StandardAtmospherePressure(double altitude) {
    return kStandardPressure * std::pow(1 - kLapseFactor * altitude, kPressureExponent);
}

std::optional<std::string> ParseStatesOptions(std::span<const std::string_view> args,
                                              StatesOptions& options) {
    bool inputGiven = false;
    bool pressureGiven = false;
    bool altitudeGiven = false;
    const auto operand = [&](std::string_view arg) -> OptionError {
        if (inputGiven) return "more than one input file: " + Quoted(arg);
        options.input = std::string(arg);
        inputGiven = true;
        return std::nullopt;
    };
    const auto option = [&](std::string_view name, std::string_view value) -> OptionError {
        if (name == "-o" || name == "--output") {
            if (value.empty()) return "option " + std::string(name) + " needs a file name";
            options.output = std::string(value);
        } else if (name == "--pressure" || name == "--altitude") {
            const std::optional<double> number = ParseNumber(value);
            const double pressure = !number                ? NAN
                                    : name == "--pressure" ? *number
                                                           : StandardAtmospherePressure(*number);
            if (!(pressure > 0) || !std::isfinite(pressure)) {
                return name == "--pressure"
                           ? "--pressure " + Quoted(value) + " is not a positive number (hPa)"
                           : "--altitude " + Quoted(value) +
                                 " is not an altitude in metres below 44330";
            }
            options.pressure = pressure;
            (name == "--pressure" ? pressureGiven : altitudeGiven) = true;
        } else if (name == "--units") {
            if (value == "si") {
                options.unit = EnthalpyUnit::kKj;
            } else if (value == "kcal") {
                options.unit = EnthalpyUnit::kKcal;
            } else {
                return "--units takes si or kcal, not " + Quoted(value);
            }
        } else {
            if (value == "csv") {
                options.format = TableFormat::kCsv;
            } else if (value == "json") {
                options.format = TableFormat::kJson;
            } else {
                return "--format takes csv or json, not " + Quoted(value);
            }
        }
        return std::nullopt;
    };
    if (OptionError error =
            WalkOptions(args, {"-o", "--output", "--pressure", "--altitude", "--units", "--format"},
                        true, options.help, operand, option)) {
        return error;
    }
    if (pressureGiven && altitudeGiven) return "--pressure and --altitude exclude each other";
    return std::nullopt;
}

int RunStates(std::span<const std::string_view> args) {
    StatesOptions options;
    if (const std::optional<std::string> error = ParseStatesOptions(args, options)) {
        PrintModeUsageError("states", *error);
        return kExitError;
    }
    if (options.help) {
        std::cout << kHelp;
        return std::cout.flush() ? kExitAllSolved : kExitError;
    }

    const bool fromStdin = options.input == "-";
    const std::string inputName = fromStdin ? std::string("standard input") : options.input;
    std::unique_ptr<std::FILE, InputCloser> in(fromStdin ? stdin
                                                         : std::fopen(options.input.c_str(), "rb"));
    if (!in) {
        PrintError("cannot open " + inputName + ": " + std::strerror(errno));
        return kExitError;
    }
    OutputFile out;
    std::string error;
    if (!out.Open(options.output, error)) {
        PrintError(error);
        return kExitError;
    }

    CsvReader reader(in.get());
    CsvReader::Record record;
    const auto readFailed = [&] {
        if (reader.ReadError() == 0) return false;
        PrintError("cannot read " + inputName + ": " + std::strerror(reader.ReadError()));
        return true;
    };
    if (!reader.Next(record)) {
        if (!readFailed()) PrintError(inputName + ": no header line");
        return kExitError;
    }
    InputColumns columns;
    if (const std::optional<std::string> headerError = ReadHeader(record.fields, columns)) {
        PrintError(inputName + " line " + std::to_string(record.line) + ": " + *headerError);
        return kExitError;
    }

    StateSolver solver(options.unit, options.pressure);
    StateWriter writer(options.format, options.unit, columns);
    StateRow row;
    long rows = 0;
    long failed = 0;
    writer.Begin(out.Buffer());
    while (reader.Next(record)) {
        solver.Solve(record, columns, row);
        writer.Row(row, out.Buffer());
        out.Drain();
        ++rows;
        if (!row.solved) ++failed;
    }
    if (readFailed()) return kExitError;
    writer.End(out.Buffer());
    if (!out.Commit(error)) {
        PrintError(error);
        return kExitError;
    }
    if (failed > 0) {
        PrintError(std::to_string(failed) + " of " + std::to_string(rows) + " rows not solved");
        return kExitSomeFailed;
    }
    return kExitAllSolved;
}

}  // namespace zeph::batch
