#pragma once

// Physical constants of the moist-air formulas (internal to the library).
namespace corvo::k {

inline constexpr double kMw = 18.01528;    // molar mass of water, kg/kmol
inline constexpr double kMa = 28.9645;     // molar mass of dry air, kg/kmol
inline constexpr double kR = 8314.472;     // universal gas constant, J/(kmol·K)
inline constexpr double kEps = kMw / kMa;  // 0.6219779385109357
inline constexpr double kRda = kR / kMa;   // 287.05732879904707 J/(kg·K)
inline constexpr double kRw = kR / kMw;    // 461.52332908508777 J/(kg·K)
inline constexpr double kT0 = 273.15;      // °C to K
inline constexpr double kCpa = 1.006;      // dry air, kJ/(kg·K)
inline constexpr double kCpw = 1.805;      // water vapour, kJ/(kg·K)
inline constexpr double kR0 = 2501.1;      // latent heat of vaporisation at 0 °C, kJ/kg
inline constexpr double kCw = 4.1855;      // liquid water in the wet-bulb relation
inline constexpr double kCi = 2.05;        // ice in the wet-bulb relation
inline constexpr double kRi = 2501.1 + 79.7 * 4.1868;  // 2834.78796, sublimation, kJ/kg

inline constexpr double kOutOfRange = 999;  // sentinel of a failed result

// Search bounds: far above the 8 to 14 passes ordinary inputs need, so
// they change no ordinary result but end every search on absurd input.
inline constexpr int kMaxCoarseSteps = 1000;
inline constexpr int kMaxRefinePasses = 500;
// The wet-bulb/enthalpy stepping search needs about 10 to 200 solver calls.
inline constexpr int kMaxWbhCalls = 100000;
// The SHF march ends in about 18 passes, but a line almost tangent to the
// outlet humidity curve needs thousands (1614 at SHF 0.4465 for a room at
// 20.25 °C / 81.5 %, outlet 91.6 %), so its bound sits well above that.
inline constexpr int kMaxShfPasses = 100000;

// Air density (kg/m³) that turns an air volume (m³/h) into a mass flow
// (kg/h) where no state record supplies one.
inline constexpr double kAirDensity = 1.20479;

}  // namespace corvo::k
