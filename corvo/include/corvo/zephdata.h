#pragma once

#include <string>

#include "corvo/corvo_export.h"

// The full state of one air point. 999 in Db (and in the other state fields)
// marks a record that holds no valid state; callers test Db against 999
// exactly. Units: °C, %, hPa, kg/kg(DA), kcal/kg(DA), kg(DA)/m³.
struct _CORVO {
    double Db;   // dry-bulb temperature, °C
    double Db1;  // origin of a process line (0 in every record the library builds)
    double Db2;  // origin of a second process line (0 from the library)
    double Wb;   // wet-bulb temperature, °C
    double Rh;   // relative humidity, %
    double Dp;   // dew-point temperature, °C
    double Hi;   // specific enthalpy, kcal/kg(DA) with the default unit factor
    double Xi;   // humidity ratio, kg/kg(DA)
    double Xi1;  // origin of a process line (0 from the library)
    double Xi2;  // origin of a second process line (0 from the library)
    double Px;   // partial pressure of water vapour, hPa
    double Dn;   // density, kg(DA)/m³
    double Mt;   // auxiliary temperature: 0 from the solvers; SHF limit, °C
};

namespace corvo {

// The value with which a failed result is marked in Db and the other state
// fields.
inline constexpr double kFailed = 999.0;

// True when values holds no valid state: Db is the failed value, compared
// exactly.
inline bool IsFailed(const _CORVO& values) {
    return values.Db == kFailed;
}

}  // namespace corvo

// How the chart draws a point. The library only stores the value; the
// program gives it meaning (0 one process line, 1 two lines, 2 plain
// point, 3 not drawn).
enum STYLE : int {};

// One named chart point: style, number, name and the thirteen state values
// of a _CORVO, with the same names and order.
class CORVO_API CZephData {
  public:
    CZephData();
    CZephData(const CZephData& other);
    virtual ~CZephData();

    // Returns the assigned object by value, a fresh copy.
    CZephData operator=(const CZephData& other);

    STYLE GetStrStyle() const { return Style; }
    void SetStrStyle(STYLE style) { Style = style; }
    int GetN() const { return N; }
    void SetN(int n) { N = n; }
    std::string GetStrPn() const { return Pn; }
    void SetStrPn(std::string name) { Pn = std::move(name); }

    // The thirteen state values as a record, and back (style, number and
    // name untouched).
    _CORVO GetValues() const;
    void SetValues(const _CORVO& values);

    double GetDb() const { return Db; }
    void SetDb(double v) { Db = v; }
    double GetDb1() const { return Db1; }
    void SetDb1(double v) { Db1 = v; }
    double GetDb2() const { return Db2; }
    void SetDb2(double v) { Db2 = v; }
    double GetWb() const { return Wb; }
    void SetWb(double v) { Wb = v; }
    double GetRh() const { return Rh; }
    void SetRh(double v) { Rh = v; }
    double GetDp() const { return Dp; }
    void SetDp(double v) { Dp = v; }
    double GetHi() const { return Hi; }
    void SetHi(double v) { Hi = v; }
    double GetXi() const { return Xi; }
    void SetXi(double v) { Xi = v; }
    double GetXi1() const { return Xi1; }
    void SetXi1(double v) { Xi1 = v; }
    double GetXi2() const { return Xi2; }
    void SetXi2(double v) { Xi2 = v; }
    double GetPx() const { return Px; }
    void SetPx(double v) { Px = v; }
    double GetDn() const { return Dn; }
    void SetDn(double v) { Dn = v; }
    double GetMt() const { return Mt; }
    void SetMt(double v) { Mt = v; }

    // The program reads and writes the values directly.
    STYLE Style;
    int N;
    std::string Pn;
    double Db;
    double Db1;
    double Db2;
    double Wb;
    double Rh;
    double Dp;
    double Hi;
    double Xi;
    double Xi1;
    double Xi2;
    double Px;
    double Dn;
    double Mt;
};
