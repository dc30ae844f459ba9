#include "tolvex/date.h"

#include <array>
#include <string_view>

namespace {

// Index 0 is a placeholder, so that a month's number is its index.
constexpr std::array<std::string_view, 13> kMonthNames = {
    "Zero", "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

bool IsLeapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

CDate::CDate() : m_nDay(1), m_nMonth(1), m_nYear(2000) {}

CDate::CDate(int day, int month, int year) : m_nDay(day), m_nMonth(month), m_nYear(year) {}

CDate::CDate(const CDate& other) = default;
CDate& CDate::operator=(const CDate& other) = default;
CDate::~CDate() = default;

int CDate::DaysCal(int year, int month, int day) const {
    // Every month counted as 30 days, plus the extra days of the 31-day
    // months before it ((m + m/8)/2), less February's shortfall from March
    // on (c = 1 for months 3…12): 2 days in a common year, 1 in a leap year.
    // 64-bit arithmetic, so that unchecked absurd arguments cannot overflow.
    const long long m = month;
    const long long base = 30 * m + (m + m / 8) / 2 + day - 30;
    const long long c = (m + 7) / 10;
    const long long days = IsLeapYear(year) ? base - c : base - 2 * c;
    return static_cast<int>(days);
}

std::string CDate::GetMonthNo_to_Char(unsigned month) const {
    if (month < 1 || month > 12) return " ";
    return std::string(kMonthNames[month]);
}

int CDate::GetMonthNumber(std::string name) const {
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (name == kMonthNames[i]) return static_cast<int>(i);
    }
    return 0;
}
