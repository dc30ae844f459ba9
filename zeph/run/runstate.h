#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstring>

#include "corvo/zephdata.h"
#include "run/autocalret.h"
#include "run/constants.h"
#include "run/eqcconditions.h"

// State values and point records compare bit for bit: a copy equals its
// original and any change of a value differs, a NaN included.
static_assert(sizeof(_CORVO) == 13 * sizeof(double), "_CORVO holds the thirteen values only");
inline bool operator==(const _CORVO& a, const _CORVO& b) {
    return std::memcmp(&a, &b, sizeof(_CORVO)) == 0;
}
inline bool operator==(const CZephData& a, const CZephData& b) {
    return a.Style == b.Style && a.N == b.N && a.Pn == b.Pn && a.GetValues() == b.GetValues();
}

// The part of the chart a run shows: dry bulb (°C) across, humidity ratio
// (kg/kg(DA)) upward. The default is the "M" preset.
struct ViewRange {
    double maxDb = 45.0;
    double minDb = -5.0;
    double maxXi = 0.035;
    double minXi = 0.0;

    // True when the state lies inside the range, edges included.
    bool Contains(const _CORVO& v) const {
        return minDb <= v.Db && v.Db <= maxDb && minXi <= v.Xi && v.Xi <= maxXi;
    }
    friend bool operator==(const ViewRange&, const ViewRange&) = default;
};

// The presets of the range selector, "L", "M" and "H".
inline constexpr ViewRange kRangePresets[] = {
    {20.0, -30.0, 0.01, 0.0},
    {45.0, -5.0, 0.035, 0.0},
    {60.0, 0.0, 0.055, 0.0},
};

// The point the point box shows: solved, produced by a process, or a stored
// point shown again. Laid out like a point record; its number is the one
// the next accepted point gets.
struct CurrentPoint {
    int pending = 0;                // 1: waits for Yes to be added to the list
    int style = zeph::kStylePlain;  // the STYLE the record gets
    QString name;                   // the point name
    _CORVO values{};                // the thirteen state values (all 0: none)

    friend bool operator==(const CurrentPoint&, const CurrentPoint&) = default;
};

// Everything one run of the program holds: the points of the system being
// drawn, the point in the point box, the finished systems and the capacity
// sizing. Internal units: °C, %, hPa, kcal/kg(DA), kg/kg(DA), kcal/h.
struct RunState {
    QList<CZephData> points;  // the current system's points, numbered 1 …
    int pointNo = 0;          // the number the last added point got
    CurrentPoint current;

    QStringList systemNames;     // one name per finished system, in order
    QList<CZephData> allPoints;  // the points of all finished systems
    int systemCount = 0;         // systems finished by reset
    int archivedCount = 0;       // allPoints.size() at the last reset that finished one

    QString systemName;  // the name of the system being drawn, as typed

    QString pressureText = QStringLiteral("1013.25");  // the last accepted pressure, hPa
    int unitMode = 1;                                  // 0 kcal/kg, kcal/h; 1 SI (kJ/kg, W)
    ViewRange range;
    // The preset the range selector shows: 0 "L", 1 "M", 2 "H". A range set
    // in the view-range dialog leaves it as it was.
    int rangePreset = 1;

    EqcConditions eqcInput;  // the capacity conditions, loads in kcal/h
    // The last capacity result, and the results archived with their systems
    // (eqcResult is appended once, on reset or finish, while eqcPending is 1).
    int eqcPending = 0;
    CAutoCal_Ret eqcResult;
    QList<CAutoCal_Ret> eqcResults;

    friend bool operator==(const RunState&, const RunState&) = default;
};
