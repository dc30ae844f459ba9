#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "run/language.h"

// The mode "size": the capacity calculation of the program for the
// conditions of a JSON file, the sizing of the air-conditioning unit out.
namespace zeph::batch {

struct SizeOptions {
    std::string input = "-";           // "-" is standard input
    std::string output = "-";          // "-" is standard output
    std::optional<Language> language;  // --lang; nothing: the program's
    bool help = false;
};

// Reads the arguments that follow the mode's name. The usage error when
// they are not valid.
std::optional<std::string> ParseSizeOptions(std::span<const std::string_view> args,
                                            SizeOptions& options);

// The text of "zeph-batch size --help".
std::string_view SizeHelp();

// Runs the mode; the exit status: 0 the unit was sized, 1 the calculation
// stopped (its messages say why), 2 a usage, input or output error.
int RunSize(std::span<const std::string_view> args);

}  // namespace zeph::batch
