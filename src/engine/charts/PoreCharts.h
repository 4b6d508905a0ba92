#pragma once
// What the pore-pressure charts of the profile windows show: the readings of a pore-pressure
// kind, and which kind and readings each chart takes from the kinds of file columns 4 and 5.
#include <cstdint>

#include "engine/charts/ZoomMaxima.h"
#include "engine/state/Declarations.h"

namespace strelvan {

// The readings of a pore-pressure kind: 1 u1, 2 u2, 3 u3; nullptr for any other kind (no
// column of a known kind).
const ConeData::Column* PoreColumn(const ConeData& cone, int16_t kind);

struct PoreChart {
    int16_t kind = 0;                         // named in the chart's title
    const ConeData::Column* column = nullptr; // plotted; nullptr: the chart gets no points
    // Its place in the row of linked charts, which fixes the readings its value axis is
    // zoomed to (Pore1 those of PoreType1, Pore2 those of PoreType2).
    ZoomChart zoomPlace = ZoomChart::Pore1;
};

// The one pore-pressure chart of a sounding with one pore-pressure column: the kind is
// PoreType1 when it is not 0, else PoreType2; the readings are those of PoreType1 when it
// names a column, else those of PoreType2. It zooms as the chart of the readings it shows.
PoreChart OnePoreChart(const ConeData& cone);

// The two pore-pressure charts of a sounding with two columns: that of file column 4
// (PoreType1), then that of file column 5 (PoreType2).
PoreChart FirstPoreChart(const ConeData& cone);
PoreChart SecondPoreChart(const ConeData& cone);

} // namespace strelvan
