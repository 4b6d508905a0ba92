// Robertson et al. (1986) chart: 12 soil behaviour zones from log10 qc (qc in MPa) and the
// friction ratio in percent. Every point the zone rules leave unplaced is clay (zone 3).
#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

namespace strelvan {

namespace zones {

int16_t Robert86Rules(double L, float f) {
    // The log10 qc of a boundary at this friction ratio.
    const auto B = [f](std::span<const double> boundary) { return Boundary(boundary, f); };
    // The top of the organic zone is the higher of B1 and B2; they cross at f = 4.04.
    if (L <= B(kB1) || L <= B(kB2))
        return 2; // organic material
    if (f <= 2.614f && B(kB1) < L && L <= B(kB3))
        return 1; // sensitive fine grained
    if (L > 0.75 && (f > 4.9f || (B(kB5) <= L && L <= B(kB9))))
        return 11; // very stiff fine grained
    if (f > 1.78f && f < 4.57f && L > 0.75 &&
        ((L >= B(kB4) && L >= B(kB8)) || (L >= B(kB5) && L >= B(kB8)) || L <= B(kB9)))
        return 12; // sand to clayey sand
    // Zone 12 reaches past f = 4.57 up to the steep 11/12 line B9, where the chart ends at
    // log10 qc = 2.
    if (f >= 4.57f && L > B(kB9))
        return 12;
    // What remains above B5 at the highest ratios, below the sands of zone 12, is very stiff
    // fine grained soil.
    if (L > 0.75 && L >= B(kB5) && f > 3.9f)
        return 11;
    if (f <= 1.19f && L > B(kB14))
        return 10; // gravelly sand to sand
    // Up to f = 1.6 the sand zone runs from B12 to the top of the chart; only the rising
    // branch of B13, beyond f = 1.6, bounds it against zone 8.
    if (B(kB12) <= L && L < B(kB14) && (f <= 1.6f || (f <= 1.78f && L >= B(kB13))))
        return 9; // sand
    if (L < B(kB4) && B(kB11) <= L && ((f < 1.6f && L <= B(kB12)) || (f <= 2.42f && L <= B(kB13))))
        return 8; // sand to silty sand
    if (f <= 3.23f && B(kB10) <= L && L < B(kB11) && L < B(kB5))
        return 7; // silty sand to sandy silt
    if (f < 3.903f && B(kB8) <= L && L < B(kB10) && L < B(kB5))
        return 6; // sandy silt to clayey silt
    if (f > 0.7f && f <= 4.61f && B(kB7) <= L && L < B(kB8) && L < B(kB5))
        return 5; // clayey silt to silty clay
    if (f > 1.56f && f <= 5.18f && B(kB6) <= L && L < B(kB7))
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
