#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "corvo/zephdata.h"
#include "dialogs/dialoghost.h"
#include "run/autocalret.h"
#include "run/eqcconditions.h"
#include "run/zephrun.h"

class CCoilCapDlgJ;
class CAutoEQC_ResultDlg;
class CFieldEdit;
class CWindowPrompt;
class CGeneralDlgJ;
class CRunDocument;
class CRunDocument;
class CRunHistory;
class CStaticGraph;
class CToolDlg;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QUndoStack;

namespace zeph {
class CEngineMessageGuard;
class CFileUiGuard;
}  // namespace zeph

// The main window: the chart on the left, the point box, pressure, system
// name, the range and unit selectors and the process buttons on the right.
// It presents one run (CZephRun), which holds the points of the current
// system, the archive of finished systems and the current point.
//
// Internal units: °C, %, hPa, kcal/kg(DA), kg/kg(DA), kg(DA)/m³. Only the
// enthalpy box follows the unit selector (kcal/kg or kJ/kg).
class CZephDlgJ : public QDialog, public CDialogHost {
    Q_OBJECT

  public:
    // Control identifiers of the dialog; each control's objectName is its
    // number.
    enum ControlId : int {
        IDOK_FINISH = 1,
        IDC_RANGE = 3000,
        IDC_DN = 3002,
        IDC_XI = 3003,
        IDC_HI = 3004,
        IDC_DP = 3005,
        IDC_RH = 3006,
        IDC_WB = 3007,
        IDC_DB = 3008,
        IDC_NAME = 3009,
        IDC_SYSTEM = 3010,
        IDC_PRESSURE = 3011,
        IDC_YES = 5029,
        IDC_NO = 5033,
        IDC_CALC = 5020,
        IDC_GRAPH = 5037,
        IDC_RESET = 5096,
        IDC_CP = 5097,
        IDC_EQC = 5098,
        IDC_CAP = 5099,
        IDC_DLT = 5100,
        IDC_HH = 5101,
        IDC_SLOPE = 5102,
        IDC_HEAT = 5103,
        IDC_MIX = 5104,
        IDC_SHF = 5105,
        IDC_AUTOCALC = 5106,
        IDC_UNIT = 5138,
        IDC_HI_LABEL = 5139,
        IDC_POINTBOX = 5145,
        // The cursor readout under the chart.
        IDC_READOUT = 5200,
    };

    // Commands of the context menu.
    enum MenuCommand : int {
        ID_CALCULATOR = 35789,
        ID_COILCAP = 35791,
        ID_EQC_INPUT = 35790,
        ID_CONST_DB = 35782,
        ID_CONST_WB = 35781,
        ID_CONST_RH = 35780,
        ID_CONST_DP = 35779,
        ID_CONST_HI = 35776,
        ID_CONST_XI = 35777,
        ID_VIEW_RANGE = 35794,
        ID_SAVE_BITMAP = 35795,
        // The chart as a PNG picture or a PDF page.
        ID_EXPORT_PICTURE = 35796,
        // Printing the chart page (Ctrl+P).
        ID_PRINT = 35807,
        // The submenu of the line families and its check items.
        ID_FAMILIES = 35808,
        ID_SHOW_ENTHALPY = 35810,
        ID_SHOW_WETBULB = 35811,
        ID_SHOW_VOLUME = 35812,
        ID_SHOW_RH_LABELS = 35813,
        ID_SHOW_SHF_SCALE = 35814,
        // The history of the run's changes (main/undocommands.cpp).
        // The run file: open, save, save as, and the recent files' submenu
        // with its items (the newest first).
        ID_OPEN = 35801,
        ID_SAVE = 35802,
        ID_SAVE_AS = 35803,
        ID_RECENT = 35830,
        ID_RECENT_FIRST = 35831,
        ID_UNDO = 35804,
        ID_REDO = 35805,
        ID_DELETE_POINT = 35806,
        ID_ABOUT = 16,
    };

    explicit CZephDlgJ(QWidget* parent = nullptr);
    ~CZephDlgJ() override;

    // The control with identifier id (nullptr if there is none).
    QWidget* Control(int id) const;

    // The run the window presents.
    CZephRun& Run() { return *m_run; }
    const CZephRun& Run() const { return *m_run; }
    // The undo history of the run's changes; ClearHistory empties it, for
    // a run opened or begun anew.
    QUndoStack* UndoStack() const;
    void ClearHistory();
    // The file the run is kept in (open, save, the title).
    CRunDocument& Document() const { return *m_document; }

    // --- data exchange -----------------------------------------------------
    // save true: the text members take the boxes' texts; false: the boxes
    // show the members. Order 3011, 3010, 3009, 3008 … 3002.
    void UpdateData(bool save);

    // --- point entry and point list ----------------------------------------
    void CalcPoint();
    void CalcPointAt(double P);  // P: total pressure, hPa
    void AcceptPoint();
    void RejectPoint();
    int AddCurrentPoint(int add);
    // record named name becomes the current point (pending or not) and is
    // shown in the point box.
    void ShowPoint(const CZephData& record, const QString& name, int pending);
    // The point box shows the run's current point.
    void ShowCurrentPoint();
    void ClearCurrent();
    void ClearFields(int keep);
    void SetFieldLock(int which);
    void LockFields();
    int GetPointCount() const override;
    // The values and name of point n (1 … GetPointCount()). A number outside
    // that range gives the failed-state record (999 in the state fields) and
    // an empty name.
    _CORVO GetPointValues(int n) const override;
    void ShowStoredPoint(int n);
    void OnConstantProperty(int command);
    void OnChartPointsHit(const QList<CZephData>& hits);

    // --- capacity calculation (main/capacitycommands.cpp)
    // The capacity dialog, its room name preset to the system name (button
    // EQC) or empty (menu); OK stores the conditions and enables 自動計算.
    void OnEqcCommand(bool presetRoomName);
    // 自動計算: the run's capacity calculation (CZephRun::RunCapacity-
    // Calculation) for the stored conditions, its result shown; a run that
    // cannot finish leaves the boxes as typed.
    void RunCapacityCalculation();
    // The result window shows result, opened when it is closed.
    void ShowCapacityResult(const CAutoCal_Ret& result);

    // The pressure of a process, hPa, read from the pressure box.
    double ProcessPressure();
    // A process button (identifier id) pressed.
    void OnProcessCommand(int id);
    // True for the process buttons that can be pressed.
    static bool ProcessCommandAvailable(int id);

    // --- dialog host ---------------------------------------------------------
    int UnitMode() const override;
    QString PressureText() const override;
    QWidget* ChartWidget() const override;

    // --- dialog commands ---------------------------------------------------
    void ShowError(int code) override;
    void SetUnitMode();
    void OnRangeSelected(int index);
    // Hands an accepted pressure to the chart (see CheckPressureField).
    void OnPressureLeft();
    // The pressure box must hold a number of hPa within kPressureRange
    // (thousands separators allowed, removed here). Anything else is refused
    // with a message (the range prompt for a positive number), the last
    // accepted pressure comes back into the box and the focus returns to
    // it; the result is then false.
    bool CheckPressureField();
    // Returns false when the box held a non-number (then beeped and emptied).
    bool CheckNumberField(QLineEdit* box);
    void FocusField(int index);
    void ShowPopupMenu(const QPoint& globalPos);
    void OnMenuCommand(int command);
    void ShowAboutBox();
    void ResetSystem();
    void OnOK();
    void OnClose();
    // The chart with the system name at (10, 10) as a 16-colour BMP file,
    // proposed as "<system name>.bmp" in the documents folder.
    void SaveChartBitmap();
    // The chart as drawn now as a PNG picture at twice its pixels, or as a
    // PDF page (A4 landscape) with the system name, chosen in a save dialog.
    void ExportChartPicture();

    // --- chart view and printing (main/chartcommands.cpp) -------------------
    // The chart with the readout line under it, the families as last
    // chosen, and the print shortcut; made with the controls.
    QLayout* CreateChartColumn();
    // The submenu "線図の表示" with one check item per line family.
    QMenu* CreateFamiliesMenu(QWidget* parent);
    // Shows or hides the family of check item command (35810 … 35814) and
    // remembers the choice for the next run.
    void SetFamilyShown(int command, bool shown);
    // The print dialog and, when the user prints, the chart page.
    void PrintChart();

    // The context menu as ShowPopupMenu offers it (items carry their command
    // number as objectName and as data). The caller owns it.
    QMenu* CreatePopupMenu();

    // --- tool windows --------------------------------------------------------
    // Opens the window of a tool-window object modeless, unless it is open.
    void OpenToolWindow(CToolDlg* tool);
    // A tool window was closed by its user: its window goes, the object
    // stays for the next opening.
    void OnToolWindowClosed(CToolDlg* tool);
    // The view-range dialog: the chart's range shown, changed on OK.
    void OnViewRangeDialog();

    // --- members -----------------------------------------------------------
    // The tool windows beside the chart: the objects live until finish or
    // close; their windows come and go.
    CGeneralDlgJ* m_pCalculatorDlg = nullptr;
    CCoilCapDlgJ* m_pCoilCapDlg = nullptr;

    int m_nFocusField = 0;  // 0 system, 1 Db, 2 Wb, 3 Rh, 4 Dp, 5 Hi, 6 Xi

    CFieldEdit* m_editName = nullptr;
    CFieldEdit* m_editPressure = nullptr;
    CFieldEdit* m_editSystem = nullptr;
    QLabel* m_staticHiLabel = nullptr;
    QComboBox* m_comboUnit = nullptr;
    QComboBox* m_comboRange = nullptr;
    CStaticGraph* m_Graph = nullptr;
    QLabel* m_staticReadout = nullptr;
    QPushButton* m_btnAutoCalc = nullptr;
    // The capacity result window's object; its window comes and goes.
    CAutoEQC_ResultDlg* m_pEqcResultDlg = nullptr;

    QString m_strPressure = QStringLiteral("1013.25");  // hPa
    QString m_strSystem;
    QString m_strName;
    QString m_strDb;
    QString m_strWb;
    QString m_strRh;
    QString m_strDp;
    QString m_strHi;
    QString m_strXi;
    QString m_strDn;

    QIcon m_hIcon;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A change of the interface's language: see RetranslateUi.
    void changeEvent(QEvent* event) override;
    // Escape never ends the dialog; the close box goes through closeEvent.
    void reject() override {}

  private:
    // The run; made before the controls that show it.
    CZephRun* m_run = nullptr;
    // How the run asks the user and presents its processes' results.
    std::unique_ptr<CWindowPrompt> m_prompt;
    std::unique_ptr<CRunHistory> m_history;
    std::unique_ptr<CRunDocument> m_document;

    void BuildControls();
    void OnInitDialog();
    bool HandleKey(QWidget* target, QKeyEvent* event);
    void OnFieldFocusIn(CFieldEdit* box, Qt::FocusReason reason);
    void OnFieldFocusOut(CFieldEdit* box, Qt::FocusReason reason);
    bool CheckEntryFields();
    // Value box 1 … 6 (Db, Wb, Rh, Dp, Hi, Xi), 7 the specific weight.
    CFieldEdit* ValueBox(int index) const;

    // Process buttons: each runs its dialog and, on OK, its operation.
    void OnShfCommand();
    void OnHeatCommand();
    void OnMixCommand();
    void OnHumidifyCommand();
    void OnSlopeCommand();
    void OnDeltaCommand();
    void OnShowPointCommand();
    void OnCapCommand();
    // Tool windows: made with the dialog, deleted by finish and close.
    void CreateToolWindows();
    // The window goes when the user closes it.
    void ConnectToolWindow(CToolDlg* tool);
    void DeleteToolWindows();

    CFieldEdit* m_editDb = nullptr;
    CFieldEdit* m_editWb = nullptr;
    CFieldEdit* m_editRh = nullptr;
    CFieldEdit* m_editDp = nullptr;
    CFieldEdit* m_editHi = nullptr;
    CFieldEdit* m_editXi = nullptr;
    CFieldEdit* m_editDn = nullptr;
    std::unique_ptr<zeph::CEngineMessageGuard> m_engineMessages;
    // The file library's dialogs and messages go through zeph::Ui().
    std::unique_ptr<zeph::CFileUiGuard> m_fileDialogs;
    // The user edited a property box while a calculated point was pending:
    // that point no longer matches the boxes and was withdrawn.
    bool m_bWithdrawn = false;
    bool m_bFitted = false;
    // The right-hand panel, which scrolls on short screens, and what it
    // holds.
    QScrollArea* m_rightPanel = nullptr;
    QWidget* m_rightPanelContents = nullptr;
    // What sets each text of the window in the language of the interface,
    // run when the text is made and again when the language changes.
    std::vector<std::function<void()>> m_texts;

    // Sets a text now and on every change of language (apply calls tr()).
    void OnText(std::function<void()> apply);
    // A label of this window showing text(), in the interface's language.
    QLabel* Label(std::function<QString()> text);
    // Gives the right-hand panel the width its texts need.
    void FitRightPanel();
    // The language changed: the window's texts, font and title, the chart's
    // titles and the undo history's names follow it, and the tool windows
    // and the capacity result window are made anew in it, each open one
    // again where it was with what was typed in it.
    void RetranslateUi();

    // A property box (1 … 6) edited by the user.
    void OnValueEdited(CFieldEdit* box);
    // Sizes and places the window inside the available area of its screen.
    void FitToScreen();
    // Asks whether to record the run in the report file and writes it, asking
    // again after a failed or cancelled write, until it is written or
    // declined.
    void OfferReport();
};
