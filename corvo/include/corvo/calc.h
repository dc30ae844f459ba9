#pragma once

#include <string>

#include "corvo/corvo_export.h"
#include "corvo/zephdata.h"

// The texts of the point box's property fields, as typed. A field counts as
// filled when its text is not empty (a text of blanks is filled).
class CORVO_API CDataManager {
  public:
    CDataManager();
    CDataManager(const CDataManager& other);
    CDataManager& operator=(const CDataManager& other);
    virtual ~CDataManager();

    // A null pointer stores the empty text.
    void SetStrDb(const char* text);
    void SetStrWb(const char* text);
    void SetStrRh(const char* text);
    void SetStrDp(const char* text);
    void SetStrHi(const char* text);
    void SetStrXi(const char* text);
    void SetStrDn(const char* text);

    std::string GetStrDb() const { return StrDb; }
    std::string GetStrWb() const { return StrWb; }
    std::string GetStrRh() const { return StrRh; }
    std::string GetStrDp() const { return StrDp; }
    std::string GetStrHi() const { return StrHi; }
    std::string GetStrXi() const { return StrXi; }
    std::string GetStrDn() const { return StrDn; }

  private:
    std::string StrDb;  // dry bulb, °C
    std::string StrWb;  // wet bulb, °C
    std::string StrRh;  // relative humidity, %
    std::string StrDp;  // dew point, °C
    std::string StrHi;  // enthalpy, kcal/kg(DA)
    std::string StrXi;  // humidity ratio, kg/kg(DA)
    std::string StrDn;  // density; stored, never consulted
};

// Picks the solver for the pair of filled fields and solves the point.
class CORVO_API CCalc {
  public:
    CCalc();
    CCalc(const CCalc& other);
    CCalc& operator=(const CCalc& other);
    virtual ~CCalc();

    // True exactly when two of Db, Wb, Rh, Dp, Hi, Xi are filled.
    bool EnableCalCheck(CDataManager* data) const;
    // Solves the point at total pressure P (hPa). Does not call
    // EnableCalCheck; the caller does.
    _CORVO Cal_CorvoPoint(CDataManager* data, double P) const;

  private:
    _CORVO Cal_Initia() const;
    _CORVO Cal_Db(CDataManager* data, double P) const;
    _CORVO Cal_Wb(CDataManager* data, double P) const;
    _CORVO Cal_Rh(CDataManager* data, double P) const;
    _CORVO Cal_Dp(CDataManager* data, double P) const;
    _CORVO Cal_Hi(CDataManager* data, double P) const;
    _CORVO Cal_Error() const;
};
