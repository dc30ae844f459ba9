#pragma once

#include <QLatin1String>

#include "corvo/zephdata.h"

// Values that recur across the run, the main window, the process dialogs
// and the capacity calculation.
namespace zeph {

// The engine's mark of a failed state (in Db and the other state fields);
// callers compare Db with it exactly, or use corvo::IsFailed.
using corvo::kFailed;

// Density of air, kg/m³: an air flow in m³/h times an enthalpy difference
// in kcal/kg, times this, is a heat flow in kcal/h.
inline constexpr double kAirDensity = 1.20479;

// kcal/h in one kW.
inline constexpr double kKcalPerKw = 860.0;

// The outlet temperature code of the engine's cal_SHF: no outlet
// temperature fixed.
inline constexpr double kNoFixedOutlet = 99.0;

// How the chart draws a point record (its STYLE value).
enum PointStyle : int {
    kStyleProcess = 0,  // a process result, one line from its origin
    kStyleMix = 1,      // a mixing result, lines from both sources
    kStylePlain = 2,    // an entered point, no lines
    kStyleHidden = 3,   // listed (and reported) but not drawn
};

// Codes of the main window's ShowError, each with its own message.
enum ErrorCode : int {
    kErrPointNo = 1,          // point number not valid
    kErrTemperature = 2,      // temperature input invalid
    kErrShf = 3,              // SHF not within 0.5 … 1.0
    kErrContactFactor = 4,    // contact factor not within 0.7 … 1.0
    kErrEnthalpy = 5,         // enthalpy invalid
    kErrMixing = 6,           // mixing ratio invalid
    kErrAirVolume = 7,        // air volume invalid
    kErrHeat = 8,             // heat invalid
    kErrSupplyAir = 9,        // supply-air data invalid
    kErrOutdoorAir = 10,      // outdoor-air data invalid
    kErrVolume = 11,          // room volume invalid
    kErrAirChanges = 12,      // air-change rate invalid
    kErrHotWaterCold = 13,    // hot water too cold
    kErrInput = 14,           // input invalid
    kErrTooLarge = 15,        // input temperature too large
    kErrOrder = 16,           // points given in the wrong order
    kErrDewPointTooLow = 17,  // dew point of the point too low to cool
};

// The names the processes and the capacity calculation give the points they
// produce.
inline constexpr QLatin1String kLabelMix("Mix");
inline constexpr QLatin1String kLabelHeat("Heat");
inline constexpr QLatin1String kLabelHumidify("Hum");
inline constexpr QLatin1String kLabelBetween("B.P");  // on the line between two points; the bypass
inline constexpr QLatin1String kLabelCoilOff("OFF");
inline constexpr QLatin1String kLabelSupply("S.A");
inline constexpr QLatin1String kLabelRoom("RM");
inline constexpr QLatin1String kLabelOutdoor("OA");

}  // namespace zeph
