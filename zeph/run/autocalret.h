#pragma once

#include <QString>

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
};
