#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zeph::batch {

// What a mode's option walk hands back: an error text, or nothing.
using OptionError = std::optional<std::string>;

// One pass over a mode's arguments, in order. "--" ends the options; "-h"
// and "--help" set help; an argument that is no option (with dashIsOperand,
// "-" too: standard input) goes to operand; an option named in known, as
// "NAME VALUE" or "NAME=VALUE", goes to option with its value. The first
// error ends the walk: the callbacks' own, "unknown option 'X'" or "option
// NAME needs a value".
OptionError WalkOptions(
    std::span<const std::string_view> args, std::initializer_list<std::string_view> known,
    bool dashIsOperand, bool& help, const std::function<OptionError(std::string_view)>& operand,
    const std::function<OptionError(std::string_view name, std::string_view value)>& option);

}  // namespace zeph::batch
