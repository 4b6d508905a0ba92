#pragma once
// The chart-zone classifiers: each places one (qc, friction ratio) pair on a published CPT
// classification chart and returns the soil type of the zone it falls in.
//
// qc and Rf are single-precision values taken as copies: a classifier limits its own copies to
// its chart for the look-up (see each classifier) and never changes the caller's values, so
// a layer keeps the tip resistance and friction ratio it was averaged to. The result is the type
// number, or kNoSoilType (0) when the point lies in no zone of the chart; 0 is also what
// the type arrays of ClassResults hold for "no type", so callers store the result as it is.
//
// A qc or Rf that is not a number is on no chart: the result is kNoSoilType.
#include <cstdint>

namespace strelvan {

inline constexpr int16_t kNoSoilType = 0;

// Schmertmann (1978) chart, 16 soil types; qc in ton/ft2, Rf in percent.
// qc at or below 0 counts as 1 and a negative Rf as 0; Rf above 6 counts as 5.99.
// Returns 1 to 16, or kNoSoilType where the chart has no type.
int16_t Tumay02Zone(float qc, float Rf);

// Robertson et al. (1986) chart, 12 soil behaviour zones; qc in MPa, Rf in percent.
// qc counts as 0.1 MPa when below that (also at or below 0, a layer that holds no reading)
// and as 10^1.9 MPa above 100 MPa. A negative Rf counts as 0 and one above 8 as 7.9. Always
// returns a zone 1 to 12 for numeric input.
int16_t Robert86Zone(float qc, float Rf);

// Douglas and Olsen (1981) chart, 4 soil types; qc in MPa, Rf in percent.
// qc counts as 10^1.9 MPa from 100 MPa up, and a qc at or below 0 (a layer that holds no
// reading) counts as 0.1 MPa, below every clay boundary. Rf of 6 or more counts as 5.95 and
// Rf of 0.1 or less as 0.11. Returns 1 to 4 for numeric input.
int16_t OlsenZone(float qc, float Rf);

} // namespace strelvan
