// Robertson et al. (1986) chart: 12 soil behaviour zones from log10 qc (qc in MPa) and the
// friction ratio in percent. Every point the zone rules leave unplaced is clay (zone 3).
#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

namespace strelvan {

namespace zones {

int16_t Robert86Rules(double L, float f) {
    const double B1 = Boundary(kB1, f);
    const double B2 = Boundary(kB2, f);
    const double B3 = Boundary(kB3, f);
    const double B4 = Boundary(kB4, f);
    const double B5 = Boundary(kB5, f);
    const double B6 = Boundary(kB6, f);
    const double B7 = Boundary(kB7, f);
    const double B8 = Boundary(kB8, f);
    const double B9 = Boundary(kB9, f);
    const double B10 = Boundary(kB10, f);
    const double B11 = Boundary(kB11, f);
    const double B12 = Boundary(kB12, f);
    const double B13 = Boundary(kB13, f);
    const double B14 = Boundary(kB14, f);

    // The top of the organic zone is the higher of B1 and B2; they cross at f = 4.04.
    if (L <= B1 || L <= B2)
        return 2; // organic material
    if (f <= 2.614f && B1 < L && L <= B3)
        return 1; // sensitive fine grained
    if (L > 0.75 && (f > 4.9f || (B5 <= L && L <= B9)))
        return 11; // very stiff fine grained
    if (f > 1.78f && f < 4.57f && L > 0.75 &&
        ((L >= B4 && L >= B8) || (L >= B5 && L >= B8) || L <= B9))
        return 12; // sand to clayey sand
    // Zone 12 reaches past f = 4.57 up to the steep 11/12 line B9, where the chart ends at
    // log10 qc = 2.
    if (f >= 4.57f && L > B9)
        return 12;
    // What remains above B5 at the highest ratios, below the sands of zone 12, is very stiff
    // fine grained soil.
    if (L > 0.75 && L >= B5 && f > 3.9f)
        return 11;
    if (f <= 1.19f && L > B14)
        return 10; // gravelly sand to sand
    // Up to f = 1.6 the sand zone runs from B12 to the top of the chart; only the rising
    // branch of B13, beyond f = 1.6, bounds it against zone 8.
    if (B12 <= L && L < B14 && (f <= 1.6f || (f <= 1.78f && L >= B13)))
        return 9; // sand
    if (L < B4 && B11 <= L && ((f < 1.6f && L <= B12) || (f <= 2.42f && L <= B13)))
        return 8; // sand to silty sand
    if (f <= 3.23f && B10 <= L && L < B11 && L < B5)
        return 7; // silty sand to sandy silt
    if (f < 3.903f && B8 <= L && L < B10 && L < B5)
        return 6; // sandy silt to clayey silt
    if (f > 0.7f && f <= 4.61f && B7 <= L && L < B8 && L < B5)
        return 5; // clayey silt to silty clay
    if (f > 1.56f && f <= 5.18f && B6 <= L && L < B7)
        return 4; // silty clay to clay
    return 3;     // clay
}

} // namespace zones

int16_t Robert86Zone(float qc, float Rf) {
    if (!zones::AreNumbers(qc, Rf))
        return kNoSoilType;
    // A layer without any reading has qc 0; it counts as the chart's lowest tip resistance
    // rather than letting the logarithm of 0 or of a negative number into the comparisons.
    double L = qc > 0.0f ? zones::Log10Qc(qc) : -1.0;
    if (L <= -1.0)
        L = -1.0;
    else if (L > 2.0)
        L = 1.9;
    if (Rf < 0.0f)
        Rf = 0.0f;
    else if (Rf > 8.0f)
        Rf = 7.9f;
    return zones::Robert86Rules(L, Rf);
}

} // namespace strelvan
