#pragma once

// The layout of the run file, shared by its writer, its reader and the
// test of a run before it is saved: the keys, the number fields of each
// record with the bounds of their values. docs/run-file.md follows this
// file.

#include <QLatin1String>

#include <iterator>

#include "corvo/zephdata.h"
#include "run/autocalret.h"
#include "run/eqcconditions.h"
#include "run/runstate.h"

namespace zeph::runfile {

inline constexpr QLatin1String kFormatName("zeph-run");
// A negative zero: a JSON number cannot carry its sign through the reader,
// so it is written as this text.
inline constexpr QLatin1String kNegativeZero("-0");

// How deep objects and arrays nest in a file (the layout needs five
// levels), and how many there are: one per point, two per finished system
// and one per capacity result, with room to spare.
inline constexpr int kMaxDepth = 64;
inline constexpr qsizetype kMaxContainers = 400000;

// Inclusive bounds of a number field; with zeroToo, 0 ("not entered") is
// allowed as well.
struct Bounds {
    double min;
    double max;
    bool zeroToo = false;

    constexpr bool Contains(double v) const {
        return (v >= min && v <= max) || (zeroToo && v == 0.0);
    }
};

// Wide enough for every value the engine writes into a record, its failure
// mark 999 included, and for the differences of two states; narrow enough
// that the chart can place them.
inline constexpr Bounds kTemperature{-1000.0, 1000.0};       // °C
inline constexpr Bounds kRelativeHumidity{-1000.0, 1000.0};  // %
inline constexpr Bounds kHumidityRatio{-1000.0, 1000.0};     // kg/kg(DA)
inline constexpr Bounds kEnthalpy{-1.0e4, 1.0e4};            // kcal/kg(DA)
inline constexpr Bounds kVapourPressure{-1.0e4, 1.0e4};      // hPa
inline constexpr Bounds kDensity{-1000.0, 1000.0};           // kg(DA)/m³
// Loads (kcal/h), air flows (m³/h), areas, heights and rates.
inline constexpr Bounds kAmount{-1.0e12, 1.0e12};
// Atmospheric pressure, hPa: the range the program takes.
inline constexpr Bounds kPressure{300.0, 1200.0};
// The pressure of the capacity calculation: 0 until entered.
inline constexpr Bounds kCapacityPressure{kPressure.min, kPressure.max, true};
// The view range: the engine solves −50 … 100 °C.
inline constexpr Bounds kViewDb{-100.0, 100.0};
inline constexpr Bounds kViewXi{0.0, 1.0};

// The styles a point record may have (zeph::PointStyle).
inline constexpr int kMinStyle = 0;
inline constexpr int kMaxStyle = 3;
// The capacity calculation's systems: simple cooling cycle, bypass control.
inline constexpr int kMaxCapacitySystem = 1;
inline constexpr int kMaxUnitMode = 1;
inline constexpr int kPresetCount = static_cast<int>(std::size(kRangePresets));

template <typename Record>
struct NumberField {
    QLatin1String key;
    double Record::*member;
    Bounds bounds;
};

// The thirteen values of a point record, with the record's names.
inline constexpr NumberField<CZephData> kPointNumbers[] = {
    {QLatin1String("Db"), &CZephData::Db, kTemperature},
    {QLatin1String("Db1"), &CZephData::Db1, kTemperature},
    {QLatin1String("Db2"), &CZephData::Db2, kTemperature},
    {QLatin1String("Wb"), &CZephData::Wb, kTemperature},
    {QLatin1String("Rh"), &CZephData::Rh, kRelativeHumidity},
    {QLatin1String("Dp"), &CZephData::Dp, kTemperature},
    {QLatin1String("Hi"), &CZephData::Hi, kEnthalpy},
    {QLatin1String("Xi"), &CZephData::Xi, kHumidityRatio},
    {QLatin1String("Xi1"), &CZephData::Xi1, kHumidityRatio},
    {QLatin1String("Xi2"), &CZephData::Xi2, kHumidityRatio},
    {QLatin1String("Px"), &CZephData::Px, kVapourPressure},
    {QLatin1String("Dn"), &CZephData::Dn, kDensity},
    {QLatin1String("Mt"), &CZephData::Mt, kTemperature},
};
static_assert(std::size(kPointNumbers) * sizeof(double) == sizeof(_CORVO),
              "every value of a point record goes into the file");

inline constexpr NumberField<ViewRange> kViewRangeNumbers[] = {
    {QLatin1String("maxDb"), &ViewRange::maxDb, kViewDb},
    {QLatin1String("minDb"), &ViewRange::minDb, kViewDb},
    {QLatin1String("maxXi"), &ViewRange::maxXi, kViewXi},
    {QLatin1String("minXi"), &ViewRange::minXi, kViewXi},
};

inline constexpr NumberField<EqcConditions> kConditionNumbers[] = {
    {QLatin1String("pressure"), &EqcConditions::pressure, kCapacityPressure},
    {QLatin1String("outdoorDb"), &EqcConditions::outdoorDb, kTemperature},
    {QLatin1String("outdoorWb"), &EqcConditions::outdoorWb, kTemperature},
    {QLatin1String("outdoorAirflow"), &EqcConditions::outdoorAirflow, kAmount},
    {QLatin1String("roomDb"), &EqcConditions::roomDb, kTemperature},
    {QLatin1String("roomRh"), &EqcConditions::roomRh, kRelativeHumidity},
    {QLatin1String("floorArea"), &EqcConditions::floorArea, kAmount},
    {QLatin1String("ceilingHeight"), &EqcConditions::ceilingHeight, kAmount},
    {QLatin1String("airChangeRate"), &EqcConditions::airChangeRate, kAmount},
    {QLatin1String("fanLoad"), &EqcConditions::fanLoad, kAmount},
    {QLatin1String("maxSensible"), &EqcConditions::maxSensible, kAmount},
    {QLatin1String("maxLatent"), &EqcConditions::maxLatent, kAmount},
    {QLatin1String("minSensible"), &EqcConditions::minSensible, kAmount},
    {QLatin1String("minLatent"), &EqcConditions::minLatent, kAmount},
    {QLatin1String("contactFactor"), &EqcConditions::contactFactor, kAmount},
    {QLatin1String("supplyTemp"), &EqcConditions::supplyTemp, kTemperature},
};
// The room name, the system and the numbers above: a field added to the
// record and not to the file stops the build here.
static_assert(sizeof(EqcConditions) ==
                  sizeof(QString) + sizeof(double) * (1 + std::size(kConditionNumbers)),
              "every capacity condition goes into the file");

inline constexpr NumberField<CAutoCal_Ret> kResultNumbers[] = {
    {QLatin1String("pressure"), &CAutoCal_Ret::pressure, kCapacityPressure},
    {QLatin1String("floorArea"), &CAutoCal_Ret::floorArea, kAmount},
    {QLatin1String("ceilingHeight"), &CAutoCal_Ret::ceilingHeight, kAmount},
    {QLatin1String("totalAirflow"), &CAutoCal_Ret::totalAirflow, kAmount},
    {QLatin1String("outdoorAirflow"), &CAutoCal_Ret::outdoorAirflow, kAmount},
    {QLatin1String("coilAirflowMax"), &CAutoCal_Ret::coilAirflowMax, kAmount},
    {QLatin1String("coilAirflowMin"), &CAutoCal_Ret::coilAirflowMin, kAmount},
    {QLatin1String("bypassAirflow1"), &CAutoCal_Ret::bypassAirflow1, kAmount},
    {QLatin1String("bypassAirflow2"), &CAutoCal_Ret::bypassAirflow2, kAmount},
    {QLatin1String("airChangeRate"), &CAutoCal_Ret::airChangeRate, kAmount},
    {QLatin1String("mixDb"), &CAutoCal_Ret::mixDb, kTemperature},
    {QLatin1String("mixWb"), &CAutoCal_Ret::mixWb, kTemperature},
    {QLatin1String("coilOutDb"), &CAutoCal_Ret::coilOutDb, kTemperature},
    {QLatin1String("coilOutWb"), &CAutoCal_Ret::coilOutWb, kTemperature},
    {QLatin1String("supplyDb"), &CAutoCal_Ret::supplyDb, kTemperature},
    {QLatin1String("supplyWb"), &CAutoCal_Ret::supplyWb, kTemperature},
    {QLatin1String("outdoorAirLoad"), &CAutoCal_Ret::outdoorAirLoad, kAmount},
    {QLatin1String("fanLoad"), &CAutoCal_Ret::fanLoad, kAmount},
    {QLatin1String("systemReheat"), &CAutoCal_Ret::systemReheat, kAmount},
    {QLatin1String("loadCorrectionReheat"), &CAutoCal_Ret::loadCorrectionReheat, kAmount},
    {QLatin1String("sensibleCapacity"), &CAutoCal_Ret::sensibleCapacity, kAmount},
    {QLatin1String("totalCapacity"), &CAutoCal_Ret::totalCapacity, kAmount},
};
static_assert(std::size(kResultNumbers) == std::size(kCapacityNumbers),
              "every number of a capacity result goes into the file");

// The keys. Root:
inline constexpr QLatin1String kKeyFormat("format");
inline constexpr QLatin1String kKeyVersion("version");
inline constexpr QLatin1String kKeyPressure("pressure");
inline constexpr QLatin1String kKeyUnitMode("unitMode");
inline constexpr QLatin1String kKeyViewRange("viewRange");
inline constexpr QLatin1String kKeyRangePreset("rangePreset");
inline constexpr QLatin1String kKeySystem("system");
inline constexpr QLatin1String kKeyFinishedSystems("finishedSystems");
inline constexpr QLatin1String kKeyCapacity("capacity");
// A system, the current or a finished one:
inline constexpr QLatin1String kKeyName("name");
inline constexpr QLatin1String kKeyPointNo("pointNo");
inline constexpr QLatin1String kKeyPoints("points");
// A point, besides its values:
inline constexpr QLatin1String kKeyNumber("n");
inline constexpr QLatin1String kKeyStyle("style");
// The capacity sizing:
inline constexpr QLatin1String kKeyConditions("conditions");
inline constexpr QLatin1String kKeyLastResult("lastResult");
inline constexpr QLatin1String kKeyLastResultPending("lastResultPending");
inline constexpr QLatin1String kKeyArchivedResults("archivedResults");
// In the conditions and a result, besides the numbers:
inline constexpr QLatin1String kKeyRoomName("roomName");
inline constexpr QLatin1String kKeyCapacitySystem("system");

}  // namespace zeph::runfile
