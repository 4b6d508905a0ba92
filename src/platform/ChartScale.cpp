// What a chart shows in each direction of its plot: the numbers from one end to the other,
// worked out from the axis ends given and the extent of the data.
#include <algorithm>
#include <cmath>

#include "engine/charts/AxisScale.h"
#include "platform/ChartData.h"

namespace strelvan::platform {

namespace {
// A step the axis can draw: the given one unless it would crowd the axis with ticks.
double UsableStep(std::optional<double> given, double span, int ticks) {
    if (given && *given > 0 && std::isfinite(*given) && span / *given <= 50)
        return *given;
    return NiceStep(span, ticks);
}
} // namespace

double ChartData::IndexPosition(double index) const {
    const ChartAxisState& a = axes_[2];
    if (a.min && a.max && pointCount_ > 1)
        return *a.min + index * (*a.max - *a.min) / (pointCount_ - 1);
    if (a.min && pointCount_ == 1)
        return *a.min;
    return index;
}

double ChartData::ScalePosition(int item, double position) const {
    return item == 2 && !hasX_ ? IndexPosition(position) : position;
}

double ChartData::PositionFromScale(int item, double value) const {
    if (item != 2 || hasX_)
        return value;
    const ChartAxisState& a = axes_[2];
    if (a.min && a.max && pointCount_ > 1 && *a.max != *a.min)
        return (value - *a.min) * (pointCount_ - 1) / (*a.max - *a.min);
    if (a.min && pointCount_ == 1)
        return 0;
    return value;
}

double ChartData::XPosition(int series, int point) const {
    if (!hasX_)
        return IndexPosition(point);
    const auto s = static_cast<std::size_t>(series);
    const auto p = static_cast<std::size_t>(point);
    if (s >= xValues_.size() || p >= xValues_[s].size())
        return std::nan("");
    return xValues_[s][p];
}

const ChartData::Extents& ChartData::DataExtents() const {
    if (extents_.valid)
        return extents_;
    Extents e;
    e.valid = true;
    for (int s = 0; s < SeriesCount(); ++s)
        for (int p = 0; p < pointCount_; ++p) {
            const double v = values_[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)];
            const double x = XPosition(s, p);
            if (std::isnan(v) || std::isnan(x))
                continue;
            if (!e.hasData) {
                e.valueLo = e.valueHi = v;
                e.xLo = e.xHi = x;
                e.hasData = true;
            }
            e.valueLo = std::min(e.valueLo, v);
            e.valueHi = std::max(e.valueHi, v);
            e.xLo = std::min(e.xLo, x);
            e.xHi = std::max(e.xHi, x);
        }
    extents_ = e;
    return extents_;
}

ChartScale ChartData::VerticalScale() const {
    const ChartAxisState& a = axes_[static_cast<std::size_t>(VerticalItem())];
    const Extents& e = DataExtents();
    const double dLo = DepthOnXAxis() ? e.xLo : e.valueLo;
    const double dHi = DepthOnXAxis() ? e.xHi : e.valueHi;
    auto farthestFrom = [&](double v) {
        return std::fabs(dHi - v) >= std::fabs(dLo - v) ? dHi : dLo;
    };
    double top = 0, bottom = 10;
    if (a.max && a.min) {
        top = *a.max;
        bottom = *a.min;
    } else if (a.max) {
        top = *a.max;
        bottom = e.hasData ? farthestFrom(top) : top;
    } else if (a.min) {
        bottom = *a.min;
        top = e.hasData ? farthestFrom(bottom) : bottom;
    } else if (e.hasData) { // depth grows downward
        top = dLo;
        bottom = dHi;
    }
    ChartScale s;
    s.lo = std::min(top, bottom);
    s.hi = std::max(top, bottom);
    s.reversed = top < bottom;
    if (!(s.hi - s.lo > 1e-9)) { // one depth only: show a little around it, downward
        const double pad = std::max(1.0, std::fabs(s.lo) * 0.05);
        s.lo -= pad;
        s.hi += pad;
        s.reversed = true;
    }
    if (a.zoom && a.zoom->second > a.zoom->first) {
        s.lo = a.zoom->first;
        s.hi = a.zoom->second;
    }
    s.step = UsableStep(a.step, s.hi - s.lo, 8);
    return s;
}

ChartScale ChartData::HorizontalScale() const {
    const ChartAxisState& a = axes_[static_cast<std::size_t>(HorizontalItem())];
    const ChartAxisState* second = DepthOnXAxis() ? &axes_[1] : nullptr;
    const auto pick = [&](std::optional<double> ChartAxisState::*member) {
        const auto& v = a.*member;
        return v || second == nullptr ? v : second->*member;
    };
    const auto givenMin = pick(&ChartAxisState::min);
    const auto givenMax = pick(&ChartAxisState::max);
    const auto givenStep = pick(&ChartAxisState::step);
    const Extents& e = DataExtents();
    const double dLo = DepthOnXAxis() ? e.valueLo : e.xLo;
    const double dHi = DepthOnXAxis() ? e.valueHi : e.xHi;

    double left = givenMin.value_or(e.hasData ? std::min(0.0, dLo) : 0.0);
    double right = givenMax.value_or(e.hasData ? std::max(dHi, left) : left + 1);
    double step = UsableStep(givenStep, right - left, 6);
    if (!givenMin)
        left = RoundDownTo(left, step);
    if (!givenMax) {
        right = RoundUpTo(right, step);
        if (right <= left)
            right = left + step;
    }
    ChartScale s;
    s.lo = std::min(left, right);
    s.hi = std::max(left, right);
    s.reversed = left > right;
    if (!(s.hi - s.lo > 1e-12))
        s.hi = s.lo + 1;
    if (a.zoom && a.zoom->second > a.zoom->first) {
        s.lo = a.zoom->first;
        s.hi = a.zoom->second;
    }
    s.step = UsableStep(givenStep, s.hi - s.lo, 6);
    return s;
}

} // namespace strelvan::platform
