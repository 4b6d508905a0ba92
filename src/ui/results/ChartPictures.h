#pragma once
// Small pictures of the five result charts, for choosing which charts a result window
// shows: the tip-resistance, sleeve-friction and friction-ratio profiles, the coloured
// soil-type bars and the strip of layer descriptions.
#include <QPixmap>
#include <array>

#include "engine/charts/ChartChoice.h"

namespace strelvan {

// The picture of chart digit k at index k.
std::array<QPixmap, kChoosableCharts> ChartPictures();

} // namespace strelvan
