#pragma once

#include "dialogs/processdlg.h"
#include "run/eqcconditions.h"
#include "run/eqcentry.h"

class QComboBox;

// "EQC ダイアログ": the room, the outdoor and room design conditions, the
// cooling loads and the coil data of the capacity calculation. It opens
// with the conditions stored so far (defaults in place of what is still 0),
// keeps the wet bulb, relative humidity and SHF boxes in step with what the
// user types, and on OK checks everything before the main window stores the
// conditions. Loads are shown in the main window's unit (kcal/h or W) and
// held in kcal/h. Enter does nothing here: Tab moves between the boxes.
class CAutoEQCDlg : public CProcessDlg {
    Q_OBJECT

  public:
    enum : int {
        IDD = 343,
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_MAX_TOTAL = 5148,
        IDC_MAX_SENSIBLE = 5151,
        IDC_MAX_SHF = 5152,
        IDC_FLOOR_AREA = 5153,
        IDC_CEILING = 5154,
        IDC_ROOM_NAME = 5155,
        IDC_MIN_TOTAL = 5156,
        IDC_MIN_SENSIBLE = 5159,
        IDC_MIN_SHF = 5160,
        IDC_OA_FLOW = 5161,
        IDC_OA_DB = 5162,
        IDC_OA_WB = 5163,
        IDC_OA_BY_WB = 5164,
        IDC_OA_RH = 5165,
        IDC_OA_BY_RH = 5166,
        IDC_ROOM_DB = 5167,
        IDC_ROOM_WB = 5168,
        IDC_ROOM_BY_WB = 5169,
        IDC_ROOM_RH = 5170,
        IDC_ROOM_BY_RH = 5171,
        IDC_PRESSURE = 5172,
        IDC_CF = 5173,
        IDC_SYSTEM = 5174,
        IDC_AIR_CHANGES = 5175,
        IDC_SUPPLY_TEMP = 5176,
        IDC_UNIT_MAX_TOTAL = 5178,
        IDC_UNIT_MIN_TOTAL = 5179,
        IDC_UNIT_MAX_SENSIBLE = 5180,
        IDC_UNIT_MIN_SENSIBLE = 5181,
    };

    // conditions: what the main window holds, with the room name to show.
    CAutoEQCDlg(const EqcConditions& conditions, CDialogHost* host, QWidget* parent = nullptr);

    // In: the stored conditions. Out, after OK: the conditions as read,
    // loads in kcal/h (the fan load of the last calculation is kept).
    EqcConditions Conditions;

  protected:
    // Enter is swallowed: the dialog ends only by its buttons.
    void OnCalculate() override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void Prefill();
    // Display factor of the load boxes: 1 for kcal/h, W per kcal/h in SI.
    double LoadFactor() const;
    void OnOK();
    // Reads box id as a number within min … max into *v; an empty box reads
    // as 0 (not entered) when emptyIsZero. Shows the range prompt on failure.
    bool ReadBox(int id, double min, double max, bool emptyIsZero, double* v);
    // The box that holds a field of the entered conditions.
    static int BoxOf(double zeph::EqcEntry::*field);
    // id when the user can type into it, else other (the box of the same
    // air that is editable).
    int EditableOf(int id, int other) const;

    // Live recomputation while the user types (autoeqclive.cpp).
    void ConnectLiveHandlers();
    void OnOutdoorDbEdited();
    void OnOutdoorWbEdited();
    void OnOutdoorRhEdited();
    void OnRoomDbEdited();
    void OnRoomRhEdited();
    void OnRoomWbEdited();
    void OnHumidityMode(int wbBox, int rhBox, bool byWb);
    void OnSensibleEdited(int sensibleId, int totalId, int shfId);
    void OnMinTotalEdited();
    void OnTotalLeft(int totalId, int sensibleId, int shfId);
    void OnSystemChosen(int system);
    void ApplySystem(int system);
    // The text of a temperature or humidity box as a number; otherwise its
    // text is selected and 6129 shown (an emptied box or a number still
    // being typed, such as "-" or "1e", says nothing). False then.
    bool ReadLive(int id, double* v);
    // A temperature or humidity box left by the user that is not a number:
    // 6129, and the focus goes back to it.
    void OnTempBoxLeft(int id);
    // Gives box id the focus once the focus change under way has ended.
    void FocusAfterLeaving(int id);
    // The pressure box as a positive number, hPa.
    bool LivePressure(double* P) const;
    // Writes "%.2f" of v into box id unless v is the engine's failed value.
    void ShowTemp(int id, double v);
    // The SHF box shows sensible ÷ total rounded to 3 decimals.
    void ShowShf(int shfId, double sensible, double total);
    // Selects the whole text of box id.
    void SelectBox(int id);

    QComboBox* m_system = nullptr;
    int m_nUnitMode = 0;
    // A total was edited since it was last left.
    bool m_bMaxTotalEdited = false;
    bool m_bMinTotalEdited = false;
};
