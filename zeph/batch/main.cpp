// zeph-batch: the engine of Zeph from the command line, without a display.

#include <iostream>
#include <span>
#include <string_view>
#include <vector>

#include "cli.h"
#include "reportmode.h"
#include "sizemode.h"
#include "statesmode.h"

#ifndef ZEPH_VERSION
#error "ZEPH_VERSION must be defined by the build"
#endif

namespace {

using zeph::batch::kExitAllSolved;
using zeph::batch::kExitError;
using zeph::batch::kProgramName;

// One mode: its name on the command line, a line for the general help, and
// what runs it with the arguments after the name.
struct Mode {
    std::string_view name;
    std::string_view summary;
    int (*run)(std::span<const std::string_view> args);
};

constexpr Mode kModes[] = {
    {"states", "solve states of moist air from a CSV table of property pairs",
     &zeph::batch::RunStates},
    {"size", "size the air-conditioning unit of a room from a JSON file of conditions",
     &zeph::batch::RunSize},
    {"report", "write the report of a saved run, as the program writes it at finish",
     &zeph::batch::RunReport},
};

void PrintHelp() {
    std::cout << "Usage: " << kProgramName << " MODE [ARGUMENTS...]\n"
              << "       " << kProgramName << " --help | --version\n\n"
              << "Zeph's psychrometric engine from the command line, without a display.\n\n"
              << "Modes:\n";
    for (const Mode& mode : kModes) {
        std::cout << "  " << mode.name << std::string(10 - mode.name.size(), ' ') << mode.summary
                  << '\n';
    }
    std::cout << "\n'" << kProgramName << " MODE --help' describes a mode.\n";
}

void PrintUsageError(std::string_view text) {
    zeph::batch::PrintError(text);
    std::cerr << "Try '" << kProgramName << " --help'.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        PrintUsageError("no mode given");
        return kExitError;
    }
    const std::string_view first = args.front();
    if (first == "-h" || first == "--help") {
        PrintHelp();
        return std::cout.flush() ? kExitAllSolved : kExitError;
    }
    if (first == "--version") {
        std::cout << kProgramName << ' ' << ZEPH_VERSION << '\n';
        return std::cout.flush() ? kExitAllSolved : kExitError;
    }
    for (const Mode& mode : kModes) {
        if (first == mode.name) return mode.run(std::span(args).subspan(1));
    }
    PrintUsageError("unknown mode \"" + std::string(first) + "\"");
    return kExitError;
}
