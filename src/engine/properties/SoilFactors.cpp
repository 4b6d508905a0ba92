#include "engine/properties/SoilFactors.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "engine/import/EntryMessages.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {

constexpr double kLbPerTon = 2000.0;
constexpr double kPi = 3.14159265;

// The factors read from the boxes, the same for every layer.
struct Factors {
    float gamma = 0.0f; // ton/ft3
    float nk = 0.0f;
    float moisture = 0.0f;
    float phi = 0.0f; // radians
};

const char* BoxName(SoilFactorBox box) {
    switch (box) {
    case SoilFactorBox::Phi:
        return "Phi (effective)";
    case SoilFactorBox::Moisture:
        return "Moisture Content";
    case SoilFactorBox::Gamma:
        return "Gamma";
    case SoilFactorBox::Nk:
        return "Nk";
    case SoilFactorBox::None:
        break;
    }
    return "";
}

SoilFactorEntry Refused(SoilFactorBox box) {
    return {DataEntryErrorMessage(BoxName(box)), box};
}

// A box read as a double and scaled (text / 2000, text x pi / 180); nullopt when the text is
// no number or the scaled value does not fit a float.
std::optional<float> ScaledEntry(const std::string& text, double times, double over) {
    const std::optional<double> value = ToNumber(text);
    if (!value)
        return std::nullopt;
    return SingleOf(*value * times / over);
}

// The unit weight is what gives the overconsolidation ratio its vertical stress.
SoilFactorEntry MissingUnitWeight() {
    return {Message{" Missing Data Entry in 'Gamma'.. The Overconsolidation Ratio needs the unit "
                    "weight.. Please Enter ",
                    " Data Entry Message", MsgIcon::Critical, MsgButtons::Ok},
            SoilFactorBox::Gamma};
}

bool Asked(const std::vector<SoilFactorBox>& asked, SoilFactorBox box) {
    return std::find(asked.begin(), asked.end(), box) != asked.end();
}

// Reads the boxes the choice asks for in the order the passes read them: unit weight and Nk,
// moisture content, friction angle.
SoilFactorEntry ReadFactors(const SoilFactorTexts& texts, int16_t propChoice, Factors& f) {
    const std::vector<SoilFactorBox> asked = BoxesAskedFor(propChoice);
    if (Asked(asked, SoilFactorBox::Gamma) && !texts.Gamma.empty()) {
        const std::optional<float> gamma = ScaledEntry(texts.Gamma, 1.0, kLbPerTon);
        if (!gamma || !(*gamma > 0.0f))
            return Refused(SoilFactorBox::Gamma);
        f.gamma = *gamma;
    } else if (propChoice == kOverconsolidationRatio) {
        return MissingUnitWeight();
    }
    if (Asked(asked, SoilFactorBox::Nk)) {
        const std::optional<float> nk = ToSingle(texts.Nk);
        if (!nk || !(*nk > 0.0f))
            return Refused(SoilFactorBox::Nk);
        f.nk = *nk;
    }
    if (Asked(asked, SoilFactorBox::Moisture) && !texts.Moisture.empty()) {
        const std::optional<float> moisture = ToSingle(texts.Moisture);
        if (!moisture)
            return Refused(SoilFactorBox::Moisture);
        f.moisture = *moisture;
    }
    if (Asked(asked, SoilFactorBox::Phi) && !texts.Phi.empty()) {
        const std::optional<float> phi = ScaledEntry(texts.Phi, kPi, 180.0);
        if (!phi)
            return Refused(SoilFactorBox::Phi);
        f.phi = *phi;
    }
    return {};
}

// The six arrays the passes write, worked on as a copy so that a refused entry changes none.
struct FactorArrays {
    std::vector<float> Gamma, Nk, Moisture, Phi, SigmaV, SigmaH;
};

// The three passes over layers 1 to n; a stress that does not fit a float names the box
// of the pass that made it.
SoilFactorEntry RunPasses(const Factors& f, const LayerGrid& grid, int n, FactorArrays& a) {
    for (int i = 1; i <= n; ++i) {
        a.Gamma[i] = f.gamma;
        a.Nk[i] = f.nk;
        const std::optional<float> sigmaV = SingleOf(double(grid.LayerDepth[i]) * a.Gamma[i]);
        if (!sigmaV)
            return Refused(SoilFactorBox::Gamma);
        a.SigmaV[i] = *sigmaV;
    }
    for (int i = 1; i <= n; ++i) {
        a.Moisture[i] = f.moisture;
        // (w + 1) is formed in double with the product, not rounded to a float on its own.
        const std::optional<float> sigmaV = SingleOf((double(a.Moisture[i]) + 1.0) * a.SigmaV[i]);
        if (!sigmaV)
            return Refused(SoilFactorBox::Moisture);
        a.SigmaV[i] = *sigmaV;
    }
    for (int i = 1; i <= n; ++i) {
        a.Phi[i] = f.phi;
        const std::optional<float> sigmaH =
            SingleOf(double(a.SigmaV[i]) * (1.0 - std::sin(double(a.Phi[i]))));
        if (!sigmaH)
            return Refused(SoilFactorBox::Phi);
        a.SigmaH[i] = *sigmaH;
    }
    return {};
}

bool ArraysHoldLayers(const LayerGrid& grid, const SoilPropArrays& p, int n) {
    const auto need = static_cast<std::size_t>(n) + 1;
    for (const std::vector<float>* a :
         {&grid.LayerDepth, &p.Gamma, &p.Nk, &p.Moisture, &p.Phi, &p.SigmaV, &p.SigmaH})
        if (a->size() < need)
            return false;
    return true;
}

} // namespace

std::vector<SoilFactorBox> BoxesAskedFor(int16_t propChoice) {
    using enum SoilFactorBox;
    switch (propChoice) {
    case kConstrainedModulus:
        return {Phi, Moisture, Gamma};
    case kUndrainedShearStrength:
        return {Gamma, Nk, Moisture};
    case kOverconsolidationRatio:
        return {Gamma, Moisture};
    default:
        return {};
    }
}

SoilFactorEntry ApplySoilFactors(const SoilFactorTexts& texts, int16_t propChoice,
                                 const LayerGrid& grid, SoilPropArrays& props) {
    if (propChoice == kNoPropertyChosen)
        return {Message{"Please choose Soil Properties from the menu", "", MsgIcon::None,
                        MsgButtons::Ok},
                SoilFactorBox::None};
    Factors factors;
    if (SoilFactorEntry read = ReadFactors(texts, propChoice, factors); read.error)
        return read;

    const int n = grid.NumLayers; // read once: the passes never reach past this layer
    if (n < 1)
        return {};
    if (!ArraysHoldLayers(grid, props, n))
        return {Message{" The soil layers have not been set up for this sounding.. The soil "
                        "factors were not applied. ",
                        " Soil Layer Message", MsgIcon::Critical, MsgButtons::Ok},
                SoilFactorBox::None};
    FactorArrays work{props.Gamma, props.Nk, props.Moisture, props.Phi, props.SigmaV, props.SigmaH};
    if (SoilFactorEntry passes = RunPasses(factors, grid, n, work); passes.error)
        return passes;
    props.Gamma = std::move(work.Gamma);
    props.Nk = std::move(work.Nk);
    props.Moisture = std::move(work.Moisture);
    props.Phi = std::move(work.Phi);
    props.SigmaV = std::move(work.SigmaV);
    props.SigmaH = std::move(work.SigmaH);
    return {};
}

} // namespace strelvan
