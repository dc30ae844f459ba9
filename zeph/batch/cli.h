#pragma once

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

// What every mode of zeph-batch shares: its name in messages and the
// meaning of its exit status.
namespace zeph::batch {

inline constexpr std::string_view kProgramName = "zeph-batch";

enum ExitStatus : int {
    kExitAllSolved = 0,   // the work is done, nothing failed
    kExitSomeFailed = 1,  // done, but some items could not be solved
    kExitError = 2,       // a usage, input or output error: nothing useful done
};

// "zeph-batch: <text>" on standard error.
inline void PrintError(std::string_view text) {
    std::cerr << kProgramName << ": " << text << '\n';
}

// True when `arg` is the option `name`, or `name=VALUE` (VALUE then goes
// into inlineValue).
inline bool ReadOption(std::string_view arg, std::string_view name,
                       std::optional<std::string_view>& inlineValue) {
    if (arg == name) return true;
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
        inlineValue = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

// "zeph-batch: MODE: <text>" and where to find the mode's usage, on
// standard error.
inline void PrintModeUsageError(std::string_view mode, std::string_view text) {
    std::cerr << kProgramName << ": " << mode << ": " << text << '\n'
              << "Try '" << kProgramName << ' ' << mode << " --help'.\n";
}

// Closes an input file unless it is standard input.
struct InputCloser {
    void operator()(std::FILE* f) const {
        if (f != stdin) std::fclose(f);
    }
};

// The text in double quotes, for messages that show what was read.
inline std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    (quoted += '"') += text;
    return quoted += '"';
}

}  // namespace zeph::batch
