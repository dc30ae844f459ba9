#pragma once

#include "dialogs/processdlg.h"

// "Heating": the point to heat and either the heat with its air volume and
// sensible heat factor, or the temperature rise. Heat is typed in the
// window's unit (kcal/h, or W in SI) and handed back in kcal/h.
class CHeatDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_POINT = 5045,
        IDC_BY_HEAT = 5042,
        IDC_BY_RISE = 5041,
        IDC_HEAT = 5043,
        IDC_AIR_VOLUME = 5073,
        IDC_SHF = 5075,
        IDC_DELTA_T = 5050,
        IDC_CALC = 5060,
    };

    explicit CHeatDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Results, valid after OK. With HeatMode 1 only PointNo and DeltaT.
    int PointNo = 0;
    int HeatMode = 0;        // 0 heat and air volume given, 1 temperature rise given
    double Heat = 0.0;       // kcal/h
    double AirVolume = 0.0;  // m³/h
    double Shf = 1.0;        // sensible share of the heat
    double DeltaT = 0.0;     // K

  protected:
    void OnCalculate() override;

  private:
    void SetHeatMode(int mode);
    void ReadFields();
    // The value of a numeric field as typed; the field shows it again with
    // thousands separators and no decimals when it lies within range.
    double ReadGrouped(int id, const zeph::FieldRange& range);
};
