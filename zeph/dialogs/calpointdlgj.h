#pragma once

#include "dialogs/processdlg.h"

// "CP": picks the point whose values the main window shows in its point
// box.
class CCalPointDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_POINT = 5001,
        IDC_CALC = 5003,
    };

    explicit CCalPointDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Result, valid after OK.
    int PointNo = 0;

  protected:
    void OnCalculate() override;
};
