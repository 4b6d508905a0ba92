#include "engine/classification/ManualLayerWalk.h"

#include <algorithm>

namespace strelvan {

namespace {
// The bottom of a layer from top down of PointsPerLayer grid layers, cut at the foot.
int16_t BottomFrom(int32_t top, int16_t pointsPerLayer, int16_t lastLayer) {
    return static_cast<int16_t>(std::min<int32_t>(top + pointsPerLayer - 1, lastLayer));
}
} // namespace

std::optional<ManualLayerWalk> StartManualLayers(int16_t lastLayer, int16_t pointsPerLayer) {
    if (lastLayer < 1 || pointsPerLayer < 1)
        return std::nullopt;
    ManualLayerWalk walk;
    walk.LastLayer = lastLayer;
    walk.LayerTop = 1;
    walk.LayerBottom = BottomFrom(1, pointsPerLayer, lastLayer);
    walk.LayerNo = 1;
    walk.LayerDict[1] = walk.LayerBottom;
    return walk;
}

bool AtFoot(const ManualLayerWalk& walk) {
    return walk.LayerBottom >= walk.LastLayer;
}

bool NextManualLayer(ManualLayerWalk& walk, int16_t pointsPerLayer) {
    if (AtFoot(walk) || pointsPerLayer < 1 || walk.LayerNo >= INT16_MAX)
        return false;
    walk.LayerTop = static_cast<int16_t>(walk.LayerBottom + 1);
    walk.LayerBottom = BottomFrom(walk.LayerTop, pointsPerLayer, walk.LastLayer);
    ++walk.LayerNo;
    walk.LayerDict[walk.LayerNo] = walk.LayerBottom;
    return true;
}

bool MoveManualBottom(ManualLayerWalk& walk, int step) {
    if (step != 1 && step != -1)
        return false;
    const int32_t bottom = walk.LayerBottom + step;
    if (bottom < walk.LayerTop || bottom > walk.LastLayer)
        return false;
    walk.LayerBottom = static_cast<int16_t>(bottom);
    walk.LayerDict[walk.LayerNo] = walk.LayerBottom;
    return true;
}

bool PreviousManualLayer(ManualLayerWalk& walk) {
    if (walk.LayerNo < 2 || walk.LayerTop == 1)
        return false;
    const auto before = walk.LayerDict.find(static_cast<int16_t>(walk.LayerNo - 1));
    if (before == walk.LayerDict.end())
        return false;
    int16_t top = 1;
    if (walk.LayerNo > 2) {
        const auto twoBefore = walk.LayerDict.find(static_cast<int16_t>(walk.LayerNo - 2));
        if (twoBefore == walk.LayerDict.end())
            return false;
        top = static_cast<int16_t>(twoBefore->second + 1);
    }
    walk.LayerDict.erase(walk.LayerNo);
    walk.LayerTop = top;
    walk.LayerBottom = before->second;
    --walk.LayerNo;
    return true;
}

bool BelowStartSize(const ManualLayerWalk& walk, int16_t pointsPerLayer) {
    return walk.LayerBottom - walk.LayerTop < pointsPerLayer;
}

int ManualLabelFontSize(const ManualLayerWalk& walk) {
    // Labels are drawn smaller once the sounding is more than this many times the layer's span.
    constexpr double kLargeLabelsUpTo = 30;
    const int span = walk.LayerBottom - walk.LayerTop;
    const bool large = span == 0 || static_cast<double>(walk.LastLayer) / span <= kLargeLabelsUpTo;
    return large ? 7 : 6;
}

} // namespace strelvan
