#include "engine/classification/LayerGrid.h"

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

// The layer count of a sounding whose last reading lies at depth d: the floor of the
// quotient of the two single-precision values, formed in double (3.28 ft gives 9 layers).
GridResult CountLayers(float d, float thick, int& layers) {
    const double count = Int(static_cast<double>(d) / static_cast<double>(thick));
    if (!(count <= kMaxLayers)) // also a last depth that is not a finite number
        return Refused(GridStatus::TooDeep, MsgIcon::Critical,
                       " The last depth of " + SingleText(d) +
                           " ft gives more layers of 0.328 ft than the program can hold "
                           "(32767).. Soundings can be classified to a last depth of 10747.9 "
                           "ft; please check the depths and the units of the file. ");
    if (count < 2.0)
        return Refused(GridStatus::TooShort, MsgIcon::Information,
                       " The sounding is too short to classify: its last depth of " +
                           SingleText(d) +
                           " ft gives fewer than 2 layers of 0.328 ft.. A last depth of at "
                           "least 0.656 ft is needed. ");
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

GridResult CheckLastReading(const ConeData& cone, int16_t lastPoint, int& n) {
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
                       " The sounding holds no readings.. There are no soil layers to "
                       "classify. ");
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

void RecreateGridArrays(LayerGrid& g, std::size_t size) {
    for (auto* a : {&g.LayerDepth, &g.LayerQc, &g.LayerFs, &g.LayerQt, &g.LayerRatio, &g.LayerU1,
                    &g.LayerU2, &g.LayerU3, &g.LayerElev})
        a->assign(size, 0.0f);
}

GridResult InitIntervalArrays(const ConeData& cone, LayerGrid& grid, ClassResults& results,
                              SoilPropArrays& props, int16_t lastPoint) {
    grid.LayerThick = kLayerThick;
    int n = 0;
    int layers = 0;
    GridResult result = CheckLastReading(cone, lastPoint, n);
    if (result.ok)
        result = CountLayers(cone.Depth[n], grid.LayerThick, layers);
    grid.NumLayers = static_cast<int16_t>(result.ok ? layers : 0);
    RecreateArrays(grid, results, props, static_cast<std::size_t>(grid.NumLayers) + 1);
    return result;
}

} // namespace strelvan
