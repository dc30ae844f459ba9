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

char* WriteNumber(char* at, double value) {
    // The longest shortest form of a double is 24 characters.
    return std::to_chars(at, at + kNumberRoom, value).ptr;
}

void AppendNumber(std::string& out, double value) {
    char buf[kNumberRoom];
    out.append(buf, WriteNumber(buf, value));
}

bool AppendNumberAsRead(std::string& out, std::string_view decimal) {
    // Doubles keep every decimal of this many significant digits apart.
    constexpr int kDistinctDigits = 15;
    // The decimal exponents written here, those of 1e-5 up to 1e15: values
    // whose plain form is exact and whose exponent form has two digits.
    constexpr int kMinExponent = -5;
    constexpr int kMaxExponent = 14;

    decimal = TrimBlanks(decimal);
    std::size_t i = 0;
    const bool negative = !decimal.empty() && decimal[0] == '-';
    if (!decimal.empty() && (decimal[0] == '-' || decimal[0] == '+')) ++i;
    // The value is digits · 10^scale, digits without leading or trailing zeros.
    char digits[kDistinctDigits];
    int count = 0;
    int zeros = 0;  // zeros read after the last nonzero digit, not yet kept
    int scale = 0;
    bool point = false;
    bool any = false;
    for (; i < decimal.size(); ++i) {
        const char c = decimal[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        any = true;
        if (point) --scale;
        if (c == '0') {
            if (count > 0) ++zeros;
            continue;
        }
        if (count + zeros >= kDistinctDigits) return false;
        while (zeros > 0) {
            digits[count++] = '0';
            --zeros;
        }
        digits[count++] = c;
    }
    if (!any || count == 0) return false;
    scale += zeros;
    if (i < decimal.size()) {
        if (decimal[i] != 'e' && decimal[i] != 'E') return false;
        ++i;
        bool exponentNegative = false;
        if (i < decimal.size() && (decimal[i] == '-' || decimal[i] == '+')) {
            exponentNegative = decimal[i++] == '-';
        }
        int exponent = 0;
        const std::size_t first = i;
        for (; i < decimal.size() && decimal[i] >= '0' && decimal[i] <= '9'; ++i) {
            if (exponent > 1000) return false;
            exponent = exponent * 10 + (decimal[i] - '0');
        }
        if (i == first || i != decimal.size()) return false;
        scale += exponentNegative ? -exponent : exponent;
    }
    const int exponent = count - 1 + scale;  // of the first digit
    if (exponent < kMinExponent || exponent > kMaxExponent) return false;

    // As std::to_chars chooses: the plain form unless the exponent form is
    // shorter.
    const int plainLength = scale >= 0      ? count + scale
                            : exponent >= 0 ? count + 1
                                            : count + 1 - exponent;
    const int exponentLength = count + (count > 1 ? 1 : 0) + 4;  // "e+dd"
    char text[kNumberRoom];  // a sign and at most 15 digits, a point and "e+dd"
    char* p = text;
    if (negative) *p++ = '-';
    const auto copy = [&](const char* from, int n) {
        for (int k = 0; k < n; ++k) *p++ = from[k];
    };
    const auto fill = [&](int n) {
        for (int k = 0; k < n; ++k) *p++ = '0';
    };
    if (plainLength <= exponentLength) {
        if (scale >= 0) {
            copy(digits, count);
            fill(scale);
        } else if (exponent >= 0) {
            copy(digits, exponent + 1);
            *p++ = '.';
            copy(digits + exponent + 1, count - exponent - 1);
        } else {
            *p++ = '0';
            *p++ = '.';
            fill(-exponent - 1);
            copy(digits, count);
        }
    } else {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            copy(digits + 1, count - 1);
        }
        const int size = exponent < 0 ? -exponent : exponent;
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        *p++ = static_cast<char>('0' + size / 10);
        *p++ = static_cast<char>('0' + size % 10);
    }
    out.append(text, p);
    return true;
}

std::string FormatSignificant(double value, int digits) {
    char buf[64];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return std::string(buf, result.ptr);
}

}  // namespace zeph::batch
