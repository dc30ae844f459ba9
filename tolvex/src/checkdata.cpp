#include "tolvex/checkdata.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace {

// The nine orientation names, in index order.
constexpr std::array<std::string_view, 9> kOrients = {"N",  "NE", "E",  "SE", "S",
                                                      "SW", "W",  "NW", "H"};

// Significant decimal digits kept of a fraction before its decimals are cut.
// Twelve lie above the noise of a double's last bits (about 16 digits) and
// below the digits any shown value needs, so 1234.56, held as
// 1234.5599999999999454, still shows ".56".
constexpr int kFractionDigits = 12;

// The C-library definitions, independent of the C library's locale tables.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string WithoutCommas(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ',') out.push_back(c);
    }
    return out;
}

// The "C" locale object, created once. glibc hands out a shared static
// object for "C", so nothing is allocated that would need freeing.
locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

}  // namespace

namespace tolvex {

double CAtof(const char* text) {
    if (text == nullptr) return 0.0;
    // strtod_l skips leading white space, takes a sign, digits, a point and
    // an exponent and stops at the first character that cannot continue the
    // number, as atof does, but with the decimal point of the "C" locale
    // rather than that of LC_NUMERIC. Nothing readable gives 0.
    return strtod_l(text, nullptr, CLocale());
}

}  // namespace tolvex

CCheckData::CCheckData() = default;
CCheckData::CCheckData(const CCheckData&) = default;
CCheckData& CCheckData::operator=(const CCheckData&) = default;
CCheckData::~CCheckData() = default;

int CCheckData::Inspect_nData(std::string text) const {
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start])) ++start;
    const std::string_view s = std::string_view(text).substr(start);
    if (s.empty()) return 0;

    // Commas: each needs at least three characters after it, and each one
    // after the first stands a multiple of four positions after the first
    // (a group of three digits plus the comma itself).
    const std::size_t first = s.find(',');
    for (std::size_t pos = first; pos != std::string_view::npos; pos = s.find(',', pos + 1)) {
        if (pos + 3 >= s.size()) return 0;
        if ((pos - first) % 4 != 0) return 0;
    }

    const std::string bare = WithoutCommas(s);
    if (bare.empty()) return 0;
    const char lead = bare[0];
    if (!IsDigit(lead) && lead != '+' && lead != '-' && lead != '.') return 0;
    // A sign or point must be followed by a digit: "-", ".", "-.5" fail.
    if (!IsDigit(lead) && (bare.size() < 2 || !IsDigit(bare[1]))) return 0;

    int points = lead == '.' ? 1 : 0;
    for (std::size_t i = 1; i < bare.size(); ++i) {
        const char c = bare[i];
        if (c == '.') {
            if (++points > 1) return 0;
        } else if (!IsDigit(c)) {
            return 0;  // signs, exponents, blanks, any non-ASCII byte
        }
    }
    return 1;
}

double CCheckData::atof_e(std::string text) const {
    return tolvex::CAtof(WithoutCommas(text));
}

std::string CCheckData::nci(int digits, double value) const {
    if (digits < 0) digits = 0;
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

    double integerPart = 0;
    const double fractionPart = std::modf(value, &integerPart);
    bool carry = false;
    const std::string decimals = separate_lower(fractionPart, digits, carry);
    // A fraction that rounds to 1 at twelve digits is a whole number held a
    // few bits short (0.3 / 0.1 gives 2.9999999999999996): it counts as 1
    // more in the integer part, and its decimals are then zeros.
    const double shownInteger = std::fabs(integerPart) + (carry ? 1.0 : 0.0);

    std::string out = add_cam(value, separate_upper(shownInteger));
    if (digits != 0) {
        out += '.';
        out += decimals;
    }
    return out;
}

int CCheckData::Inspection_Orient(std::string text) {
    for (std::string_view name : kOrients) {
        if (text == name) return 1;
    }
    return 0;
}

int CCheckData::OrientSorting(const char* text) const {
    if (text == nullptr) return -1;
    const std::string_view s(text);
    for (std::size_t i = 0; i < kOrients.size(); ++i) {
        const std::string_view name = kOrients[i];
        if (s.size() != name.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < s.size() && same; ++k) {
            same = AsciiLower(s[k]) == AsciiLower(name[k]);
        }
        if (same) return static_cast<int>(i);
    }
    return -1;
}

std::string CCheckData::add_cam(double value, const std::string& digits) const {
    const std::size_t length = digits.size();
    const std::size_t lead = length % 3;
    std::string out;
    out.reserve(length + length / 3 + 1);
    if (value < 0) out += '-';  // -0.0 is not below 0 and gets no sign
    out.append(digits, 0, lead);
    for (std::size_t pos = lead; pos < length; pos += 3) {
        if (pos != 0) out += ',';
        out.append(digits, pos, 3);
    }
    return out;
}

std::string CCheckData::separate_upper(double integerPart) const {
    // Every digit of the whole number, no sign, no grouping; to_chars prints
    // the exact decimal value of the double and ignores the locale.
    std::array<char, 320> buf{};  // DBL_MAX has 309 integer digits
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(integerPart),
                                   std::chars_format::fixed, 0);
    return std::string(buf.data(), res.ptr);
}

std::string CCheckData::separate_lower(double fractionPart, int digits, bool& carry) const {
    carry = false;
    const double f = std::fabs(fractionPart);
    std::string sig;  // the fraction is 0.sig × 10^exponent
    int exponent = 0;
    if (f == 0) {
        sig.assign(kFractionDigits, '0');
    } else {
        // Scientific form with 12 significant digits, rounded: "d.ddddddddddde-XX".
        std::array<char, 32> buf{};
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), f,
                                       std::chars_format::scientific, kFractionDigits - 1);
        const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
        const std::size_t e = text.find('e');
        sig.reserve(kFractionDigits);
        for (std::size_t i = 0; i < e; ++i) {
            if (text[i] != '.') sig.push_back(text[i]);
        }
        int tenPower = 0;
        std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0),
                        text.data() + text.size(), tenPower);
        exponent = tenPower + 1;
    }
    if (exponent > 0) {
        // Rounded up to 1.00000000000: carried into the integer part.
        carry = true;
        return std::string(static_cast<std::size_t>(digits), '0');
    }

    // Leading zeros of a small fraction, then the twelve digits, then zeros
    // for decimals beyond them; the first `digits` characters are kept.
    const std::size_t want = static_cast<std::size_t>(digits);
    const std::size_t zeros = static_cast<std::size_t>(-exponent);
    std::string out;
    out.reserve(want);
    out.append(std::min(zeros, want), '0');
    if (out.size() < want) out.append(sig, 0, want - out.size());
    if (out.size() < want) out.append(want - out.size(), '0');
    return out;
}
