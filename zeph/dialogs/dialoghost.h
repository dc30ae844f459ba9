#pragma once

#include <QString>

#include "corvo/zephdata.h"

class QWidget;

// What a process dialog or tool window may ask of the window that opened
// it: the points on the chart, the message of an error code, the unit mode,
// the pressure and the chart (to place itself over its corner). Dialogs see
// only this, never the main window itself.
class CDialogHost {
  public:
    // Number of points of the current system; valid point numbers are
    // 1 … GetPointCount().
    virtual int GetPointCount() const = 0;
    // The state of point n; the failed-state record for an invalid number.
    virtual _CORVO GetPointValues(int n) const = 0;
    // Shows the message of error code 1 … 17 (question icon, OK).
    virtual void ShowError(int code) = 0;
    // 0 kcal units (kcal/kg, kcal/h); 1 SI (kJ/kg, W).
    virtual int UnitMode() const = 0;
    // The atmospheric pressure as the user typed it, hPa.
    virtual QString PressureText() const = 0;
    // The chart control; dialogs open with their top-left corner on its
    // top-left corner.
    virtual QWidget* ChartWidget() const = 0;

  protected:
    ~CDialogHost() = default;
};
