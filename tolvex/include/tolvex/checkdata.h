#pragma once

#include <string>

#include "tolvex/tolvex_export.h"

// Decides whether a typed text is a number, converts it (thousands
// separators allowed) and formats values with separators. All number
// reading and printing follows C-locale rules ('.' as the decimal point)
// whatever locale the process runs in.
class TOLVEX_API CCheckData {
  public:
    CCheckData();
    CCheckData(const CCheckData& other);
    CCheckData& operator=(const CCheckData& other);
    virtual ~CCheckData();

    // 1 when the text is an acceptable number, else 0.
    int Inspect_nData(std::string text) const;
    // The value of the text with every comma removed, read as C atof does.
    double atof_e(std::string text) const;
    // The value with thousands separators and exactly `digits` decimals
    // (cut off, not rounded).
    std::string nci(int digits, double value) const;
    // 1 when the text is one of N, NE, E, SE, S, SW, W, NW, H (exact case).
    int Inspection_Orient(std::string text);
    // Index 0…8 of the orientation, letter case ignored; −1 if none.
    int OrientSorting(const char* text) const;

  private:
    // "-" when value < 0, then the integer digits grouped by three.
    std::string add_cam(double value, const std::string& digits) const;
    // The digits of |integerPart| (a whole number), no sign, no grouping.
    std::string separate_upper(double integerPart) const;
    // The first `digits` decimals of |fractionPart| after rounding it to 12
    // significant digits; carry is set when that rounding reaches 1.
    std::string separate_lower(double fractionPart, int digits, bool& carry) const;
};

namespace tolvex {

// C atof with C-locale rules: leading white space skipped, optional sign,
// digits, point and exponent; stops at the first character that cannot
// continue the number; 0 when nothing reads. A null text reads as 0.
TOLVEX_API double CAtof(const char* text);
inline double CAtof(const std::string& text) {
    return CAtof(text.c_str());
}

}  // namespace tolvex
