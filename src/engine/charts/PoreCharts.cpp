#include "engine/charts/PoreCharts.h"

namespace strelvan {

const ConeData::Column* PoreColumn(const ConeData& cone, int16_t kind) {
    switch (kind) {
    case 1:
        return &cone.U1;
    case 2:
        return &cone.U2;
    case 3:
        return &cone.U3;
    default:
        return nullptr;
    }
}

PoreChart OnePoreChart(const ConeData& cone) {
    PoreChart chart{cone.PoreType1 != 0 ? cone.PoreType1 : cone.PoreType2,
                    PoreColumn(cone, cone.PoreType1), ZoomChart::Pore1};
    if (chart.column == nullptr) {
        if (const ConeData::Column* second = PoreColumn(cone, cone.PoreType2)) {
            chart.column = second;
            chart.zoomPlace = ZoomChart::Pore2;
        }
    }
    return chart;
}

PoreChart FirstPoreChart(const ConeData& cone) {
    return {cone.PoreType1, PoreColumn(cone, cone.PoreType1), ZoomChart::Pore1};
}

PoreChart SecondPoreChart(const ConeData& cone) {
    return {cone.PoreType2, PoreColumn(cone, cone.PoreType2), ZoomChart::Pore2};
}

} // namespace strelvan
