#pragma once

#include "dialogs/processdlg.h"

// The view range of the chart, typed freely: the dry-bulb range in °C and
// the humidity range in g/kg(DA) (the chart itself works in kg/kg(DA)).
// The opener fills the four members, runs DoModal() and, on Accepted, reads
// them back.
class CGraphViewRangeDlg : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_MAX_DB = 5146,
        IDC_MIN_DB = 5147,
        IDC_MAX_XI = 5148,
        IDC_MIN_XI = 5149,
    };

    explicit CGraphViewRangeDlg(CDialogHost* host, QWidget* parent = nullptr);

    // Shows the members in the fields and runs the dialog modally.
    int DoModal();

    double MaxDb = 45.0;  // °C, 0 … 60
    double MinDb = -5.0;  // °C, −50 … 10
    double MaxXi = 35.0;  // g/kg(DA), 0 … 60
    double MinXi = 0.0;   // g/kg(DA), 0 … 10

  protected:
    // OK: each field tested in turn against its bounds, then each maximum
    // against its minimum; the members change only when all pass.
    void OnCalculate() override;
};
