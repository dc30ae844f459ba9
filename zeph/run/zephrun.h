#pragma once

#include <QObject>
#include <QString>

#include "run/runstate.h"

// One run of the program: the points of the current system, the current
// point, the finished systems, the settings the points are solved and shown
// with, and the capacity sizing (see RunState). Windows present it and
// follow its notifications; nothing here needs a display.
class CZephRun : public QObject {
    Q_OBJECT

  public:
    explicit CZephRun(QObject* parent = nullptr);
    ~CZephRun() override;

    const RunState& State() const { return m_state; }

    // --- the points of the current system --------------------------------
    // Valid point numbers are 1 … GetPointCount().
    int GetPointCount() const;
    // The values of point n; the failed-state record (999 in the state
    // fields) for a number outside 1 … GetPointCount().
    _CORVO GetPointValues(int n) const;
    // The name of point n; empty for a number outside the list.
    QString GetPointName(int n) const;
    // A point record: the values with style, number and name.
    static CZephData MakePointRecord(const _CORVO& values, int number, const QString& name,
                                     int style);
    // True when the state lies in the view range.
    bool InDisplayRange(const _CORVO& values) const;
    // add 1: the current point joins the list with the next number (its
    // auxiliary temperature stays with the process); any other value adds
    // nothing. Returns the number of the last point added.
    int AddCurrentPoint(int add);
    // Appends record as it is; the numbering is not touched.
    void AppendPoint(const CZephData& record);
    // Continues the numbering after number (a list filled by AppendPoint).
    void SetPointNo(int number);
    // The list replaced by points as they are; the numbering is not touched.
    void SetPoints(const QList<CZephData>& points);

    // --- the current point -------------------------------------------------
    void SetCurrent(const CurrentPoint& current);
    void ClearCurrent();
    void SetCurrentPending(int pending);
    void SetCurrentStyle(int style);
    void SetCurrentName(const QString& name);

    // --- settings ----------------------------------------------------------
    // The pressure text is kept as accepted (hPa); the chart is drawn at it.
    void SetPressureText(const QString& text);
    void SetUnitMode(int mode);
    void SetViewRange(const ViewRange& range);

    // --- systems -------------------------------------------------------------
    struct ResetOutcome {
        bool capacityArchived = false;  // a capacity result went with the system
        bool systemFinished = false;    // the points were archived and emptied
    };
    // Reset: the current points join the archive; a capacity result not yet
    // archived goes with them, once, and the conditions are cleared. When
    // the archive grew, the system named systemName is finished: the list is
    // emptied, the current point cleared and the numbering starts again.
    ResetOutcome ResetSystem(const QString& systemName);
    // Finish: the last system (named systemName), its points and a capacity
    // result not yet archived join the archive, which then holds the whole
    // run for the report. The points stay until EndRun.
    void FinishRun(const QString& systemName);
    // After the finish: the list emptied, nothing pending.
    void EndRun();
    // "System n" for the system being drawn.
    QString NextSystemName() const;

    // --- capacity sizing ---------------------------------------------------
    void SetEqcInput(const EqcConditions& conditions);
    // A new result: one of an earlier calculation of this system not yet
    // archived goes to the archive first, so every result is archived once.
    void SetCapacityResult(const CAutoCal_Ret& result);

    // The state a run starts with.
    void Restart();

  Q_SIGNALS:
    // The list of points changed.
    void pointsChanged();
    // The current point changed.
    void currentPointChanged();
    // Systems were archived, or the capacity conditions or result changed.
    void systemChanged();
    // The pressure, unit mode or view range changed.
    void viewChanged();

  private:
    RunState m_state;
};
