#include "corvo/calc.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <cstddef>

#include "constants.h"
#include "corvo/corvoapp.h"
#include "corvo/message.h"

namespace {

// The six property fields in the order that decides which pair is solved.
enum Field : std::size_t { kDb, kWb, kRh, kDp, kHi, kXi, kFieldCount };

// Accepted range of each field, bounds included. Temperatures °C, relative
// humidity %, enthalpy kcal/kg(DA), humidity ratio kg/kg(DA).
struct Range {
    double lo;
    double hi;
};
constexpr std::array<Range, kFieldCount> kRanges = {{
    {-50, 100},  // Db
    {-50, 100},  // Wb
    {0, 100},    // Rh
    {-50, 100},  // Dp
    {-10, 50},   // Hi
    {0, 0.055},  // Xi
}};

using Solver = _CORVO (CCorvoApp::*)(double, double, double) const;

// The solver of each (first, second) pair; arguments in that order. The
// pair dew point / humidity ratio has none: both fix the vapour pressure,
// so together they do not determine a state.
constexpr Solver kSolvers[kXi][kFieldCount] = {
    // first Db
    {nullptr, &CCorvoApp::cal_DBWB, &CCorvoApp::cal_DBRH, &CCorvoApp::cal_DBDP, &CCorvoApp::cal_DBH,
     &CCorvoApp::cal_DBX},
    // first Wb
    {nullptr, nullptr, &CCorvoApp::cal_WBRH, &CCorvoApp::cal_WBDP, &CCorvoApp::cal_WBH,
     &CCorvoApp::cal_WBX},
    // first Rh
    {nullptr, nullptr, nullptr, &CCorvoApp::cal_RHDP, &CCorvoApp::cal_RHH, &CCorvoApp::cal_RHX},
    // first Dp
    {nullptr, nullptr, nullptr, nullptr, &CCorvoApp::cal_DPH, nullptr},
    // first Hi
    {nullptr, nullptr, nullptr, nullptr, nullptr, &CCorvoApp::cal_HX},
};

std::string FieldText(const CDataManager& data, Field field) {
    switch (field) {
        case kDb:
            return data.GetStrDb();
        case kWb:
            return data.GetStrWb();
        case kRh:
            return data.GetStrRh();
        case kDp:
            return data.GetStrDp();
        case kHi:
            return data.GetStrHi();
        case kXi:
            return data.GetStrXi();
        case kFieldCount:
            break;
    }
    return std::string();
}

// A field is filled when its text is not empty; blanks count as filled.
bool IsFilled(const CDataManager& data, Field field) {
    return !FieldText(data, field).empty();
}

// The "C" locale object, created once (glibc shares one static object for
// "C", so nothing is allocated).
locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

// The value of a field's text as C atof reads it (leading white space, sign,
// digits, point, exponent; 0 when nothing reads), with '.' as the decimal
// point whatever locale the desktop has set.
double ReadValue(const std::string& text) {
    return strtod_l(text.c_str(), nullptr, CLocale());
}

// Inside the field's range, bounds included. A NaN is in no range, so a text
// such as "nan" is rejected like any value out of range.
bool InRange(double value, Field field) {
    return value >= kRanges[field].lo && value <= kRanges[field].hi;
}

// Solves the pair whose first member is `first`: the second member is the
// next filled field after it. No second field gives `none`; an unsupported
// pair or a value out of range gives the result of `reject()`.
template <typename Reject>
_CORVO SolvePair(const CDataManager& data, Field first, double P, _CORVO none, Reject reject) {
    std::size_t second = first + 1;
    while (second < kFieldCount && !IsFilled(data, static_cast<Field>(second))) ++second;
    if (second == kFieldCount) return none;

    const Solver solver = kSolvers[first][second];
    if (solver == nullptr) return reject();

    const double a = ReadValue(FieldText(data, first));
    if (!InRange(a, first)) return reject();
    const double b = ReadValue(FieldText(data, static_cast<Field>(second)));
    if (!InRange(b, static_cast<Field>(second))) return reject();

    const CCorvoApp app;  // enthalpy in kcal/kg(DA)
    return (app.*solver)(a, b, P);
}

}  // namespace

// ---- CDataManager ----------------------------------------------------------

CDataManager::CDataManager() = default;
CDataManager::CDataManager(const CDataManager& other) = default;
CDataManager& CDataManager::operator=(const CDataManager& other) = default;
CDataManager::~CDataManager() = default;

void CDataManager::SetStrDb(const char* text) {
    StrDb = text ? text : "";
}
void CDataManager::SetStrWb(const char* text) {
    StrWb = text ? text : "";
}
void CDataManager::SetStrRh(const char* text) {
    StrRh = text ? text : "";
}
void CDataManager::SetStrDp(const char* text) {
    StrDp = text ? text : "";
}
void CDataManager::SetStrHi(const char* text) {
    StrHi = text ? text : "";
}
void CDataManager::SetStrXi(const char* text) {
    StrXi = text ? text : "";
}
void CDataManager::SetStrDn(const char* text) {
    StrDn = text ? text : "";
}

// ---- CCalc -----------------------------------------------------------------

CCalc::CCalc() = default;
CCalc::CCalc(const CCalc&) = default;
CCalc& CCalc::operator=(const CCalc&) = default;
CCalc::~CCalc() = default;

bool CCalc::EnableCalCheck(CDataManager* data) const {
    if (data == nullptr) return false;
    int filled = 0;
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        if (IsFilled(*data, static_cast<Field>(f))) ++filled;
    }
    return filled == 2;
}

_CORVO CCalc::Cal_CorvoPoint(CDataManager* data, double P) const {
    const _CORVO none = Cal_Initia();
    if (data == nullptr) return none;
    if (IsFilled(*data, kDb)) return Cal_Db(data, P);
    if (IsFilled(*data, kWb)) return Cal_Wb(data, P);
    if (IsFilled(*data, kRh)) return Cal_Rh(data, P);
    if (IsFilled(*data, kDp)) return Cal_Dp(data, P);
    if (IsFilled(*data, kHi)) return Cal_Hi(data, P);
    return none;  // only the humidity ratio, or nothing: no point to solve
}

_CORVO CCalc::Cal_Initia() const {
    return _CORVO{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

_CORVO CCalc::Cal_Db(CDataManager* data, double P) const {
    return SolvePair(*data, kDb, P, Cal_Initia(), [this] { return Cal_Error(); });
}

_CORVO CCalc::Cal_Wb(CDataManager* data, double P) const {
    return SolvePair(*data, kWb, P, Cal_Initia(), [this] { return Cal_Error(); });
}

_CORVO CCalc::Cal_Rh(CDataManager* data, double P) const {
    return SolvePair(*data, kRh, P, Cal_Initia(), [this] { return Cal_Error(); });
}

_CORVO CCalc::Cal_Dp(CDataManager* data, double P) const {
    return SolvePair(*data, kDp, P, Cal_Initia(), [this] { return Cal_Error(); });
}

_CORVO CCalc::Cal_Hi(CDataManager* data, double P) const {
    return SolvePair(*data, kHi, P, Cal_Initia(), [this] { return Cal_Error(); });
}

_CORVO CCalc::Cal_Error() const {
    using corvo::k::kOutOfRange;
    const _CORVO rec = CCorvoApp().SetData(kOutOfRange, kOutOfRange, kOutOfRange, kOutOfRange,
                                           kOutOfRange, kOutOfRange, kOutOfRange, kOutOfRange, 0);
    corvo::ShowErrorMessage("Not Available Function !");
    return rec;
}
