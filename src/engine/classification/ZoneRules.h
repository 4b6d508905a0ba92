#pragma once
// The zone boundaries of the three charts (coefficients c0, c1, ... of the polynomial in the
// friction ratio f that gives the boundary's log10 qc) and the ordered rules that place a
// point (L = log10 qc, f) already limited to its chart: the first rule that holds decides.
#include <array>
#include <cstdint>

namespace strelvan::zones {

// Schmertmann (1978), L from qc in ton/ft2.
inline constexpr std::array<double, 5> kS1 = {-2900.86, 2057.99, -547.598, 64.7682, -2.87225};
inline constexpr std::array<double, 7> kS2 = {0.19978,   -0.0902177, 0.272704,   -0.187661,
                                              0.0735924, -0.0133821, 0.000920133};
inline constexpr std::array<double, 6> kS3 = {0.578726, 0.299192,   -0.352595,
                                              0.267015, -0.0727431, 0.00717961};
inline constexpr std::array<double, 6> kS4 = {0.990953, 0.244625,  -0.342072,
                                              0.336144, -0.114321, 0.0146368};
inline constexpr std::array<double, 2> kS5 = {0.681837, -0.0421734};
inline constexpr std::array<double, 2> kS6 = {1.17564, -0.0893503};
inline constexpr std::array<double, 2> kS7 = {1.60931, -0.114207};
inline constexpr std::array<double, 2> kS8 = {1.87037, -0.112655};
inline constexpr std::array<double, 2> kS9 = {-0.43561, 0.406618};

// Robertson et al. (1986), L from qc in MPa.
inline constexpr std::array<double, 2> kB1 = {-1.0, 0.0345};
inline constexpr std::array<double, 2> kB2 = {-1.44034, 0.142626};
inline constexpr std::array<double, 4> kB3 = {0.00499741, -0.124229, 0.079427, -0.0628919};
inline constexpr std::array<double, 3> kB4 = {19.6545, -17.5612, 4.28702};
inline constexpr std::array<double, 2> kB5 = {2.31312, -0.318631};
inline constexpr std::array<double, 3> kB6 = {-0.326559, -0.169658, 0.0718482};
inline constexpr std::array<double, 3> kB7 = {-0.189557, -0.144502, 0.0791972};
inline constexpr std::array<double, 4> kB8 = {-0.331632, 0.437485, -0.147012, 0.0325};
inline constexpr std::array<double, 2> kB9 = {-12.3091, 3.06049};
inline constexpr std::array<double, 3> kB10 = {0.155983, 0.133037, 0.0649919};
inline constexpr std::array<double, 3> kB11 = {0.491441, 0.119893, 0.127824};
inline constexpr std::array<double, 3> kB12 = {0.849978, 0.0109945, 0.269785};
inline constexpr std::array<double, 3> kB13 = {17.4901, -20.8788, 6.83129};
inline constexpr std::array<double, 3> kB14 = {1.26338, -0.0503345, 0.533466};

// Douglas and Olsen (1981), L from qc in MPa.
inline constexpr std::array<double, 5> kG1 = {-0.776474, -0.109237, 0.171309, -0.0409832,
                                              0.00461503};
inline constexpr std::array<double, 5> kG2 = {-0.360888, -0.0966814, 0.24591, -0.0799107,
                                              0.0114869};
inline constexpr std::array<double, 5> kG3 = {0.0211235, -0.0576259, 0.279258, -0.123736,
                                              0.0247727};

// The type of the point, or 0 where no rule holds.
int16_t Tumay02Rules(double L, float f);
int16_t Robert86Rules(double L, float f);
int16_t OlsenRules(double L, float f);

} // namespace strelvan::zones
