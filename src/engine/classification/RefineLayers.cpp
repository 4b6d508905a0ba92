// The averaging of the readings into the grid layers.
//
// Each grid layer k >= 2 averages the readings whose depth lies in its window (top, bottom],
// the tops stepping down the sounding by LayerThick in single precision. Rather than scanning
// every reading for every layer, each reading's window is found once against the stepped
// window bottoms, and its values are added into the sums of that window in reading order.
// Every layer therefore gets the very same single-precision sums, over the very same
// readings, as a scan of all readings per window would give, for soundings sorted by depth
// or not.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/classification/LayerGrid.h"
#include "engine/classification/LayerGridCommon.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {

// The six readings averaged into the grid, each with its layer array.
struct Averaged {
    ConeData::Column ConeData::*reading;
    std::vector<float> LayerGrid::*layer;
};
constexpr Averaged kAveraged[] = {
    {&ConeData::Qc, &LayerGrid::LayerQc}, {&ConeData::Qt, &LayerGrid::LayerQt},
    {&ConeData::Fs, &LayerGrid::LayerFs}, {&ConeData::U1, &LayerGrid::LayerU1},
    {&ConeData::U2, &LayerGrid::LayerU2}, {&ConeData::U3, &LayerGrid::LayerU3}};

// The arrays the averaging writes (all but LayerElev).
std::array<const std::vector<float>*, 8> WrittenArrays(const LayerGrid& g) {
    return {&g.LayerDepth, &g.LayerQc, &g.LayerFs, &g.LayerQt,
            &g.LayerRatio, &g.LayerU1, &g.LayerU2, &g.LayerU3};
}

// A grid set up for averaging: at least 2 layers, a positive step, and every array it
// writes holding layers 0 to NumLayers.
bool IsSetUp(const LayerGrid& g) {
    if (g.NumLayers < 2 || !(g.LayerThick > 0.0f) || !std::isfinite(g.LayerThick))
        return false;
    const std::size_t size = static_cast<std::size_t>(g.NumLayers) + 1;
    for (const auto* a : WrittenArrays(g))
        if (a->size() != size)
            return false;
    return true;
}

// Whether the friction ratios of the layers fit a float, and if not, why.
enum class RatioFit {
    Fits,
    QcTooSmall, // fs x 100 fits, but qc is so near 0 that the quotient does not
    FsTooLarge, // fs x 100 itself does not fit
};

// The friction ratio in percent, formed in double and stored as a float; 0 where qc is 0.
RatioFit SetRatio(LayerGrid& g, int k) {
    const float qc = g.LayerQc[k];
    g.LayerRatio[k] = 0.0f;
    if (qc == 0.0f)
        return RatioFit::Fits;
    const double fs100 = static_cast<double>(g.LayerFs[k]) * 100.0;
    const double ratio = fs100 / qc;
    if (const std::optional<float> stored = SingleOf(ratio)) {
        g.LayerRatio[k] = *stored;
        return RatioFit::Fits;
    }
    if (std::isnan(ratio)) { // from sums that are no numbers: refused as too large
        g.LayerRatio[k] = static_cast<float>(ratio);
        return RatioFit::Fits;
    }
    return SingleOf(fs100) ? RatioFit::QcTooSmall : RatioFit::FsTooLarge;
}

// The worse of two fits: a reading too large outweighs one too small.
RatioFit Worse(RatioFit a, RatioFit b) {
    return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

// bottom[1] is the top of window 2 and bottom[k] = bottom[k - 1] + LayerThick, added as
// floats step by step, so that window k is (bottom[k - 1], bottom[k]]. A reading that lies
// exactly on one of these stepped bounds belongs to the window above it, which a bound worked
// out as top + k x LayerThick would not always say. Adding a positive step never lowers a
// float, so the bottoms never decrease and the windows never overlap.
std::vector<float> WindowBottoms(float top, float thick, int layers) {
    std::vector<float> bottom(static_cast<std::size_t>(layers) + 1, 0.0f);
    bottom[1] = top;
    for (int k = 2; k <= layers; ++k)
        bottom[k] = bottom[k - 1] + thick;
    return bottom;
}

// The window k (2 to NumLayers) with bottom[k - 1] < depth <= bottom[k], or 0 for none.
// The window is first estimated from the depth; the estimate is settled against the stepped
// bottoms themselves, and a binary search over them decides where it is off by more than a
// step (as it is where the steps vanish beside a very large first depth).
int WindowOf(const std::vector<float>& bottom, double perStep, float depth) {
    const int last = static_cast<int>(bottom.size()) - 1;
    if (!(depth > bottom[1]) || !(depth <= bottom[last]))
        return 0;
    const auto holds = [&](int k) { return bottom[k - 1] < depth && depth <= bottom[k]; };
    const double steps = (static_cast<double>(depth) - bottom[1]) * perStep; // >= 0
    const int guess = steps < last ? std::min(static_cast<int>(steps) + 2, last) : last;
    for (const int k : {guess, guess - 1, guess + 1})
        if (k >= 2 && k <= last && holds(k))
            return k;
    return static_cast<int>(std::lower_bound(bottom.begin() + 2, bottom.end(), depth) -
                            bottom.begin());
}

// Adds readings 1 to n, in reading order, into the layers 2 to NumLayers of their windows;
// returns the number of readings per window.
std::vector<int> SumWindows(const ConeData& c, int n, const std::vector<float>& bottom,
                            LayerGrid& g) {
    std::vector<int> count(bottom.size(), 0);
    const double perStep = 1.0 / g.LayerThick;
    for (const auto& a : kAveraged)
        std::fill((g.*a.layer).begin() + 2, (g.*a.layer).end(), 0.0f);
    for (int i = 1; i <= n; ++i) {
        const int k = WindowOf(bottom, perStep, c.Depth[i]);
        if (k == 0)
            continue;
        ++count[k];
        for (const auto& a : kAveraged)
            (g.*a.layer)[k] += (c.*a.reading)[i];
    }
    return count;
}

RatioFit FillLayers(const ConeData& c, int n, LayerGrid& g) {
    const float thick = g.LayerThick;
    // Layer 1 and the top of the first window: the grid starts at LayerThick, or at the
    // first reading when that lies deeper.
    float top = thick;
    g.LayerDepth[1] = thick / 2;
    for (const auto& a : kAveraged)
        (g.*a.layer)[1] = 0.0f;
    if (IsPreDrilled(c, thick)) {
        g.LayerDepth[1] = c.Depth[1] + thick / 2;
        top = c.Depth[1];
        for (const auto& a : kAveraged)
            (g.*a.layer)[1] = (c.*a.reading)[1];
    }

    const std::vector<int> count = SumWindows(c, n, WindowBottoms(top, thick, g.NumLayers), g);
    RatioFit fit = RatioFit::Fits;
    for (int k = 2; k <= g.NumLayers; ++k) {
        g.LayerDepth[k] = g.LayerDepth[k - 1] + thick;
        for (const auto& a : kAveraged) {
            auto& layer = g.*a.layer;
            // An empty window repeats the layer above it.
            layer[k] = count[k] > 0 ? layer[k] / static_cast<float>(count[k]) : layer[k - 1];
        }
        fit = Worse(fit, SetRatio(g, k));
    }

    // Layer 1 repeats layer 2; its depth stays the middle of the top step.
    for (const auto& a : kAveraged)
        (g.*a.layer)[1] = (g.*a.layer)[2];
    fit = Worse(fit, SetRatio(g, 1));

    // Without a u2 column the corrected tip resistance is the tip resistance.
    if (c.PoreType1 != 2 && c.PoreType2 != 2)
        g.LayerQt = g.LayerQc;
    return fit;
}

bool AllFinite(const LayerGrid& g) {
    bool finite = true;
    for (const auto* a : WrittenArrays(g))
        for (int k = 1; k <= g.NumLayers; ++k)
            finite &= std::isfinite((*a)[k]);
    return finite;
}

} // namespace

GridResult AverageLayers(const ConeData& cone, LayerGrid& grid, int16_t lastPoint) {
    int n = 0;
    GridResult result = CheckLastReading(cone, lastPoint, n);
    if (result.ok && !IsSetUp(grid))
        result = NotSetUpRefusal();
    if (result.ok) {
        const RatioFit fit = FillLayers(cone, n, grid);
        if (!AllFinite(grid) || fit == RatioFit::FsTooLarge)
            result = TooLargeRefusal();
        else if (fit == RatioFit::QcTooSmall)
            result = TooSmallRefusal();
    }
    if (!result.ok) {
        grid.NumLayers = 0;
        RecreateGridArrays(grid, 1);
    }
    return result;
}

} // namespace strelvan
