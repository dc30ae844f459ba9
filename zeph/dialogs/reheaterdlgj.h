#pragma once

#include "dialogs/processdlg.h"

// "Re-Heater": how the supply air of a cooling that needs reheat is chosen,
// by a supply-air temperature not below the lowest coil-outlet temperature,
// or by an air-change rate (the main window then opens the air-change
// table).
class CReHeaterDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum : int {
        IDD = 337,
        IDC_OK = 5007,
        IDC_CANCEL = 2,
        IDC_BY_TEMP = 5084,
        IDC_BY_AIRCHANGE = 5085,
        IDC_MINTEMP = 5086,
        IDC_SUPPLYTEMP = 5087,
    };

    explicit CReHeaterDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    double MinOffCoilTemp = 0.0;  // lowest coil-outlet temperature, °C (in)
    double SupplyTemp = 0.0;      // chosen supply-air temperature, °C (out)
    int Method = 0;               // 0 supply temperature first, 1 air-change rate first

  protected:
    void OnCalculate() override;
    void showEvent(QShowEvent* event) override;

  private:
    QString MinTempText() const;
    void OnMethodChosen(int method);

    bool m_opened = false;
};
