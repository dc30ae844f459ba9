#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "run/language.h"

// The mode "report": the report the program writes when a run is finished,
// for a saved run file.
namespace zeph::batch {

struct ReportOptions {
    std::string input;                 // the run file
    std::string output = "-";          // "-" is standard output
    std::string png;                   // the chart as a PNG picture; empty: none
    std::string pdf;                   // the chart as a PDF page; empty: none
    std::optional<Language> language;  // --lang; nothing: the program's
    bool help = false;
};

// Reads the arguments that follow the mode's name. The usage error when
// they are not valid.
std::optional<std::string> ParseReportOptions(std::span<const std::string_view> args,
                                              ReportOptions& options);

// Runs the mode; the exit status: 0 the report was written, 2 a usage,
// input or output error.
int RunReport(std::span<const std::string_view> args);

}  // namespace zeph::batch
