#pragma once
// Items of a chart's series and axis lists: small handles that write and read what the chart
// holds (ChartData), as a window addresses them: chart.SeriesList(0).PointValue(i, v).
#include <QString>
#include <cstdint>
#include <optional>

namespace strelvan::platform {

class ChartData;

// Item s of the chart's series list.
class ChartSeries {
public:
    ChartSeries(ChartData* data, int index) : data_(data), index_(index) {}
    // The point's value (along axis item 0) and X value (along axis item 2).
    void PointValue(int point, double value);
    void PointXValue(int point, double value);
    std::optional<double> PointValue(int point) const;
    std::optional<double> PointXValue(int point) const;
    void SeriesLegend(const QString& text);
    QString SeriesLegend() const;

private:
    ChartData* data_;
    int index_;
};

// Item a of the chart's axis list: 0 the axis of the point values, 1 the secondary value
// axis, 2 the axis of the X values. Items outside 0 to 2 take nothing and give nothing.
class ChartAxis {
public:
    ChartAxis(ChartData* data, int index) : data_(data), index_(index) {}
    void AxisTitle(const QString& title);
    void AxisMin(double value);
    void AxisMax(double value);
    void AxisStep(double step);
    void AxisFontSize(int points);
    // A further setting of the axis, kept as given; it does not change the picture.
    void AxisSetting(int16_t value);
    // Shows only the part from low to high (either order) of this axis.
    void AxisZoom(double low, double high);
    QString AxisTitle() const;
    // The ends and step as given (nullopt: never given, worked out from the data).
    std::optional<double> AxisMin() const;
    std::optional<double> AxisMax() const;
    std::optional<double> AxisStep() const;
    int AxisFontSize() const;
    std::optional<int16_t> AxisSetting() const;
    // The lower and upper end on show, as numbers (lower <= upper).
    void AxisZoomRange(double& low, double& high) const;

private:
    ChartData* data_;
    int index_;
};

} // namespace strelvan::platform
