#pragma once
// Round numbers for chart axes whose ends or step were not given.
namespace strelvan {

// A step of 1, 2 or 5 times a power of ten that divides a span into about `ticks` parts
// (1 for an empty or invalid span).
double NiceStep(double span, int ticks);
// The step itself, or the first of 2, 5, 10, 20, 50, ... times it that divides the span into
// at most maxTicks parts, so that the labels of an axis do not crowd one another.
double FitStep(double step, double span, int maxTicks);
// The step itself when at least minLabels of its multiples lie within lo .. hi; otherwise the
// largest step of 1, 2 or 5 times a power of ten below it that has that many there, so that a
// zoomed axis cut short of its step still shows labelled ticks, at round numbers.
double RefineStep(double step, double lo, double hi, int minLabels);
// The number of multiples of step within lo .. hi (a rounding error away counts as within).
int MultiplesWithin(double step, double lo, double hi);
// The smallest multiple of step at or above value (value itself when step is not positive).
double RoundUpTo(double value, double step);
// The largest multiple of step at or below value.
double RoundDownTo(double value, double step);

} // namespace strelvan
