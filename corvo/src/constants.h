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

}  // namespace corvo::k
