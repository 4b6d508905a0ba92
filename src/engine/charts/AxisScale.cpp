#include "engine/charts/AxisScale.h"

#include <cmath>

namespace strelvan {

double NiceStep(double span, int ticks) {
    span = std::fabs(span);
    if (!std::isfinite(span) || span <= 0 || ticks <= 0)
        return 1;
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return nice * power;
}

double FitStep(double step, double span, int maxTicks) {
    span = std::fabs(span);
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(span) || maxTicks < 1)
        return step;
    static const double factors[] = {1, 2, 5};
    for (double power = 1; power < 1e15; power *= 10)
        for (double f : factors)
            if (span / (step * f * power) <= maxTicks)
                return step * f * power;
    return step;
}

int MultiplesWithin(double step, double lo, double hi) {
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(lo) || !std::isfinite(hi) || hi < lo)
        return 0;
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    return last < first ? 0 : static_cast<int>(std::min(last - first + 1, 1e6));
}

double RefineStep(double step, double lo, double hi, int minLabels) {
    if (!(step > 0) || !std::isfinite(step) || !(hi > lo) || !std::isfinite(hi - lo))
        return step;
    if (MultiplesWithin(step, lo, hi) >= minLabels)
        return step;
    // The given step leaves too few labels: the largest round step below it (1, 2 or 5 times
    // a power of ten) that leaves enough, so that the labels read as round numbers even when
    // the given step is not one (a qc step of 61 labels 0, 5, 10, 15, not 0, 6.1, 12.2).
    static const double mantissas[] = {5, 2, 1};
    for (double power = std::pow(10.0, std::floor(std::log10(step))); power > step * 1e-15;
         power /= 10)
        for (double m : mantissas)
            if (m * power < step && MultiplesWithin(m * power, lo, hi) >= minLabels)
                return m * power;
    return step;
}

namespace {
// A value a rounding error away from a multiple of the step stays at that multiple; any other
// value goes to the multiple the rounding function gives.
template <typename Round> double RoundToStep(double value, double step, Round round) {
    if (!(step > 0))
        return value;
    const double q = value / step;
    const double r = std::round(q);
    if (std::fabs(q - r) < 1e-9)
        return r * step;
    return round(q) * step;
}
} // namespace

double RoundUpTo(double value, double step) {
    return RoundToStep(value, step, [](double q) { return std::ceil(q); });
}

double RoundDownTo(double value, double step) {
    return RoundToStep(value, step, [](double q) { return std::floor(q); });
}

} // namespace strelvan
