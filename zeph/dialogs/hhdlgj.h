#pragma once

#include "dialogs/processdlg.h"

// "Humidifyer": the air inlet A, the point B whose humidity ratio the
// outlet must reach, and the kind of humidifier: steam, or hot water with
// or without a given water temperature.
class CHHDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_POINT_A = 5126,
        IDC_POINT_B = 5125,
        IDC_STEAM = 5112,
        IDC_HOT_WATER = 5113,
        IDC_WATER_GIVEN = 5135,
        IDC_WATER_TEMP = 5127,
        IDC_CALC = 5114,
    };

    explicit CHHDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Results, valid after OK.
    int PointA = 0;
    int PointB = 0;
    int HumidMode = 0;          // 0 steam, 1 hot water
    int HotWater = 0;           // 1: the water temperature is given
    double HotWaterTemp = 0.0;  // °C

  protected:
    void OnCalculate() override;

  private:
    void SetHumidMode(int mode);
    void SetWaterGiven(bool given);
};
