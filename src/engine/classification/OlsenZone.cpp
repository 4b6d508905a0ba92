// Douglas and Olsen (1981) chart: 4 soil types from log10 qc (qc in MPa) and the friction
// ratio in percent.
#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

namespace strelvan {

namespace zones {

int16_t OlsenRules(double L, float f) {
    if (L <= Boundary(kG1, f))
        return 1; // clay
    if (L <= Boundary(kG2, f))
        return 2; // silt and mixtures
    if (f < 4.75f && L <= Boundary(kG3, f))
        return 3; // sand and mixtures
    if (f < 3.7f)
        return 4; // sand
    return kNoSoilType;
}

} // namespace zones

int16_t OlsenZone(float qc, float Rf) {
    if (!zones::AreNumbers(qc, Rf))
        return kNoSoilType;
    if (Rf >= 6.0f)
        Rf = 5.95f;
    else if (Rf <= 0.1f)
        Rf = 0.11f;
    // The chart has no lower limit on qc, and every qc down toward 0 lies below the clay
    // boundary. A layer without any reading (qc 0) counts as 0.1 MPa, which is clay too,
    // instead of letting the logarithm of 0 or of a negative number into the comparisons.
    double L = qc > 0.0f ? zones::Log10Qc(qc) : -1.0;
    if (L >= 2.0)
        L = 1.9;
    return zones::OlsenRules(L, Rf);
}

} // namespace strelvan
