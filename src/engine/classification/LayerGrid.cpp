#include "engine/classification/LayerGrid.h"

#include <charconv>
#include <cmath>
#include <string>

#include "engine/classification/LayerGridCommon.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {

constexpr float kLayerThick = 0.328f;  // ft
constexpr double kMaxLayers = 32767.0; // the layer count is a 16-bit integer

GridResult Refused(GridStatus status, MsgIcon icon, std::string text) {
    return {false, status, Message{std::move(text), " Soil Layer Message", icon, MsgButtons::Ok}};
}

// The words of a refusal that name what the grid is laid for.
struct Wording {
    const char* aim;      // "too short to ..."
    const char* reach;    // "... to a last depth of 10747.9 ft"
    const char* noLayers; // what a sounding without readings leaves undone
};

Wording WordsFor(GridUse use) {
    if (use == GridUse::SoilProperties)
        return {"estimate soil properties", "Soil properties can be estimated",
                "No soil properties can be estimated."};
    return {"classify", "Soundings can be classified", "There are no soil layers to classify."};
}

// depthsGive: "The last depth of 20000 ft gives", or "The readings from ... give".
GridResult TooDeepRefusal(const std::string& depthsGive, const Wording& words, const char* limit) {
    return Refused(GridStatus::TooDeep, MsgIcon::Critical,
                   " " + depthsGive + " more layers of 0.328 ft than the program can hold " +
                       "(32767).. " + words.reach + " " + limit +
                       "; please check the depths and the units of the file. ");
}

// depthsGive: "its last depth of 0.5 ft gives", or "its readings from ... give".
GridResult TooShortRefusal(const std::string& depthsGive, const Wording& words,
                           const char* needed) {
    return Refused(GridStatus::TooShort, MsgIcon::Information,
                   std::string(" The sounding is too short to ") + words.aim + ": " + depthsGive +
                       " fewer than 2 layers of 0.328 ft.. " + needed + " ");
}

// The layer count of a sounding from the surface whose last reading lies at depth d: the
// floor of the quotient of the two single-precision values, formed in double (3.28 ft gives
// 9 layers), the grid counting its steps from depth 0.
GridResult CountFromSurface(float d, float thick, const Wording& words, int& layers) {
    const double count = Int(static_cast<double>(d) / static_cast<double>(thick));
    const std::string lastDepth = "last depth of " + SingleText(d) + " ft gives";
    if (!(count <= kMaxLayers)) // also a last depth that is not a finite number
        return TooDeepRefusal("The " + lastDepth, words, "to a last depth of 10747.9 ft");
    if (count < 2.0)
        return TooShortRefusal("its " + lastDepth, words,
                               "A last depth of at least 0.656 ft is needed.");
    layers = static_cast<int>(count);
    return {};
}

// The layer count of a pre-drilled sounding, whose windows start at its first reading: the
// whole steps from the first to the last reading (their difference and its quotient by the
// step formed in double), and layer 1 above them. So the grid ends with the sounding, as one
// from the surface does, instead of counting from depth 0 and running on below the last
// reading by as much as was pre-drilled.
GridResult CountFromFirstReading(float first, float last, float thick, const Wording& words,
                                 int& layers) {
    const double count =
        Int((static_cast<double>(last) - static_cast<double>(first)) / thick) + 1.0;
    const std::string readings =
        "readings from " + SingleText(first) + " ft to " + SingleText(last) + " ft give";
    if (!(count <= kMaxLayers)) // also depths that are not finite numbers
        return TooDeepRefusal("The " + readings, words, "over at most 10747.5 ft of readings");
    if (count < 2.0)
        return TooShortRefusal("its " + readings, words,
                               "The last reading must lie at least 0.328 ft below the first.");
    layers = static_cast<int>(count);
    return {};
}

// Re-creates the 28 per-layer arrays, zero-filled, in the order the program has always
// created them: the grid, the classification results, the soil properties.
void RecreateArrays(LayerGrid& g, ClassResults& r, SoilPropArrays& p, std::size_t size) {
    RecreateGridArrays(g, size);
    for (auto* a :
         {&r.ProbSand, &r.ProbSilt, &r.ProbClay, &r.SoilIndexU, &r.MuHPS, &r.MuHPM, &r.MuHPC})
        a->assign(size, 0.0f);
    for (auto* a : {&r.TypeTumay02, &r.TypeRobert86, &r.TypeOlsen})
        a->assign(size, int16_t{0});
    for (auto* a : {&p.Gamma, &p.Nk, &p.Moisture, &p.Phi, &p.SigmaV, &p.SigmaH, &p.ConsModulus,
                    &p.ShearStrength, &p.OCR})
        a->assign(size, 0.0f);
}

} // namespace

GridResult CheckLastReading(const ConeData& cone, int16_t lastPoint, int& n, GridUse use) {
    if (cone.NumPoints < 0 || cone.NumPoints > ConeData::kMaxPoints)
        return Refused(GridStatus::OutsideReadings, MsgIcon::Critical,
                       " The sounding's count of " + std::to_string(cone.NumPoints) +
                           " readings lies outside 0 to 4000.. The soil layers were not "
                           "computed. ");
    if (lastPoint < 0 || lastPoint > cone.NumPoints)
        return Refused(
            GridStatus::OutsideReadings, MsgIcon::Critical,
            " Reading " + std::to_string(lastPoint) + " is not in the sounding, which holds " +
                std::to_string(cone.NumPoints) + " readings.. The soil layers were not computed. ");
    n = lastPoint == 0 ? cone.NumPoints : lastPoint;
    if (n == 0)
        return Refused(GridStatus::NoReadings, MsgIcon::Information,
                       std::string(" The sounding holds no readings.. ") + WordsFor(use).noLayers +
                           " ");
    return {};
}

GridResult NotSetUpRefusal() {
    return Refused(GridStatus::NotSetUp, MsgIcon::Critical,
                   " The soil layers have not been set up for this sounding.. The readings "
                   "were not averaged. ");
}

GridResult TooLargeRefusal() {
    return Refused(GridStatus::TooLarge, MsgIcon::Critical,
                   " The readings are too large to be averaged into soil layers.. Please "
                   "check the units of the file. ");
}

GridResult TooSmallRefusal() {
    return Refused(GridStatus::TooSmall, MsgIcon::Critical,
                   " The tip resistance readings are too small to be averaged into soil "
                   "layers.. Please check the units of the file. ");
}

void RecreateGridArrays(LayerGrid& g, std::size_t size) {
    for (auto* a : {&g.LayerDepth, &g.LayerQc, &g.LayerFs, &g.LayerQt, &g.LayerRatio, &g.LayerU1,
                    &g.LayerU2, &g.LayerU3, &g.LayerElev})
        a->assign(size, 0.0f);
}

GridResult InitIntervalArrays(const ConeData& cone, LayerGrid& grid, ClassResults& results,
                              SoilPropArrays& props, int16_t lastPoint, GridUse use) {
    ++grid.Generation;
    grid.LayerThick = kLayerThick;
    int n = 0;
    int layers = 0;
    GridResult result = CheckLastReading(cone, lastPoint, n, use);
    const Wording words = WordsFor(use);
    if (result.ok && IsPreDrilled(cone, grid.LayerThick))
        result =
            CountFromFirstReading(cone.Depth[1], cone.Depth[n], grid.LayerThick, words, layers);
    else if (result.ok)
        result = CountFromSurface(cone.Depth[n], grid.LayerThick, words, layers);
    grid.NumLayers = static_cast<int16_t>(result.ok ? layers : 0);
    RecreateArrays(grid, results, props, static_cast<std::size_t>(grid.NumLayers) + 1);
    return result;
}

void SoundingReplaced(LayerGrid& grid) {
    ++grid.Generation;
}

std::string LayerDepthText(float depth) {
    char buf[64];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(depth),
                                                 std::chars_format::fixed, 3);
    if (!std::isfinite(depth) || r.ec != std::errc())
        return SingleText(depth);
    std::string text(buf, r.ptr);
    text.erase(text.find_last_not_of('0') + 1); // a finite number's fixed text holds a point
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

} // namespace strelvan
