#pragma once

#include <QString>

#include "dialogs/tooldlg.h"

class QLineEdit;

// The calculator: heat, air volume, enthalpy difference and temperature
// difference of an air stream at a given SHF; any two of the first four
// give the other two. Heat in kcal/h or W and enthalpy in kcal/kg or kJ/kg
// by the unit mode at opening. The texts are kept in the object from one
// opening to the next (as last read by 計算 or OK).
class CGeneralDlgJ : public CToolDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_HEAT = 3014,
        IDC_HEAT_OUT = 3015,
        IDC_AIR = 3011,
        IDC_AIR_OUT = 3012,
        IDC_DH = 3004,
        IDC_DH_OUT = 3005,
        IDC_DT = 3008,
        IDC_DT_OUT = 3019,
        IDC_SHF = 3009,
        IDC_SHF_OUT = 3020,
        IDC_RESET = 3013,
        IDC_CALC = 5020,
        IDC_HEAT_UNIT = 5144,
        IDC_DH_UNIT = 5139,
    };
    static constexpr double kSpecificHeat = 0.2404174;

    explicit CGeneralDlgJ(CDialogHost* host, QWidget* parent = nullptr);
    ~CGeneralDlgJ() override;

    QString HeatText;
    QString AirVolumeText;
    QString EnthalpyDiffText;
    QString TempDiffText;
    QString ShfText = QStringLiteral("1.0");

  protected:
    void OnInitDialog() override;
    void OnCalculate() override;

  private:
    // save true: the members take the input texts; false: the inputs show
    // the members.
    void UpdateData(bool save);
    // Shows the results (true) or the inputs (false) in the same places.
    void ShowResults(bool results);
    void OnOK();
    void OnReset();
    // A quantity typed into while two others are filled is refused.
    void OnQuantityEdited(QLineEdit* edit);
    // Leaving a quantity that holds no number inside the dialog sends the
    // focus back to it.
    void OnFocusChanged(QWidget* old, QWidget* now);

    QList<QLineEdit*> m_quantities;  // heat, air volume, Δh, Δt
    bool m_refocusPending = false;
    int m_unitMode = 0;  // unit mode of the opening: labels and factors
};
