#pragma once

#include "dialogs/processdlg.h"

// "Points Difference": picks the two points whose differences the main
// window shows.
class CDeltaDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_POINT_A = 5075,
        IDC_POINT_B = 5074,
        IDC_CALC = 5004,
    };

    explicit CDeltaDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Results, valid after OK.
    int PointA = 0;
    int PointB = 0;

  protected:
    void OnCalculate() override;
};
