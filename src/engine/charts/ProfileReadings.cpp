#include "engine/charts/ProfileReadings.h"

#include <algorithm>
#include <cmath>

#include "engine/state/ArraySizes.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
float LastDepth(const ConeData& cone) {
    return cone.Depth[static_cast<std::size_t>(ReadingsHeld(cone))];
}

// A whole number without a leading blank ("60", "-10").
std::string WholeText(double v) {
    if (std::fabs(v) < 1e15)
        return std::to_string(static_cast<long long>(v));
    return DoubleText(v);
}
} // namespace

ReadingMaxima CleanReadings(ConeData& cone, const ProjectInfo& project) {
    ReadingMaxima m;
    const bool elevation = project.GroundElev != kNoElevation;
    for (int n = ReadingsHeld(cone), k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (elevation)
            cone.Elev[i] = project.GroundElev - cone.Depth[i];
        if (cone.Qc[i] <= 0)
            cone.Qc[i] = 1;
        if (cone.Fs[i] < 0)
            cone.Fs[i] = 0;
        // Formed in double; anything above the cap is stored as the cap, so a huge
        // quotient never has to fit a float.
        const double ratio = static_cast<double>(cone.Fs[i]) * 100.0 / cone.Qc[i];
        cone.Ratio[i] = ratio > kRatioCap ? kRatioCap : static_cast<float>(ratio);
        m.MaxQc = std::max(m.MaxQc, cone.Qc[i]);
        m.MaxFs = std::max(m.MaxFs, cone.Fs[i]);
        m.MaxRatio = std::max(m.MaxRatio, cone.Ratio[i]);
    }
    return m;
}

double DepthStep(const ConeData& cone) {
    return Int(static_cast<double>(LastDepth(cone)) / 6.0);
}

std::vector<std::string> DepthList(const ConeData& cone, const ProjectInfo& project,
                                   int16_t axisMode) {
    const double step = DepthStep(cone);
    const bool elevation = axisMode == -1;
    std::vector<std::string> items;
    for (int k = 0; k <= 6; ++k) {
        if (elevation)
            items.push_back(SingleText(static_cast<float>(project.GroundElev - k * step)));
        else
            items.push_back(WholeText(k * step));
    }
    if (6 * step < LastDepth(cone)) {
        const auto last = static_cast<std::size_t>(ReadingsHeld(cone));
        items.push_back(SingleText(elevation ? cone.Elev[last] : cone.Depth[last]));
    }
    return items;
}

DepthCut CutAtDepth(const ConeData& cone, int16_t axisMode, std::string_view text) {
    const bool elevation = axisMode == -1;
    const int n = ReadingsHeld(cone);
    DepthCut cut;
    cut.text = std::string(text);
    if (TrimBlanks(text).empty())
        cut.text = SingleText(elevation ? cone.Elev[static_cast<std::size_t>(n)]
                                        : cone.Depth[static_cast<std::size_t>(n)]);
    const std::optional<float> v = ToSingle(cut.text);
    if (!v) {
        cut.error = Message{elevation ? " The elevation to plot to must be a number. "
                                      : " The depth to plot to must be a number. ",
                            " Data Plot Message", MsgIcon::Information, MsgButtons::Ok};
        return cut;
    }
    // Compared as the readings are shown, so that the depth the list offers for the last
    // reading (or the text of the last depth typed from it) finds that reading.
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (elevation ? *v >= ShownSingle(cone.Elev[i]) : *v <= ShownSingle(cone.Depth[i])) {
            cut.plotCount = static_cast<int16_t>(k);
            break;
        }
    }
    return cut;
}

} // namespace strelvan
