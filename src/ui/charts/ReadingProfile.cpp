#include "ui/charts/ReadingProfile.h"

#include <algorithm>

#include "engine/state/ArraySizes.h"
#include "engine/state/Numbers.h"
#include "platform/ChartFX.h"
#include "platform/Text.h"

namespace strelvan {

namespace {
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kBlack = 0;
} // namespace

QString StressTitle(const QString& quantity, const std::string& unitStr) {
    return QStringLiteral(" ") + quantity + QStringLiteral(" (") + Q(unitStr) + QChar(0x00B2) +
           QStringLiteral(") ");
}

std::optional<double> ProfileStep(float maximum) {
    const double s = Int(static_cast<double>(maximum) / 6.0);
    return s > 1 ? std::optional<double>(s) : std::nullopt;
}

// Each in the order of ReadingProfile: title, colour, readings, setting 5, whether it names
// the vertical axis, step, whether it sets the vertical axis' font alone.
ReadingProfile TipProfile(const ConeData& cone, const std::string& unitStr,
                          std::optional<double> step) {
    return {StressTitle(QStringLiteral("Tip Resistance"), unitStr),
            kBlue,
            &cone.Qc,
            std::nullopt,
            true,
            step};
}

ReadingProfile SleeveProfile(const ConeData& cone, const std::string& unitStr,
                             std::optional<double> step) {
    return {StressTitle(QStringLiteral("Sleeve Resistance"), unitStr),
            kBlack,
            &cone.Fs,
            int16_t{10},
            false,
            step};
}

ReadingProfile RatioProfile(const ConeData& cone, std::optional<double> step) {
    return {QStringLiteral(" Sleeve/Tip Ratio (%) "), kRed, &cone.Ratio, int16_t{10}, false, step};
}

ReadingProfile PoreProfile(int16_t kind, const ConeData::Column* column,
                           const std::string& unitStr) {
    const QString quantity = QStringLiteral("Pore Pressure ") + Q(SignedText(kind));
    return {StressTitle(quantity, unitStr), kBlue, column, std::nullopt, false, std::nullopt, true};
}

void PlotReadingProfile(platform::ChartFX& chart, const ConeData& cone, const PlotState& plot,
                        int16_t axisMode, int32_t valueCount, const ReadingProfile& profile) {
    const int points = ReadingsHeld(plot.PlotPoints);
    const bool depth = axisMode == 1;
    const ConeData::Column& position = depth ? cone.Depth : cone.Elev;
    chart.BeginData(platform::kChartValues, 1, valueCount);
    chart.BeginData(platform::kChartXValues, plot.PlotSeries, points);
    if (profile.axisTitleAndFont)
        chart.AxisList(0).AxisTitle(depth ? QStringLiteral("Depth (ft)")
                                          : QStringLiteral("Elevation (ft)"));
    chart.TitleText(2, profile.title);
    chart.ChartSetting7(50);
    chart.TitleColor(2, profile.titleColor);
    if (profile.setting5)
        chart.ChartSetting5(*profile.setting5);
    chart.ChartSetting16(2);
    if (profile.axisTitleAndFont || profile.axisFont)
        chart.AxisList(0).AxisFontSize(10);
    platform::ChartSeries series = chart.SeriesList(0);
    for (int p = 0; profile.values != nullptr && p < points; ++p) {
        const auto i = static_cast<std::size_t>(p) + 1;
        series.PointValue(p, position[i]);
        series.PointXValue(p, (*profile.values)[i]);
    }
    if (points > 0) {
        // The axis ends at the last reading plotted, so that reading lies on the chart.
        chart.AxisList(0).AxisMax(position[1]);
        chart.AxisList(0).AxisMin(position[static_cast<std::size_t>(points)]);
    }
    if (profile.step)
        chart.AxisList(2).AxisStep(*profile.step);
    chart.Refresh();
    chart.EndData(platform::kChartValues);
    chart.EndData(platform::kChartXValues);
}

} // namespace strelvan
