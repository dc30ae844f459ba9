#pragma once

// What the coil step of the capacity calculation hands on: the points it
// added (numbers in the point list of the current system) and the air flows
// found for the maximum load.
struct CoilSolution {
    int RM = 0;       // the room point
    int X = 0;        // the supply-air point (the coil outlet, or "S.A" after reheat)
    int D = 0;        // the bypass point "B.P"; 0 when there is none
    int U = 0;        // the last coil point ("OFF")
    double P = 0.0;   // pressure, hPa
    double Qa = 0.0;  // air flow that carries the maximum load, m³/h
    double C = 0.0;   // air flow with the bypass, m³/h; 0 when there is none
    double R = 0.0;   // reheat, kcal/h
};

namespace zeph {

// The message that ends a capacity run whose air flow cannot be found.
inline constexpr const char* kNoAirflowText =
    "送風量を算出できません。吹出温度または負荷を見直して下さい。";
// The message that ends a capacity run whose result holds no number.
inline constexpr const char* kNoResultText =
    "計算結果が数値になりません。入力条件を見直して下さい。";

}  // namespace zeph
