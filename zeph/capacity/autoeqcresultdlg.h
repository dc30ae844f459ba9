#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "run/autocalret.h"

class CDialogHost;
class QDialog;
class QWidget;

// "空調機選定ダイアログ": the sizing of one room's unit, shown beside the
// chart. The object lives as long as its owner and keeps the result it
// shows; its window is created on demand and destroyed when it closes. The
// window tells the owner through closed() and the owner destroys it; with
// no owner it closes itself. Units are fixed (kcal/h, kW, CMH) whatever the
// main window's unit.
class CAutoEQC_ResultDlg : public QObject {
    Q_OBJECT

  public:
    enum : int {
        IDD = 345,
        IDC_OK = 1,
        IDC_TOTAL_KCAL = 5183,
        IDC_TOTAL_KW = 5184,
        IDC_SENSIBLE_KCAL = 5185,
        IDC_SENSIBLE_KW = 5186,
        IDC_OA_LOAD_KCAL = 5187,
        IDC_OA_LOAD_KW = 5188,
        IDC_FAN_KCAL = 5189,
        IDC_FAN_KW = 5190,
        IDC_CORRECTION_REHEAT_KW = 5191,
        IDC_SYSTEM_REHEAT_KW = 5192,
        IDC_TOTAL_AIRFLOW = 5193,
        IDC_BYPASS1 = 5194,
        IDC_BYPASS2 = 5195,
        IDC_COIL_MAX = 5196,
        IDC_COIL_MIN = 5197,
        IDC_OA_FLOW = 5198,
        IDC_AIR_CHANGES = 5199,
        IDC_SUPPLY_DB = 5200,
    };
    // The window's answers in closed().
    enum : int { kClosedOk = 1, kClosedCancel = 2 };

    // owner: the window the result belongs to (its chart places this one);
    // ownerWindow: the parent of the window, so that it takes input while
    // the owner runs modally. Either may be null.
    CAutoEQC_ResultDlg(CDialogHost* owner, QWidget* ownerWindow, QObject* parent = nullptr);
    ~CAutoEQC_ResultDlg() override;

    // Keeps result for the window; an open window shows it at once.
    void SetResult(const CAutoCal_Ret& result);
    const CAutoCal_Ret& Result() const { return m_result; }
    // Creates the window, modeless, its top-left corner on the owner's
    // chart; nothing when it is already open.
    void Create();
    void DestroyWindow();
    bool IsOpen() const { return !m_window.isNull(); }
    QDialog* Window() const { return m_window; }

    // The text static id (5183 … 5200) shows for result.
    static QString FieldText(int id, const CAutoCal_Ret& result);

  Q_SIGNALS:
    // The window was closed by OK (kClosedOk) or by Cancel, Escape or its
    // close box (kClosedCancel).
    void closed(int how);

  private:
    void Fill();
    void OnWindowClosed(int how);

    CDialogHost* m_owner;
    QPointer<QWidget> m_ownerWindow;
    QPointer<QDialog> m_window;
    CAutoCal_Ret m_result;
};
