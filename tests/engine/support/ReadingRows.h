#pragma once
// What a profile window's five linked charts plot: readings 1 to count of qc, fs, friction
// ratio and the pore pressures of the sounding's two kinds.
#include "engine/charts/PoreCharts.h"
#include "engine/charts/ZoomMaxima.h"

namespace strelvan::test {

inline ZoomRow ReadingRow(const ConeData& cone, int32_t count, int16_t mode, float groundElev) {
    ZoomRow row{{}, mode, groundElev};
    row.at(ZoomChart::Tip) = ReadingSeries(cone, &cone.Qc, count, mode);
    row.at(ZoomChart::Sleeve) = ReadingSeries(cone, &cone.Fs, count, mode);
    row.at(ZoomChart::Ratio) = ReadingSeries(cone, &cone.Ratio, count, mode);
    row.at(ZoomChart::Pore1) = ReadingSeries(cone, PoreColumn(cone, cone.PoreType1), count, mode);
    row.at(ZoomChart::Pore2) = ReadingSeries(cone, PoreColumn(cone, cone.PoreType2), count, mode);
    return row;
}

} // namespace strelvan::test
