#pragma once

#include "dialogs/tooldlg.h"

class QLabel;

// Coil capacity: two points of the chart as the coil's inlet and outlet
// states and either the air volume or the total heat; computes the other
// of the two and splits the total heat into its sensible and latent parts.
// Which of the two is given follows the focus: the field last entered is
// the input, the other shows the result. Heat is shown in kcal/h or W by
// the unit mode at opening; the air volume is m³/h.
class CCoilCapDlgJ : public CToolDlg {
    Q_OBJECT

  public:
    enum ControlId : int {
        IDC_CALC = 5002,
        IDC_TOTAL_LABEL = 5038,
        IDC_AIR_VOLUME = 5054,
        IDC_TOTAL_HEAT = 5056,
        IDC_SENSIBLE = 5066,
        IDC_LATENT = 5071,
        IDC_POINT_A = 5118,
        IDC_POINT_B = 5119,
        IDC_SENSIBLE_LABEL = 5140,
        IDC_LATENT_LABEL = 5141,
    };

    explicit CCoilCapDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    int PointA = 0;
    int PointB = 0;
    double AirVolume = 0.0;  // m³/h
    double TotalHeat = 0.0;  // kcal/h after reading, display unit after calculating
    int InputMode = 1;       // 1 air volume given, 0 total heat given

  protected:
    void OnInitDialog() override;
    void OnCalculate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Makes field id (the air volume or the total heat) the given one.
    void SetInputMode(int mode);
    // Reads the points and the given quantity; a numeric quantity is
    // rewritten with separators.
    void ReadFields();
    QString Grouped(double value) const;

    QLabel* m_sensible = nullptr;
    QLabel* m_latent = nullptr;
    int m_unitMode = 0;  // unit mode of the opening: labels and heat factor
};
