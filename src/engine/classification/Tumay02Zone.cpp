// Schmertmann (1978) chart: 16 soil types from log10 qc (qc in ton/ft2) and the friction
// ratio in percent.
#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

namespace strelvan {

namespace zones {

int16_t Tumay02Rules(double L, float f) {
    // The log10 qc of a boundary at this friction ratio.
    const auto S = [f](std::span<const double> boundary) { return Boundary(boundary, f); };
    if (f >= 5.0f && f < 6.0f && L <= S(kS1))
        return 1; // organic clay
    // The clays below the S2 curve, from the softest up.
    if (L < S(kS2)) {
        if (L <= S(kS5))
            return 2; // very soft clay
        if (L <= S(kS6))
            return 3; // soft clay
        if (L <= S(kS7))
            return 4; // medium clay
        if (L <= S(kS8))
            return 5; // stiff clay
        if (L <= S(kS9))
            return 6; // very stiff clay
        return 7;     // silty clay
    }
    if (f < 5.954f && L < S(kS3))
        return 8; // sandy clay
    if (f < 4.75f && S(kS3) <= L && L < S(kS4)) {
        if (f < 2.0f)
            return 9; // clayey sand
        if (L > 2.0)
            return 10; // clayey sand or silt
        return 11;     // clayey silt
    }
    if (f < 3.85f) {
        if (L < 1.3)
            return 12; // loose sand
        if (f < 0.6f)
            return 16; // shell sand or lime rock
        if (L < 2.0)
            return 14; // sand
        if (f <= 2.0f)
            return 15; // dense or cemented sand
        return 13;     // silty sand
    }
    return kNoSoilType;
}

} // namespace zones

int16_t Tumay02Zone(float qc, float Rf) {
    if (!zones::AreNumbers(qc, Rf))
        return kNoSoilType;
    if (qc <= 0.0f)
        qc = 1.0f;
    if (Rf < 0.0f)
        Rf = 0.0f;
    double L = zones::Log10Qc(qc);
    if (L > 3.0)
        L = 2.99;
    else if (L < 0.0)
        L = 0.1;
    if (Rf > 6.0f)
        Rf = 5.99f;
    return zones::Tumay02Rules(L, Rf);
}

} // namespace strelvan
