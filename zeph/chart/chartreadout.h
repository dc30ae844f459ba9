#pragma once

#include <QString>

// The text of the cursor readout under the chart for the state of dry bulb
// db (°C) and humidity ratio x (kg/kg(DA)) at total pressure P (hPa), in
// unit mode 0 (kcal/kg(DA)) or 1 (kJ/kg(DA)):
//   "DB 26.0 ℃  RH 50.0 %  WB 18.7 ℃  DP 14.8 ℃  h 12.68 kcal/kg(DA)  x 0.01050 kg/kg(DA)  v 0.862
//   m³/kg"
// The values are those of the engine's dry-bulb / humidity-ratio solver, as
// the point box shows them for that pair. Above saturation the text is
// "過飽和"; a state the solver cannot complete gives an empty text. The
// engine's error messages are kept from the user meanwhile.
QString ReadoutText(double db, double x, double P, int unitMode);
