#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "run/runprompt.h"
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

    // Who the run asks (not owned; nullptr: answers as pressing OK or Yes
    // would, see CRunPrompt, and an air-change table cancelled).
    void SetPrompt(CRunPrompt* prompt);
    CRunPrompt& Prompt();

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
    // kcal/kg → the unit of the unit mode: 1 in kcal mode, 4.186… kJ/kcal
    // in SI mode.
    double EnthalpyFactor() const;

    // The texts of the point box a point is solved from.
    struct PointEntry {
        QString name, db, wb, rh, dp, hi, xi;
    };
    enum class SolveOutcome {
        Refused,     // not exactly two values entered: nothing is solved
        OutOfRange,  // solved, but outside the view range
        Pending,     // the current point, waiting for Yes
    };
    // Solves the entered fields at total pressure P (hPa) through the
    // engine's entered-field dispatch: each text as typed (a number's
    // thousands separators removed), the enthalpy in the unit mode's unit.
    // The current point takes the entry's name whatever the outcome.
    SolveOutcome CalcPointAt(const PointEntry& entry, double P);
    // Point n shown again as the current point: style 3 (not drawn), pending
    // unless n is not a point (the failed record).
    void ShowStoredPoint(int n);

    // Where the process lines of a result start: the dry bulb and humidity
    // ratio of the state it came from and, for mixing, of the second source.
    struct Origins {
        double db1 = 0.0, xi1 = 0.0, db2 = 0.0, xi2 = 0.0;
    };
    static Origins OriginOf(const _CORVO& a);
    static Origins OriginOf(const _CORVO& a, const _CORVO& b);
    enum class ResultAdd {
        Pending,  // the current point, waiting for Yes
        AtOnce,   // added to the list at once, current but not pending again
    };
    // The end of a process: the record of r named label, with style and
    // origins, becomes the current point when r lies in the view range (and
    // is added at once with ResultAdd::AtOnce); true then. A state outside
    // the range changes nothing and gives false.
    bool ResultStep(const _CORVO& r, const QString& label, int style, const Origins& origins,
                    ResultAdd add);
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
    // The points after the first count removed (a run that added them
    // failed), the numbering continued after pointNo.
    void KeepFirstPoints(int count, int pointNo);

    // --- the current point -------------------------------------------------
    void SetCurrent(const CurrentPoint& current);
    void ClearCurrent();
    void SetCurrentPending(int pending);
    void SetCurrentStyle(int style);
    void SetCurrentName(const QString& name);

    // --- processes that ask nothing (processes.cpp) ---------------------------
    // A, B are point numbers, P the pressure (hPa); heat in kcal/h,
    // enthalpy in kcal/kg, air volume in m³/h. Each result becomes the
    // current point, pending (ResultStep); false when it lies outside the
    // view range, which ends the process with nothing produced.
    // The difference of A and B: not a state, so neither tested against the
    // view range nor drawn; pending unless it failed.
    void ProcDelta(int A, int B);
    bool ProcHeatByAir(int A, double Q, double V, double SHF, double P);
    bool ProcHeatByTemp(int A, double dT, double P);
    bool ProcMix(int A, int B, double ratio, double P);
    bool ProcSlopeDt(int A, int B, double dDb, double P);
    bool ProcSlopeDh(int A, int B, double dh, double P);
    // The air flow (m³/h) that carries the heat Q from the supply state at
    // tOff on the SHF line of point A; tOff is raised to what the coil
    // reaches. 0 when there is none. Adds nothing; the current point is
    // cleared.
    double AirflowForSupplyTemp(int A, double SHF, double CF, double P, double& tOff, double Q);

    // --- the end of a process, said through the prompt --------------------
    // produced: the current point is presented (ResultProduced); otherwise
    // the process is abandoned (AbandonProcess). Returns produced.
    bool PresentResult(bool produced, ResultAdd add = ResultAdd::Pending);
    // ResultStep, presented.
    bool PresentStep(const _CORVO& r, const QString& label, int style, const Origins& origins,
                     ResultAdd add);
    // Ends a process that cannot go on (a state outside the view range or a
    // failed engine call, whose own message the engine has given): the
    // range message, then nothing current (ProcessEnded).
    void AbandonProcess();
    // Ends a process that produces nothing without a message of its own.
    void EndWithoutResult();

    // --- processes that may ask (processcooling.cpp, processhumid.cpp) -------
    // Cooling along the SHF line. Returns 0 when no point was produced,
    // else the number the pending coil outlet will get, or the number of
    // the last point added at once (reheat paths); out takes the chosen
    // air-change rate.
    int ProcCooling(int autoCalc, int reheat, int A, double SHF, double CF, double P, double tSA,
                    double& out);
    int ProcReheat(int A, const _CORVO& a, int mode, double SHF, double CF, double tOff, double P,
                   double& out);
    int ProcSupplyFixedTemp(int A, const _CORVO& a, int mode, double SHF, double CF, double t,
                            double P);
    int ProcSupplyByAirChange(int A, const _CORVO& a, double SHF, double CF, double tOff, double P,
                              double& out);
    // Humidification by steam, hot water, or hot water at tw °C; true when
    // the result waits for Yes.
    bool ProcHumSteam(int A, int B, double P);
    bool ProcHumHotWater(int A, int B, double P);
    bool ProcHumHotWaterTemp(int A, int B, double tw, double P);

    // --- settings ----------------------------------------------------------
    // The pressure text is kept as accepted (hPa); the chart is drawn at it.
    void SetPressureText(const QString& text);
    void SetUnitMode(int mode);
    void SetViewRange(const ViewRange& range);
    // The range of preset index (0 "L", 1 "M", 2 "H"); another index
    // changes nothing.
    void SetRangePreset(int index);
    // The name of the system being drawn (systemNameChanged when it
    // differs).
    void SetSystemName(const QString& name);

    // --- systems -------------------------------------------------------------
    struct ResetOutcome {
        bool capacityArchived = false;  // a capacity result went with the system
        bool systemFinished = false;    // the points were archived and emptied
    };
    // Reset: the current points join the archive; a capacity result not yet
    // archived goes with them, once; the stored conditions are cleared. When
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
    // The name pictures and printed pages go by: typed, or the default name
    // of the system being drawn when typed is blank.
    QString SystemNameOr(const QString& typed) const;

    // --- capacity sizing ---------------------------------------------------
    void SetEqcInput(const EqcConditions& conditions);
    // A new result: one of an earlier calculation of this system not yet
    // archived goes to the archive first, so every result is archived once.
    void SetCapacityResult(const CAutoCal_Ret& result);
    // Sizes the unit for the stored conditions (capacitychain.cpp), their
    // room named after the system when they name none: the points are
    // added, the result stored. A run that cannot finish says why and
    // leaves points, system name, pressure and conditions as they were.
    // Nothing is pending afterwards. True when a result was stored.
    bool RunCapacityCalculation();

    // The state a run starts with.
    void Restart();

    // --- history and deleting ------------------------------------------------
    // True when a and b hold the same lasting state: everything but the
    // current point, which is transient.
    static bool SameLastingState(const RunState& a, const RunState& b);
    // The state replaced by state (a copy of State() taken earlier), with
    // nothing pending: the current point is cleared. Every notification is
    // emitted.
    void RestoreState(const RunState& state);
    // Point n (1 … GetPointCount()) removed: the points after it move up and
    // are numbered one lower, and so is the numbering. Process lines keep
    // their origins (values in each record), a deleted origin's included.
    // The current point, which may show or follow the point, is cleared.
    // False, with nothing changed, for a number outside the list.
    bool DeletePoint(int n);

  Q_SIGNALS:
    // The list of points changed.
    void pointsChanged();
    // The current point changed.
    void currentPointChanged();
    // Systems were archived, or the capacity conditions or result changed.
    void systemChanged();
    // The pressure, unit mode or view range changed.
    void viewChanged();
    // The pressure text or the system name changed (the boxes that show
    // them follow).
    void pressureTextChanged(const QString& text);
    void systemNameChanged(const QString& name);

  private:
    // Humidification's preheating: the question, and the point "Heat" added
    // at once (nothing when it lies outside the view range).
    bool PreheatAccepted();
    std::optional<_CORVO> AddPreheating(const _CORVO& a, double dT, double P);

    RunState m_state;
    CRunPrompt* m_prompt = nullptr;
};
