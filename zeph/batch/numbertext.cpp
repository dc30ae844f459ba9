#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zeph::batch {

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    // std::from_chars takes no '+'; one is allowed before an unsigned number.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

void AppendNumber(std::string& out, double value) {
    char buf[32];  // the longest shortest form of a double is 24 characters
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, result.ptr);
}

std::string FormatSignificant(double value, int digits) {
    char buf[64];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return std::string(buf, result.ptr);
}

}  // namespace zeph::batch
