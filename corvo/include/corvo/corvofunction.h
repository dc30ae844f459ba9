#pragma once

#include "corvo/corvo_export.h"
#include "corvo/zephdata.h"

// Moist-air property formulas. Units throughout (never converted here):
// temperatures °C; vapour pressure and total pressure hPa; humidity ratio
// kg/kg(DA); relative humidity %; specific volume m³/kg(DA); density
// kg(DA)/m³; enthalpy in the unit of the unit factor (kcal/kg(DA) by
// default). Out-of-range results are the value 999, never an exception.
class CORVO_API CCorvoFunction : public CZephData {
  public:
    CCorvoFunction();
    CCorvoFunction(const CCorvoFunction& other);
    CCorvoFunction& operator=(const CCorvoFunction& other);
    ~CCorvoFunction() override;

    // Saturation vapour pressure at t (°C), hPa: over water for t > 0,
    // over ice for t <= 0 (0 °C itself takes the ice branch).
    double Vpre(double t) const;
    // Humidity ratio from vapour pressure pw and total pressure P (hPa):
    // ε·pw/(P − pw); 999 if negative.
    double Abs_p(double pw, double P) const;
    // Vapour pressure (hPa) of humidity ratio xi at total pressure P:
    // P·xi/(ε + xi); 999 if negative.
    double Vp_xi(double xi, double P) const;
    // Relative humidity (%) of vapour pressure pw (hPa) at dry bulb db;
    // 999 when pw/Vpre(db) lies outside 0…1.
    double Hum_db(double db, double pw) const;
    // Vapour pressure (hPa) at dry bulb db and relative humidity rh (%);
    // 999 outside 0…100 hPa.
    double Vp_dbrh(double db, double rh) const;
    // Dew point (°C) of vapour pressure pw (hPa); 999 below Vpre(−100).
    double Dew_t(double pw) const;
    // Temperature (°C) at which air of relative humidity rh (%) has vapour
    // pressure pw (hPa).
    double Dew_prh(double pw, double rh) const;
    // Humidity ratio from dry bulb and wet bulb (°C), wet bulb over water.
    double Ab_dww(double db, double wb, double P) const;
    // The same with the wet bulb over ice.
    double Ab_dwi(double db, double wb, double P) const;
    // Dry bulb (°C) from humidity ratio and wet bulb, over water.
    double Db_xiwbw(double xi, double wb, double P) const;
    // The same over ice.
    double Db_xiwbi(double xi, double wb, double P) const;
    // Wet bulb (°C) of dry bulb db and humidity ratio xi; 999 out of range.
    double Wb_dbxi(double db, double xi, double P) const;
    // Specific volume of dry air, m³/kg: Rda·(db + T0)/(100·P).
    double DryAir_Svol(double db, double P) const;
    // Specific volume of moist air, m³/kg(DA): (Rw·xi + Rda)·(db + T0)/(100·P).
    double Svol(double db, double xi, double P) const;
    // Dry bulb (°C) from specific volume v (m³/kg(DA)) and humidity ratio.
    double Db_vxi(double v, double xi, double P) const;
    // Humidity ratio from specific volume v and dry bulb.
    double Ab_vdb(double v, double db, double P) const;
    // Density of dry air, kg/m³.
    double DryAir_Spedn(double db, double P) const;
    // Density of moist air, kg(DA)/m³.
    double Spedn(double db, double xi, double P) const;
    // Enthalpy (cpa·db + (cpw·db + r0)·xi) in the unit factor's unit.
    double Entalpy(double db, double xi) const;
    // Humidity ratio from enthalpy h and dry bulb.
    double Ab_hidb(double h, double db) const;
    // Dry bulb (°C) from enthalpy h and humidity ratio.
    double Db_hixi(double h, double xi) const;
    // Enthalpy of steam at t (°C).
    double Steam_Entalpy(double t) const;
    // Display factor for a value computed in kcal units: mode 0 → 1.0,
    // 1 → W (1.1627899991879058), 2 → kJ (4.18605157382981), else 0.0.
    double CALWKJ(int mode) const;
    // Sets the unit factor: 0 kcal (0.2388886), 1 W-based (0.277777275),
    // 2 kJ (1.0); any other mode leaves it unchanged.
    void SetUnitChange(int mode);

    // Multiplier from kJ/kg to the enthalpy unit in use.
    double m_dUnitFactor;
};
