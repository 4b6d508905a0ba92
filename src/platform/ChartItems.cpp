// Items of a chart's series and axis lists: handles that read and write what the chart holds.
#include "platform/ChartItems.h"

#include <algorithm>
#include <cmath>

#include "platform/ChartData.h"

namespace strelvan::platform {

void ChartSeries::PointValue(int point, double value) {
    data_->PointValue(index_, point, value);
}

void ChartSeries::PointXValue(int point, double value) {
    data_->PointXValue(index_, point, value);
}

std::optional<double> ChartSeries::PointValue(int point) const {
    return data_->PointValue(index_, point);
}

std::optional<double> ChartSeries::PointXValue(int point) const {
    return data_->PointXValue(index_, point);
}

void ChartSeries::SeriesLegend(const QString& text) {
    data_->SeriesLegend(index_, text);
}

QString ChartSeries::SeriesLegend() const {
    return data_->SeriesLegend(index_);
}

namespace {
bool IsItem(int index) {
    return index >= 0 && index < ChartData::kAxisItems;
}
} // namespace

void ChartAxis::AxisTitle(const QString& title) {
    data_->ChangeAxis(index_, [&](ChartAxisState& a) { a.title = title; });
}

void ChartAxis::AxisMin(double value) {
    data_->ChangeAxis(index_, [&](ChartAxisState& a) { a.min = value; });
}

void ChartAxis::AxisMax(double value) {
    data_->ChangeAxis(index_, [&](ChartAxisState& a) { a.max = value; });
}

void ChartAxis::AxisStep(double step) {
    data_->ChangeAxis(index_, [&](ChartAxisState& a) { a.step = step; });
}

void ChartAxis::AxisFontSize(int points) {
    if (points > 0)
        data_->ChangeAxis(index_, [&](ChartAxisState& a) { a.fontSize = points; });
}

void ChartAxis::AxisSetting(int16_t value) {
    data_->ChangeAxis(
        index_, [&](ChartAxisState& a) { a.setting = value; }, false);
}

void ChartAxis::AxisZoom(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high))
        return;
    data_->ChangeAxis(index_, [&](ChartAxisState& a) {
        a.zoom = std::make_pair(std::min(low, high), std::max(low, high));
    });
}

QString ChartAxis::AxisTitle() const {
    return IsItem(index_) ? data_->Axis(index_).title : QString();
}

std::optional<double> ChartAxis::AxisMin() const {
    return IsItem(index_) ? data_->Axis(index_).min : std::nullopt;
}

std::optional<double> ChartAxis::AxisMax() const {
    return IsItem(index_) ? data_->Axis(index_).max : std::nullopt;
}

std::optional<double> ChartAxis::AxisStep() const {
    return IsItem(index_) ? data_->Axis(index_).step : std::nullopt;
}

int ChartAxis::AxisFontSize() const {
    return IsItem(index_) ? data_->Axis(index_).fontSize : 0;
}

std::optional<int16_t> ChartAxis::AxisSetting() const {
    return IsItem(index_) ? data_->Axis(index_).setting : std::nullopt;
}

void ChartAxis::AxisZoomRange(double& low, double& high) const {
    if (index_ == data_->VerticalItem() || index_ == data_->HorizontalItem()) {
        const ChartScale s =
            index_ == data_->VerticalItem() ? data_->VerticalScale() : data_->HorizontalScale();
        low = s.lo;
        high = s.hi;
    } else if (IsItem(index_)) {
        const ChartAxisState& a = data_->Axis(index_);
        low = a.min.value_or(0);
        high = a.max.value_or(0);
        if (low > high)
            std::swap(low, high);
    } else {
        low = high = 0;
    }
}

} // namespace strelvan::platform
