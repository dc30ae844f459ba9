#pragma once

#include <QString>

#include <optional>

#include "run/eqcconditions.h"

// The capacity conditions as they are entered, in the capacity dialog or a
// conditions file for zeph-batch: what OK accepts and how it is stored, one
// definition for every place they are entered.
namespace zeph {

// Highest load (kcal/h or W, as entered) and outdoor-air quantity (m³/h)
// a field takes.
inline constexpr double kMaxEqcLoad = 1000000.0;
// Lowest share of sensible heat in the maximum load the unit is sized for.
inline constexpr double kMinMaxShf = 0.6;
// Highest relative humidity of the room, %.
inline constexpr double kMaxRoomRh = 100.0;

// Loads in the display unit per kcal/h: W per kcal/h in SI mode (unit mode
// 1), 1 when loads are shown in kcal/h.
double EqcLoadFactor(int unitMode);

// The conditions as entered: the loads in the display unit, as totals and
// their sensible parts, as the dialog's boxes hold them.
struct EqcEntry {
    QString roomName;
    int system = 0;  // 0 simple cooling cycle, 1 bypass control
    double floorArea = 0.0;
    double ceilingHeight = 0.0;
    double outdoorAirflow = 0.0;
    double maxTotal = 0.0;
    double maxSensible = 0.0;
    double minTotal = 0.0;
    double minSensible = 0.0;
    double pressure = 0.0;
    double contactFactor = 0.0;
    double airChangeRate = 0.0;
    double supplyTemp = 0.0;
    double outdoorDb = 0.0;
    double outdoorWb = 0.0;
    double roomDb = 0.0;
    double roomRh = 0.0;
};

// The range of a numeric field, checked in the order of kEqcFieldRanges
// as each field is read.
struct EqcFieldRange {
    double EqcEntry::*field;
    double min;
    double max;
    bool zeroAllowed;  // 0 (an empty box) is taken as not entered
    bool bypassOnly;   // used by the bypass control only: in the simple
                       // cycle a value outside the range is taken as 0

    bool Accepts(double v) const { return (zeroAllowed && v == 0.0) || (v >= min && v <= max); }
};

inline constexpr EqcFieldRange kEqcFieldRanges[] = {
    {&EqcEntry::floorArea, EqcConditions::kMinFloorArea, EqcConditions::kMaxFloorArea, true, false},
    {&EqcEntry::ceilingHeight, EqcConditions::kMinCeiling, EqcConditions::kMaxCeiling, true, false},
    {&EqcEntry::outdoorAirflow, 0.0, kMaxEqcLoad, true, false},
    {&EqcEntry::maxTotal, 0.0, kMaxEqcLoad, true, false},
    {&EqcEntry::maxSensible, 0.0, kMaxEqcLoad, true, false},
    {&EqcEntry::minTotal, 0.0, kMaxEqcLoad, true, true},
    {&EqcEntry::minSensible, 0.0, kMaxEqcLoad, true, true},
    {&EqcEntry::pressure, 900.0, 1200.0, false, false},
    {&EqcEntry::contactFactor, 0.7, 1.0, false, false},
    {&EqcEntry::airChangeRate, 1.0, 500.0, false, false},
    {&EqcEntry::supplyTemp, 5.0, 40.0, false, false},
};

// Why OK refuses conditions whose every field is within its range: the
// message and the field it names.
struct EqcRefusal {
    double EqcEntry::*field;
    QString text;
};

// The first refusal of e, in the order OK checks: nothing entered for the
// floor, the ceiling or the maximum total; a maximum sensible load missing
// or too small a share; a sensible load above its total; for the bypass
// control a minimum load above the maximum; an outdoor wet bulb above the
// dry bulb; a room humidity above 100 %. Nothing when e may be stored.
std::optional<EqcRefusal> RefuseEqcEntry(const EqcEntry& e);

// Stores e in c, the loads divided by loadFactor (EqcLoadFactor) into
// kcal/h; the fan load of c is kept.
void StoreEqcEntry(const EqcEntry& e, double loadFactor, EqcConditions& c);

}  // namespace zeph
