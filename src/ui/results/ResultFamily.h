#pragma once
// What sets one member of the family of result windows apart from the others: its method
// (whose row, Methods.h, gives its classification, soil types and layer texts), captions,
// legend, chart titles, toolbar and the side-by-side layout. The frame of the family
// (ResultWindow) reads everything from here; a member adds only the steps that differ in
// kind, such as a chart drawn otherwise.
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/charts/ResultLayout.h"
#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/Methods.h"
#include "engine/state/Declarations.h"
#include "platform/ChartFX.h"
#include "ui/results/ResultToolbar.h"

namespace strelvan {

// The family toolbar: 15 items, the seven keyed buttons at the even items and a separator at
// each odd one; Manual Layers is item 4 and Zoom item 8.
std::span<const ResultToolbarButton> FamilyToolbar();

struct ResultFamilyMember {
    const char* formName;
    Method method;          // the method whose results the window shows
    QString designCaption;  // until the load replaces it
    QString captionPrefix;  // followed by the file name
    QString soilChartTitle; // chart 3
    QString textChartTitle; // charts 4 and 5
    // Whether the soil-type chart makes the further setting of its value axis.
    bool soilAxisSetting = true;
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
