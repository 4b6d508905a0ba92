// The result windows' own charts: soil types against depth, and the soil layers described
// in words, automatically in blocks of grid layers or as set by hand.
#include <memory>

#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/LayerBlocks.h"
#include "engine/classification/LayerSoilTypes.h"
#include "engine/classification/Methods.h"
#include "platform/ChartAnnotation.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "platform/Text.h"
#include "ui/results/ConeProfilePlot.h"
#include "ui/results/LayerTextChart.h"
#include "ui/results/ResultWindow.h"

namespace strelvan {

void ResultWindow::SoilPlot(platform::ChartFX& ChartSoil) {
    Declarations& decl = Decl();
    const LayerGrid& grid = decl.grid;
    const MethodRow& method = RowOf(member_.method);
    const std::vector<int16_t>& types = decl.results.*(method.types);
    const int n = DrawableLayers(grid, {&grid.LayerDepth});
    if (n < 1 || types.size() <= static_cast<std::size_t>(n)) {
        ClearChart(ChartSoil);
        return;
    }
    if (member_.soilAxisSetting)
        ChartSoil.AxisList(0).AxisSetting(0);
    ChartSoil.AxisList(0).AxisMin(0);
    ChartSoil.AxisList(0).AxisMax(method.typeCount);
    ChartSoil.ChartOption84(false);
    ChartSoil.ChartOption28(true);
    ChartSoil.ChartOption86(true);
    ChartSoil.ChartSetting7(50);
    ChartSoil.ChartSetting5(10);
    ChartSoil.TitleText(2, member_.soilChartTitle);
    ChartSoil.TitleColor(2, platform::kChartBlue);
    ChartSoil.AxisList(1).AxisMax(method.typeCount);
    ChartSoil.BeginData(platform::kChartValues, 1, n);
    ChartSoil.BeginData(platform::kChartXValues, 1, n);
    ChartSoil.BeginData(platform::kChartColors, n, 0);
    platform::ChartSeries series = ChartSoil.SeriesList(0);
    // The deepest layer first: grid layer k is point n - k.
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(n - i);
        series.PointXValue(i, grid.LayerDepth[k]);
        series.PointValue(i, types[k]);
        const int32_t color = TypeColor(member_.legend, types[k]);
        if (color != kNoTypeColor)
            ChartSoil.PointColor(i, color);
    }
    LayerDepthAxis(ChartSoil, 2, grid.LayerDepth, n);
    ChartSoil.Refresh();
    ChartSoil.EndData(platform::kChartColors);
    ChartSoil.EndData(platform::kChartXValues);
    ChartSoil.EndData(platform::kChartValues);
}

void ResultWindow::SoilText(platform::ChartFX& ChartText) {
    Declarations& decl = Decl();
    const int layers = DrawLayerStrip(ChartText, decl.grid, member_.textChartTitle);
    if (layers < 1)
        return;
    const auto blocks = AutomaticLayerBlocks(layers, decl.selection.PointsPerLayer);
    if (!blocks)
        return;
    TextLayerCount = blocks->count;
    for (const LayerBlock& block : blocks->blocks) {
        AddChartLabel(ChartText, block.labelPosition, Q(DescribeLayers(block.top, block.bottom)));
        if (block.linePosition)
            AddChartLine(ChartText, *block.linePosition);
    }
}

std::string ResultWindow::DescribeLayers(int16_t first, int16_t last) const {
    const Declarations& decl = Decl();
    ChartSelection selection = decl.selection;
    selection.MethodCode = RowOf(member_.method).Code();
    return LayerSoilTypes(first, last, decl.results, selection);
}

void ResultWindow::ManualArray(int16_t M, float Y, const QString& Name, float X) {
    if (M < 0)
        return;
    // However many layers the user sets, every one is kept.
    const auto m = static_cast<std::size_t>(M);
    if (ManY.size() <= m) {
        ManY.resize(m + 1, 0.0f);
        ManName.resize(m + 1);
        ManX.resize(m + 1, 0.0f);
    }
    ManY[m] = Y;
    ManName[m] = Name;
    ManX[m] = X;
    ManCount = M;
    ManualGrid = Decl().grid.Generation;
}

void ResultWindow::ManualText(platform::ChartFX& ChartText) {
    Declarations& decl = Decl();
    if (DrawLayerStrip(ChartText, decl.grid, member_.textChartTitle) < 1)
        return;
    // Every manual layer has its line, the last one too (at the foot of the strip).
    for (int k = 1; k <= ManCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        AddChartLabel(ChartText, ManY[m], ManName[m]);
        AddChartLine(ChartText, ManX[m]);
    }
}

void ResultWindow::AddChartLabel(platform::ChartFX& chart, float Y, const QString& Text) {
    // Each label has a list of its own; the window keeps the last one.
    AnnotX = std::make_shared<platform::ChartAnnotation>();
    chart.AttachAnnotation(AnnotX);
    AddLayerLabel(*AnnotX, Y, Text, LayerLabelFontSize(TextLayerCount));
}

void ResultWindow::AddChartLine(platform::ChartFX& chart, float X) {
    AnnotY = std::make_shared<platform::ChartAnnotation>();
    chart.AttachAnnotation(AnnotY);
    AddLayerLine(*AnnotY, X);
}

} // namespace strelvan
