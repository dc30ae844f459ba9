#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Numbers read and written with the C locale's rules whatever locale the
// process runs in: '.' as the decimal point, no thousands separators.
namespace zeph::batch {

// The text without the spaces and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// The value of a decimal number such as "26", "-3.5", "+.5" or "1e-3", with
// blanks around it allowed. Anything else (an empty text, a decimal comma,
// a thousands separator, a unit after the number, a hexadecimal number, an
// infinity or NaN) has no value.
std::optional<double> ParseNumber(std::string_view text);

// Room enough for the shortest text of any double.
inline constexpr std::size_t kNumberRoom = 32;

// Appends the shortest text that reads back as exactly `value`.
void AppendNumber(std::string& out, double value);
// Writes it at `at`, which has kNumberRoom bytes; where it ends.
char* WriteNumber(char* at, double value);

// Appends what AppendNumber(out, value) appends, taken from `decimal`, a text
// that ParseNumber reads as `value`, without the cost of a search for the
// shortest digits: when `decimal` has at most 15 significant digits no other
// decimal as short reads as the same double, so they are its shortest digits.
// False, with `out` untouched, when that does not hold or the value is zero
// or not between 1e-5 and 1e15 in size; AppendNumber serves then.
bool AppendNumberAsRead(std::string& out, std::string_view decimal);

// The text of `value` rounded to `digits` significant digits, as the C
// format "%.<digits>g" writes it in the C locale.
std::string FormatSignificant(double value, int digits);

}  // namespace zeph::batch
