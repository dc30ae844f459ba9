#include "reportmode.h"

#include <QString>

#include <iostream>

#include "cli.h"
#include "outputfile.h"
#include "run/runfile.h"
#include "run/writefile.h"
#include "run/zephrun.h"

namespace zeph::batch {
namespace {

constexpr std::string_view kMode = "report";

constexpr std::string_view kHelp =
    R"(Usage: zeph-batch report RUN.zeph [-o REPORT.txt]

Writes the report the program offers when a run is finished, for the run
saved in RUN.zeph: the run is finished as OK finishes it (the system being
drawn, under its typed name, and a capacity result not yet archived join
the finished ones), and the report is the same text, byte for byte, that
the program writes then: one table of points per system and one block per
capacity result, dated today. UTF-8 with '\n' line ends.

Output: standard output, or REPORT.txt, which appears complete or not at
all.

Options:
  -o, --output OUT  write the report to OUT instead of standard output
  -h, --help        show this help

Exit status: 0 when the report was written; 2 for a usage, input or output
error (a run file that is refused is named with the reason; nothing is
written).
)";

}  // namespace

std::optional<std::string> ParseReportOptions(std::span<const std::string_view> args,
                                              ReportOptions& options) {
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-') {
            if (!options.input.empty()) return "more than one run file: " + Quoted(arg);
            if (arg.empty()) return "the run file name is empty";
            options.input = std::string(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnd = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        std::optional<std::string_view> value;
        std::string_view name;
        for (const std::string_view known : {"-o", "--output"}) {
            if (ReadOption(arg, known, value)) name = known;
        }
        if (name.empty()) return "unknown option " + Quoted(arg);
        if (!value) {
            if (i + 1 == args.size()) return "option " + std::string(name) + " needs a value";
            value = args[++i];
        }
        if (value->empty()) return "option " + std::string(name) + " needs a file name";
        options.output = std::string(*value);
    }
    if (options.input.empty() && !options.help) return "no run file given";
    return std::nullopt;
}

int RunReport(std::span<const std::string_view> args) {
    ReportOptions options;
    if (const std::optional<std::string> error = ParseReportOptions(args, options)) {
        PrintModeUsageError(kMode, *error);
        return kExitError;
    }
    if (options.help) {
        std::cout << kHelp;
        return std::cout.flush() ? kExitAllSolved : kExitError;
    }

    const RunFileResult read = LoadRunFile(QString::fromStdString(options.input));
    if (!read.state) {
        PrintError(options.input + ": " + read.reason.toStdString());
        return kExitError;
    }
    // The finish of the window: the system being drawn joins the archive.
    CZephRun run;
    run.RestoreState(*read.state);
    run.FinishRun(read.state->systemName);

    OutputFile out;
    std::string error;
    if (!out.Open(options.output, error)) {
        PrintError(error);
        return kExitError;
    }
    out.Buffer() = CWriteFile(ReportOf(run.State())).Text();
    if (!out.Commit(error)) {
        PrintError(error);
        return kExitError;
    }
    return kExitAllSolved;
}

}  // namespace zeph::batch
