#pragma once

#include "dialogs/processdlg.h"

// "Mix Point": the two air streams to mix and the ratio of their volumes.
class CMixDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_POINT_A = 5062,
        IDC_POINT_B = 5065,
        IDC_RATIO = 5070,
        IDC_CALC = 5006,
    };

    explicit CMixDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Results, valid after OK.
    int PointA = 0;
    int PointB = 0;
    double Ratio = 0.0;  // volume of A / volume of B

  protected:
    void OnCalculate() override;
};
