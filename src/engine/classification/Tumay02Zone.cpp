// Schmertmann (1978) chart: 16 soil types from log10 qc (qc in ton/ft2) and the friction
// ratio in percent.
#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

namespace strelvan {

namespace zones {

int16_t Tumay02Rules(double L, float f) {
    const double S1 = Boundary(kS1, f);
    const double S2 = Boundary(kS2, f);
    const double S3 = Boundary(kS3, f);
    const double S4 = Boundary(kS4, f);
    const double S5 = Boundary(kS5, f);
    const double S6 = Boundary(kS6, f);
    const double S7 = Boundary(kS7, f);
    const double S8 = Boundary(kS8, f);
    const double S9 = Boundary(kS9, f);

    if (f >= 5.0f && f < 6.0f && L <= S1)
        return 1; // organic clay
    // The clays below the S2 curve, from the softest up.
    if (L < S2) {
        if (L <= S5)
            return 2; // very soft clay
        if (L <= S6)
            return 3; // soft clay
        if (L <= S7)
            return 4; // medium clay
        if (L <= S8)
            return 5; // stiff clay
        if (L <= S9)
            return 6; // very stiff clay
        return 7;     // silty clay
    }
    if (f < 5.954f && L < S3)
        return 8; // sandy clay
    if (f < 4.75f && S3 <= L && L < S4) {
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
