#include "ui/charts/ProfilePlot.h"

#include <algorithm>
#include <cmath>

#include "engine/state/Numbers.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "platform/Text.h"

namespace strelvan {

namespace {

// The points whose positions exist: the series' count within what its position arrays hold.
int32_t PositionedPoints(const ProfileSeries& series) {
    const std::size_t size = std::min(series.depth.size(), series.position.size());
    if (size == 0)
        return 0;
    const int32_t held = std::clamp<int32_t>(series.held, 0, static_cast<int32_t>(size - 1));
    return std::clamp<int32_t>(series.count, 0, held);
}
} // namespace

QString StressTitle(const QString& quantity, const std::string& unitStr) {
    return QStringLiteral(" ") + quantity + QStringLiteral(" (") + Q(unitStr) + QChar(0x00B2) +
           QStringLiteral(") ");
}

std::optional<double> ProfileStep(float maximum) {
    const double s = Int(static_cast<double>(maximum) / 6.0);
    return s > 1 ? std::optional<double>(s) : std::nullopt;
}

ProfileLook TipLook(const std::string& unitStr, std::optional<double> step) {
    ProfileLook look{.title = StressTitle(QStringLiteral("Tip Resistance"), unitStr),
                     .titleColor = platform::kChartBlue};
    look.namesAxis = true;
    look.step = step;
    return look;
}

ProfileLook SleeveLook(const std::string& unitStr, std::optional<double> step) {
    ProfileLook look{StressTitle(QStringLiteral("Sleeve Resistance"), unitStr),
                     platform::kChartBlack};
    look.setting5 = 10;
    look.step = step;
    return look;
}

ProfileLook RatioLook(std::optional<double> step) {
    ProfileLook look{.title = QStringLiteral(" Sleeve/Tip Ratio (%) "),
                     .titleColor = platform::kChartRed};
    look.setting5 = 10;
    look.step = step;
    return look;
}

ProfileLook PoreLook(int16_t kind, const std::string& unitStr) {
    const QString quantity = QStringLiteral("Pore Pressure ") + Q(SignedText(kind));
    ProfileLook look{.title = StressTitle(quantity, unitStr), .titleColor = platform::kChartBlue};
    look.axisFont = true;
    return look;
}

void DrawProfile(platform::ChartFX& chart, const Profile& profile, int16_t axisMode) {
    const ProfileSeries& series = profile.series;
    const ProfileLook& look = profile.look;
    const int32_t n = PositionedPoints(series);
    const bool values = !series.values.empty() && series.values.size() > static_cast<size_t>(n);
    chart.BeginData(platform::kChartValues, 1, n);
    chart.BeginData(platform::kChartXValues, 1, n);
    if (look.namesAxis)
        chart.AxisList(0).AxisTitle(axisMode == 1 ? QStringLiteral("Depth (ft)")
                                                  : QStringLiteral("Elevation (ft)"));
    chart.TitleText(2, look.title);
    chart.ChartSetting7(50);
    chart.TitleColor(2, look.titleColor);
    if (look.setting5)
        chart.ChartSetting5(*look.setting5);
    if (look.setting6)
        chart.ChartSetting6(*look.setting6);
    chart.ChartSetting16(2);
    if (look.namesAxis || look.axisFont)
        chart.AxisList(0).AxisFontSize(10);
    platform::ChartSeries points = chart.SeriesList(0);
    if (!look.legend.isEmpty())
        points.SeriesLegend(look.legend);
    for (int32_t p = 0; values && p < n; ++p) {
        const auto i = static_cast<std::size_t>(p) + 1;
        points.PointValue(p, series.position[i]);
        if (!std::isnan(series.values[i])) // a point without value is left out, not drawn as 0
            points.PointXValue(p, series.values[i]);
    }
    if (n > 0) {
        // The axis ends at the last point plotted, so that point lies on the chart.
        chart.AxisList(0).AxisMax(series.position[1]);
        chart.AxisList(0).AxisMin(series.position[static_cast<std::size_t>(n)]);
    }
    if (look.step)
        chart.AxisList(2).AxisStep(*look.step);
    chart.Refresh();
    chart.EndData(platform::kChartValues);
    chart.EndData(platform::kChartXValues);
}

} // namespace strelvan
