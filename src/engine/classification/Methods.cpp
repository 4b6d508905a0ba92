#include "engine/classification/Methods.h"

#include "engine/classification/FuzzyMembership.h"
#include "engine/classification/LayerClassification.h"
#include "engine/classification/SoilNames.h"
#include "engine/classification/SoilProbability.h"

namespace strelvan {

namespace {
template <void (*Classify)(const LayerGrid&, ClassResults&)>
int ClassifyChart(LayerGrid& grid, ClassResults& results) {
    Classify(grid, results);
    return 0;
}

const std::vector<MethodRow>& Table() {
    static const std::vector<MethodRow> rows{
        {Method::Probabilistic,
         "Frm_Tumay01",
         "Probabilistic Region Estimation (Zhang and Tumay, 1999)",
         &SoilProbability,
         true,
         0,
         nullptr,
         nullptr,
         {"Frm_Tumay02", "Frm_Robert86"}},
        {Method::Schmertmann,
         "Frm_Tumay02",
         "Schmertmann, 1978",
         &ClassifyChart<ClassifySchmertmann>,
         false,
         16,
         &ClassResults::TypeTumay02,
         &LayerTextTumay,
         {"Frm_Robert86"}},
        {Method::Robertson86,
         "Frm_Robert86",
         "Roberston et. al ,1986",
         &ClassifyChart<ClassifyRobert86>,
         false,
         12,
         &ClassResults::TypeRobert86,
         &LayerTextRobert86,
         {"Frm_Tumay02"}},
        {Method::DouglasOlsen,
         "Frm_Olsen",
         "Douglas and Olsen, 1981",
         &ClassifyChart<ClassifyOlsen>,
         false,
         4,
         &ClassResults::TypeOlsen,
         &LayerTextOlsen,
         {"Frm_Tumay02"}},
        {Method::Fuzzy,
         "Frm_Fuzzy",
         "Fuzzy Classification (Zhang and Tumay, 1999)",
         &FuzzyMembership,
         true,
         0,
         nullptr,
         nullptr,
         {"Frm_Tumay02"}},
    };
    return rows;
}
} // namespace

std::span<const MethodRow> Methods() {
    return Table();
}

const MethodRow& RowOf(Method method) {
    return Table()[static_cast<std::size_t>(method) - 1];
}

const MethodRow* MethodOfCode(int16_t methodCode) {
    if (methodCode < 1 || methodCode > static_cast<int16_t>(Table().size()))
        return nullptr;
    return &Table()[static_cast<std::size_t>(methodCode) - 1];
}

} // namespace strelvan
