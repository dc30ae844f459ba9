#pragma once

#include <string>

#include "tolvex/tolvex_export.h"

// A day/month/year value with a day-of-year calculation and English month
// names. No value is checked: the date holds whatever it was given.
class TOLVEX_API CDate {
  public:
    // 1 January 2000.
    CDate();
    CDate(int day, int month, int year);
    CDate(const CDate& other);
    CDate& operator=(const CDate& other);
    virtual ~CDate();

    int GetDay() const { return m_nDay; }
    int GetMonth() const { return m_nMonth; }
    int GetYear() const { return m_nYear; }
    void SetDay(int day) { m_nDay = day; }
    void SetMonth(int month) { m_nMonth = month; }
    void SetYear(int year) { m_nYear = year; }

    // Day of the year (1…366) of the given date, Gregorian leap years
    // (1900 and 2100 are common years, 2000 is a leap year). Uses only its
    // arguments, not the stored date.
    int DaysCal(int year, int month, int day) const;
    // "January" … "December" for 1…12; " " (one blank) for any other number.
    std::string GetMonthNo_to_Char(unsigned month) const;
    // 1…12 for the exact, case-sensitive English month name; 0 for "Zero"
    // and for any other text.
    int GetMonthNumber(std::string name) const;

  private:
    int m_nDay;
    int m_nMonth;
    int m_nYear;
};
