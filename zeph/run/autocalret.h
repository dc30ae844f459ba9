#pragma once

#include <QString>

#include <cmath>

// The sizing of the air-conditioning unit for one room: the result of one
// run of the capacity calculation, shown in the result window, kept by the
// main window and written to the report. Loads in kcal/h, airflows in m³/h,
// temperatures in °C. A default record has an empty name and all numbers 0.
struct CAutoCal_Ret {
    QString name;                       // room name
    int system = 0;                     // 0 simple cooling cycle, 1 bypass control
    double pressure = 0.0;              // atmospheric pressure, hPa (mb)
    double floorArea = 0.0;             // m²
    double ceilingHeight = 0.0;         // m
    double totalAirflow = 0.0;          // total supply airflow
    double outdoorAirflow = 0.0;        // outdoor-air quantity
    double coilAirflowMax = 0.0;        // through the coil at maximum load
    double coilAirflowMin = 0.0;        // through the coil at minimum load (bypass; else 0)
    double bypassAirflow1 = 0.0;        // first bypass airflow (at minimum load)
    double bypassAirflow2 = 0.0;        // second bypass airflow (at maximum load)
    double airChangeRate = 0.0;         // air changes per hour
    double mixDb = 0.0;                 // coil inlet (mixed air) dry bulb
    double mixWb = 0.0;                 // coil inlet wet bulb
    double coilOutDb = 0.0;             // coil outlet dry bulb
    double coilOutWb = 0.0;             // coil outlet wet bulb
    double supplyDb = 0.0;              // supply-air dry bulb
    double supplyWb = 0.0;              // supply-air wet bulb
    double outdoorAirLoad = 0.0;        // outdoor-air load
    double fanLoad = 0.0;               // fan load
    double systemReheat = 0.0;          // system reheat
    double loadCorrectionReheat = 0.0;  // reheat for load correction
    double sensibleCapacity = 0.0;      // air-conditioner sensible capacity
    double totalCapacity = 0.0;         // air-conditioner total capacity

    friend bool operator==(const CAutoCal_Ret&, const CAutoCal_Ret&) = default;

    // True when every number is finite: a record that is not must never be
    // shown, archived or written.
    bool AllFinite() const;
};

// The number fields of CAutoCal_Ret, in order: what the window, the archive
// and the report show of a record.
inline constexpr double CAutoCal_Ret::*kCapacityNumbers[] = {&CAutoCal_Ret::pressure,
                                                             &CAutoCal_Ret::floorArea,
                                                             &CAutoCal_Ret::ceilingHeight,
                                                             &CAutoCal_Ret::totalAirflow,
                                                             &CAutoCal_Ret::outdoorAirflow,
                                                             &CAutoCal_Ret::coilAirflowMax,
                                                             &CAutoCal_Ret::coilAirflowMin,
                                                             &CAutoCal_Ret::bypassAirflow1,
                                                             &CAutoCal_Ret::bypassAirflow2,
                                                             &CAutoCal_Ret::airChangeRate,
                                                             &CAutoCal_Ret::mixDb,
                                                             &CAutoCal_Ret::mixWb,
                                                             &CAutoCal_Ret::coilOutDb,
                                                             &CAutoCal_Ret::coilOutWb,
                                                             &CAutoCal_Ret::supplyDb,
                                                             &CAutoCal_Ret::supplyWb,
                                                             &CAutoCal_Ret::outdoorAirLoad,
                                                             &CAutoCal_Ret::fanLoad,
                                                             &CAutoCal_Ret::systemReheat,
                                                             &CAutoCal_Ret::loadCorrectionReheat,
                                                             &CAutoCal_Ret::sensibleCapacity,
                                                             &CAutoCal_Ret::totalCapacity};

inline bool CAutoCal_Ret::AllFinite() const {
    for (double CAutoCal_Ret::*field : kCapacityNumbers) {
        if (!std::isfinite(this->*field)) return false;
    }
    return true;
}
