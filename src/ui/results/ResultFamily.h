#pragma once
// What sets one member of the family of result windows apart from the others: its method,
// captions, legend, chart titles, toolbar and the side-by-side layout. The frame of the
// family (ResultWindow) reads everything else from here; a member adds only the steps that
// differ in kind, such as its classification.
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/charts/ResultLayout.h"
#include "engine/charts/SoilTypeLegend.h"
#include "engine/state/Declarations.h"
#include "platform/ChartFX.h"
#include "ui/results/ResultToolbar.h"

namespace strelvan {

// The family toolbar: 15 items, the seven keyed buttons at the even items and a separator at
// each odd one; Manual Layers is item 4 and Zoom item 8.
std::span<const ResultToolbarButton> FamilyToolbar();

struct ResultFamilyMember {
    const char* formName;
    int16_t methodCode;      // the method whose types the layer texts describe
    QString designCaption;   // until the load replaces it
    QString captionPrefix;   // followed by the file name
    QString soilChartTitle;  // chart 3
    QString textChartTitle;  // charts 4 and 5
    double soilAxisMax = 16; // the highest type number on the soil-type chart
    // Whether the soil-type chart makes the further setting of its value axis.
    bool soilAxisSetting = true;
    // The types of each grid layer that the soil-type chart shows.
    std::vector<int16_t> ClassResults::*types = nullptr;
    platform::ChartLook soilChartLook = platform::ChartLook::SoilBars;

    // The legend: one line per type number, typesPerBox lines to a text box; the boxes and
    // the colour lines are named from the patterns with their numbers from 1.
    std::span<const SoilTypeLegendEntry> legend;
    QString legendFrame = QStringLiteral("Frame1");
    int typesPerBox = 4;
    QString boxName = QStringLiteral("Text%1");
    QString lineName = QStringLiteral("Line%1");

    std::span<const ResultToolbarButton> toolbar = FamilyToolbar();
    // False for a window that is never handed manual layers: it classifies the sounding on
    // every load, whatever the manual-layer flag says.
    bool keepsManualLayers = true;
};

} // namespace strelvan
