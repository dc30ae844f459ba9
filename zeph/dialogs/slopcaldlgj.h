#pragma once

#include "dialogs/processdlg.h"

// "Slope": a point on the straight line from A to B, at a dry-bulb
// distance (mode 0, A the warmer point) or an enthalpy distance (mode 1,
// A the point of higher enthalpy) from A. The enthalpy is typed in the
// window's unit (kcal/kg, or kJ/kg in SI) and handed back in kcal/kg.
class CSlopCalDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_POINT_A = 5092,
        IDC_POINT_B = 5046,
        IDC_BY_DB = 5041,
        IDC_BY_HI = 5093,
        IDC_DB_DIFF = 5134,
        IDC_HI_DIFF = 5094,
        IDC_HI_UNIT = 5139,
        IDC_CALC = 5024,
    };

    explicit CSlopCalDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Results, valid after OK. DbDiff with SlopeMode 0, HiDiff with 1.
    int PointA = 0;
    int PointB = 0;
    int SlopeMode = 0;
    double DbDiff = 0.0;  // K
    double HiDiff = 0.0;  // kcal/kg

  protected:
    void OnCalculate() override;

  private:
    void SetSlopeMode(int mode);
};
