#pragma once

#include <QString>

#include "run/strings.h"  // RangePrompt

// The values a numeric field may hold: what real plant can be and what the
// engine can take. A value outside is refused in its field with
// RangePrompt and the focus on the field, before anything is calculated.
namespace zeph {

// Inclusive bounds of a field's value, in the unit the field is typed in.
struct FieldRange {
    double min;
    double max;

    constexpr bool Contains(double v) const { return v >= min && v <= max; }
};

// Dry bulb of air, °C: the engine solves states from −50 to 100 °C.
inline constexpr FieldRange kAirTempRange{-50.0, 100.0};
// A temperature difference of air, K: at most the span of the engine's
// states.
inline constexpr FieldRange kTempDiffRange{kAirTempRange.min - kAirTempRange.max,
                                           kAirTempRange.max - kAirTempRange.min};
// Air volume, m³/h.
inline constexpr FieldRange kAirVolumeRange{0.0, 1e9};
// Heat, kcal/h or W as typed.
inline constexpr FieldRange kHeatRange{0.0, 1e9};
// Heat in the calculator, which also relates a heat taken away.
inline constexpr FieldRange kSignedHeatRange{-kHeatRange.max, kHeatRange.max};
// Enthalpy difference in the calculator, kcal/kg or kJ/kg as typed.
inline constexpr FieldRange kEnthalpyDiffRange{-1000.0, 1000.0};
// Sensible heat factor: the sensible share of a heat.
inline constexpr FieldRange kShfRange{0.0, 1.0};
// Volume of A over volume of B in a mixing.
inline constexpr FieldRange kMixRatioRange{0.0, 1e6};
// Room volume, m³.
inline constexpr FieldRange kRoomVolumeRange{0.0, 1e7};
// Air changes per hour.
inline constexpr FieldRange kAirChangesRange{0.0, 1000.0};
// Atmospheric pressure of the chart and its processes, hPa.
inline constexpr FieldRange kPressureRange{300.0, 1200.0};

// Characters a numeric field takes: far more than any value needs, few
// enough that typing on and on cannot make each keystroke slow.
inline constexpr int kMaxNumberChars = 64;

// Hot water for humidifying, °C: from freezing up to the hottest water
// whose saturated air the engine can solve (its vapour-pressure limit),
// rounded down to a tenth so that the bound shown can itself be typed.
FieldRange HotWaterTempRange();

}  // namespace zeph
