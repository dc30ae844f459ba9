#pragma once

#include "dialogs/processdlg.h"

// "Cooling (SHF)": which point to cool, its sensible heat factor and coil
// contact factor, and whether the coil outlet and the reheat are found
// automatically or a supply-air temperature is given. After OK the main
// window reads the members and runs the cooling.
class CShfDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum : int {
        IDD = 332,
        IDC_AUTOCALC = 5040,
        IDC_REHEAT = 5041,
        IDC_SHF = 5061,
        IDC_CF = 5062,
        IDC_SUPPLYTEMP = 5069,
        IDC_POINTNO = 5129,
        IDC_START = 5030,
        IDC_CANCEL = 2,
    };

    explicit CShfDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    int PointNo = 0;
    double Shf = 0.0;
    double ContactFactor = 0.0;
    int AutoCalc = 1;
    int ReheatSet = 1;
    double SupplyTemp = 0.0;  // °C
    double PointDb = 0.0;     // dry bulb of the chosen point, °C

  protected:
    void OnCalculate() override;

  private:
    void OnAutoCalcClicked();
    void OnReheatClicked();
    void UpdateSupplyTempField();
};
