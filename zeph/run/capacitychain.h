#pragma once

#include <QCoreApplication>

#include "run/eqcconditions.h"

class CZephRun;

// The capacity calculation: adds the room, coil, bypass and outdoor-air
// points for the stored conditions to the run, through the same point
// services and processes the user has, sizes the unit from them and stores
// the result. Loads in kcal/h, air flows in m³/h, enthalpies in kcal/kg.
class CCapacityChain {
    Q_DECLARE_TR_FUNCTIONS(CCapacityChain)

  public:
    explicit CCapacityChain(CZephRun& run) : m_run(run) {}

    // Sizes the unit for the conditions c (simple cycle or bypass control);
    // false when the run stops, its message said, with no result stored.
    // Points added before the stop stay: the caller decides what to keep.
    bool Run(const EqcConditions& c);

  private:
    // What the coil step hands on: the points it added (numbers in the point
    // list of the current system) and the air flows for the maximum load.
    struct CoilSolution {
        int RM = 0;       // the room point
        int X = 0;        // the supply-air point (the coil outlet, or "S.A" after reheat)
        int D = 0;        // the bypass point "B.P"; 0 when there is none
        int U = 0;        // the last coil point ("OFF")
        double P = 0.0;   // pressure, hPa
        double Qa = 0.0;  // air flow that carries the maximum load, m³/h
        double C = 0.0;   // air flow with the bypass, m³/h; 0 when there is none
        double R = 0.0;   // reheat, kcal/h
    };

    // Steps of the calculation. Each returns false when the run stops (its
    // message shown), with no result.
    bool CalcSimpleCycle(const EqcConditions& c);
    bool CalcBypassControl(const EqcConditions& c);
    bool SolveCoilAndAirflow(const EqcConditions& c, CoilSolution* s);
    // The air flow for the maximum load with the fan load it causes, m³/h;
    // T (supply temperature) is raised to what the coil reaches and shf
    // takes the last SHF. 0 (after a message) when it is not found.
    double IterateFanLoad(int RM, const EqcConditions& c, double& T, double& shf);
    bool AddOutdoorAirAndBuild(int system, const EqcConditions& c, const CoilSolution& s,
                               double minCoilAirflow);
    bool BuildCapacityResult(int system, const EqcConditions& c, const CoilSolution& s, int oaPoint,
                             int mixPoint, double minCoilAirflow);
    // Solves the point name from its dry bulb and wet bulb (or relative
    // humidity) at P and adds it; true when the list grew by it.
    bool AddCapacityPoint(const QString& name, double db, bool wetBulb, double value, double P);
    // Accepts the point a process left pending (produced: the process's
    // result), as Yes does; true when the list grew by it.
    bool AcceptCapacityPoint(bool produced);
    // The air flow (m³/h) that carries heat Q (kcal/h) between points a, b.
    double AirflowBetween(int a, int b, double Q) const;
    static double FanLoadOf(double airflow);
    // The run cannot find an air flow that carries the load.
    void NoAirflow();

    CZephRun& m_run;
};

namespace zeph {

// The message that ends a capacity run whose air flow cannot be found, as
// the source of its translations (CCapacityChain::tr).
inline constexpr const char* kNoAirflowText = QT_TRANSLATE_NOOP(
    "CCapacityChain", "送風量を算出できません。吹出温度または負荷を見直して下さい。");
// The message that ends a capacity run whose result holds no number.
inline constexpr const char* kNoResultText =
    QT_TRANSLATE_NOOP("CCapacityChain", "計算結果が数値になりません。入力条件を見直して下さい。");

}  // namespace zeph
