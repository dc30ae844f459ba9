#pragma once

#include <string>

#include "corvo/corvo_export.h"
#include "corvo/corvofunction.h"

// Solvers that complete a moist-air state from two properties, and the air
// process calculations built on them. Arguments come in the order of the
// member's name, then the total pressure P (hPa). Every failure shows the
// engine's range message through the message sink and returns a record with
// 999 in Db, Wb, Rh, Dp, Hi, Xi, Px and Dn. A solver given a NaN or an
// infinity, or a pressure that is not positive, fails with its plain range
// message (" cal_DBRH "); every search is bounded, so every call returns.
class CORVO_API CCorvoApp : public CCorvoFunction {
  public:
    // Enthalpy in kcal/kg(DA).
    CCorvoApp();
    // Enthalpy unit by SetUnitChange(mode): 0 kcal, 1 W-based, 2 kJ.
    explicit CCorvoApp(int mode);
    CCorvoApp(const CCorvoApp& other);
    CCorvoApp& operator=(const CCorvoApp& other);
    ~CCorvoApp() override;

    // Builds a record from nine values; Db1, Db2, Xi1 and Xi2 are 0.
    _CORVO SetData(double Db, double Wb, double Rh, double Dp, double Hi, double Xi, double Px,
                   double Dn, double Mt) const;

    // Two-property solvers.
    _CORVO cal_DBWB(double db, double wb, double P) const;
    _CORVO cal_DBRH(double db, double rh, double P) const;
    _CORVO cal_DBDP(double db, double dp, double P) const;
    _CORVO cal_DBH(double db, double h, double P) const;
    _CORVO cal_DBX(double db, double xi, double P) const;
    _CORVO cal_WBRH(double wb, double rh, double P) const;
    _CORVO cal_WBDP(double wb, double dp, double P) const;
    _CORVO cal_WBH(double wb, double h, double P) const;
    _CORVO cal_WBX(double wb, double xi, double P) const;
    _CORVO cal_RHDP(double rh, double dp, double P) const;
    _CORVO cal_RHH(double rh, double h, double P) const;
    _CORVO cal_RHX(double rh, double xi, double P) const;
    _CORVO cal_DPH(double dp, double h, double P) const;
    _CORVO cal_HX(double h, double xi, double P) const;

    // Air processes. Heat flows kcal/h, air volumes m³/h, mass flows kg/h.
    _CORVO cal_SHF(_CORVO R, double SHF, double phi, double c, double P, double tmin) const;
    _CORVO cal_Limit_Satemp(double xi, double h, double SHF, double t, double P) const;
    _CORVO cal_SHF_FixedSaTemp(_CORVO R, double SHF, double t, double P) const;
    _CORVO cal_SHF_FixedOffTemp(_CORVO R, double x, double SHF, double phi, double P) const;
    _CORVO cal_SHF_AirQtyTh(_CORVO R, double SHF, double phi, double Q, double V, double P) const;
    _CORVO cal_SHFOnPointDt(_CORVO A, _CORVO B, double dt, double P) const;
    _CORVO cal_SHFOnPointQtyTh(_CORVO A, _CORVO B, double V, double Q, double P) const;
    _CORVO cal_SHFOnPointDh(_CORVO A, _CORVO B, double dh, double P) const;
    _CORVO cal_Heat_Temp(_CORVO R, double dt, double P) const;
    _CORVO cal_Heat_Air(_CORVO R, double Q, double V, double SHF, double P) const;
    _CORVO cal_Heat_Hum(_CORVO R, double a, double b, double P) const;
    _CORVO cal_Mix(_CORVO A, _CORVO B, double r, double P) const;
    _CORVO cal_Dlt(_CORVO A, _CORVO B) const;

    // One-line load formulas.
    double cal_H_KcalG(double Q, double G) const;      // Q / G
    double cal_AIR_KcalDh(double Q, double dh) const;  // Q / Δh
    double cal_TH_GDh(double G, double dh) const;      // G · Δh
    double cal_FanLoad(double V, double p) const;      // V / 60 · p / 3060, kW
    double cal_Udx(double a, double b) const;          // a · b
    double cal_Udh(double a, double b) const;          // b / a

  private:
    // Builds the 999 record and shows "Out of Range ( " + where + " ) !".
    // `where` names the failing step, with a blank at each end.
    _CORVO Corvo_Error(std::string where) const;
    // Returns rec, or Corvo_Error(where) when one of its fields is not a
    // finite number: the last guard against absurd input (an overflowing
    // pressure, say) handing NaN or infinity to the caller as a state.
    _CORVO Corvo_Checked(const _CORVO& rec, const char* where) const;
};
