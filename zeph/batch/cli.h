#pragma once

#include <iostream>
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

// The text in double quotes, for messages that show what was read.
inline std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    (quoted += '"') += text;
    return quoted += '"';
}

}  // namespace zeph::batch
