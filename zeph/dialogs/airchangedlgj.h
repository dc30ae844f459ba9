#pragma once

#include <QIcon>

#include "corvo/zephdata.h"
#include "dialogs/processdlg.h"

class QTableWidget;

// "換気回数による吹出し温度推定": the supply-air temperature of a cooling
// with reheat, tabulated for ten air-change rates up to the one typed; the
// user picks a row, and the main window cools with an air flow of that rate
// times the room volume.
class CAirChangeDlgJ : public CProcessDlg {
    Q_OBJECT

  public:
    enum : int {
        IDD = 330,
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_AIRCHANGES = 5017,
        IDC_HEAT_LABEL = 5038,
        IDC_MINTEMP = 5086,
        IDC_VOLUME = 5088,
        IDC_HEAT = 5089,
        IDC_TRIAL = 5095,
        IDC_LIST = 5147,
    };
    // Columns of the table: the count, then the supply temperature or
    // kTooLow.
    enum : int { kColumnCount = 0, kColumnSupplyTemp = 1 };

    explicit CAirChangeDlgJ(CDialogHost* host, QWidget* parent = nullptr);

    // Shown in place of the supply temperature of a count whose supply air
    // would be colder than the coil can make.
    static QString TooLowText();

    // In: the room's texts as the capacity input gives them (m³, kcal/h);
    // empty when there are none.
    QString RoomVolumeText;
    QString TotalHeatText;
    double MinOffCoilTemp = 0.0;  // °C
    double Shf = 0.0;
    double ContactFactor = 0.0;
    double Pressure = 0.0;  // hPa
    _CORVO RoomState{};

    // In/out, as the fields show them after OK.
    double RoomVolume = 0.0;  // m³
    double TotalHeat = 0.0;   // kcal/h
    double AirChanges = 0.0;  // per hour

  protected:
    // Enter: reads the fields and rewrites them; the dialog stays open.
    void OnCalculate() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Display factor of the heat field: 1 in kcal/h, W per kcal/h in SI.
    double HeatFactor() const;
    // Reads the three fields into the members and rewrites each numeric one
    // within its range with thousands separators and no decimals; the
    // members then hold what the fields show.
    void ReadFields();
    // False, with the range prompt and the focus on the first field out of
    // its range, when one is.
    bool FieldsInRange();
    void OnTrial();
    void OnListClicked(const QPoint& pos);
    void OnOk();
    void InsertRow(double count, const QString& supplyTemp);

    QTableWidget* m_list = nullptr;
    QIcon m_icon;  // the program icon, shown beside each count
    bool m_opened = false;
};
