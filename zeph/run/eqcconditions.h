#pragma once

#include <QString>

// The conditions of the air-conditioner capacity calculation, kept by the
// main window from one opening of the capacity dialog to the next. Loads are
// held in kcal/h whatever the display unit. A number that is 0 has not been
// entered yet: the dialog then shows the default named beside it, so a
// cleared record is all zeros and an empty room name.
struct EqcConditions {
    // Shown in place of a field that is still 0.
    static constexpr double kDefaultPressure = 1013.25;    // mb
    static constexpr double kDefaultOutdoorDb = 31.7;      // °C
    static constexpr double kDefaultOutdoorWb = 26.7;      // °C
    static constexpr double kDefaultRoomDb = 25.0;         // °C
    static constexpr double kDefaultRoomRh = 50.0;         // %
    static constexpr double kDefaultAirChangeRate = 6.0;   // N/H
    static constexpr double kDefaultContactFactor = 0.95;  // coil C.F
    static constexpr double kDefaultSupplyTemp = 10.0;     // °C

    // What the room may measure: smaller makes the air-change rate run off
    // to no number at all.
    static constexpr double kMinFloorArea = 0.1;       // m²
    static constexpr double kMaxFloorArea = 100000.0;  // m²
    static constexpr double kMinCeiling = 0.1;         // m
    static constexpr double kMaxCeiling = 50.0;        // m

    QString roomName;             // "部屋名など"
    int system = 0;               // 0 simple cooling cycle, 1 bypass control
    double pressure = 0.0;        // atmospheric pressure, mb
    double outdoorDb = 0.0;       // outdoor dry bulb, °C
    double outdoorWb = 0.0;       // outdoor wet bulb, °C
    double outdoorAirflow = 0.0;  // outdoor-air quantity, m³/h
    double roomDb = 0.0;          // room dry bulb, °C
    double roomRh = 0.0;          // room relative humidity, %
    double floorArea = 0.0;       // m²
    double ceilingHeight = 0.0;   // m
    double airChangeRate = 0.0;   // air changes per hour, N/H
    double fanLoad = 0.0;         // last fan load of the calculation, kcal/h
    double maxSensible = 0.0;     // maximum sensible load, kcal/h
    double maxLatent = 0.0;       // maximum latent load (total − sensible), kcal/h
    double minSensible = 0.0;     // minimum sensible load, kcal/h
    double minLatent = 0.0;       // minimum latent load, kcal/h
    double contactFactor = 0.0;   // coil contact factor
    double supplyTemp = 0.0;      // lowest supply-air temperature, °C

    friend bool operator==(const EqcConditions&, const EqcConditions&) = default;
};
