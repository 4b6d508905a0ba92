#pragma once
// Arithmetic shared by the chart-zone classifiers. The charts plot log10 qc against the
// friction ratio f; every zone boundary is a polynomial in f giving the boundary's log10 qc.
// Boundaries and log10 qc are formed in double precision from the single-precision inputs.
#include <cmath>
#include <span>

namespace strelvan::zones {

// log10 qc formed as ln(qc) / ln(10); qc must be above 0.
inline double Log10Qc(float qc) {
    return std::log(static_cast<double>(qc)) / std::log(10.0);
}

// c0 + c1 f + c2 f^2 + ..., summed from the constant term up; the powers are double-precision
// powers of f.
inline double Boundary(std::span<const double> coefficients, float f) {
    const double x = f;
    double sum = 0.0;
    for (std::size_t power = 0; power < coefficients.size(); ++power) {
        const double c = coefficients[power];
        sum += power == 0 ? c : power == 1 ? c * x : c * std::pow(x, static_cast<int>(power));
    }
    return sum;
}

// Whether a classifier can place the pair on its chart at all.
inline bool AreNumbers(float qc, float Rf) {
    return !std::isnan(qc) && !std::isnan(Rf);
}

} // namespace strelvan::zones
