#include "engine/import/ConeFactors.h"

#include <array>

#include "engine/import/EntryMessages.h"
#include "engine/import/Units.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
const std::array<const char*, 2> kFactorNames = {"Cone Tip Resistance Factor",
                                                 "Cone Sleeve Factor"};

ConeFactorEntry Refused(Message message, int box) {
    ConeFactorEntry entry;
    entry.error = std::move(message);
    entry.focusBox = box;
    return entry;
}

ConeFactorEntry FactorError(int box) {
    return Refused(DataEntryErrorMessage(kFactorNames[box]), box);
}
} // namespace

std::optional<Message> RefuseTypedFactor(int box, const std::string& text) {
    if (MayBecomeNumeric(text))
        return std::nullopt;
    return DataEntryErrorMessage(kFactorNames[box == kSleeveFactorBox ? 1 : 0]);
}

ConeFactorEntry ApplyConeFactors(const std::string& tipText, const std::string& sleeveText,
                                 ConeData& cone, ImportSettings& settings) {
    const std::array<const std::string*, 2> texts = {&tipText, &sleeveText};
    for (int box = 0; box < 2; ++box)
        if (texts[box]->empty())
            return Refused(MissingEntryMessage(), box);

    std::array<float, 2> factors{};
    for (int box = 0; box < 2; ++box) {
        // A factor at or below 0 makes every reading 0 or negative: no cone gives that.
        const std::optional<float> value = ToSingle(*texts[box]);
        if (!value || !(*value > 0.0f))
            return FactorError(box);
        factors[box] = *value;
    }

    ConversionResult done;
    if (settings.UnitsOption == 0)
        done = ConvertMillivolt(cone, settings, factors[0], factors[1]);
    switch (done.tooLarge) {
    case TooLarge::Qc:
        return FactorError(kTipFactorBox);
    case TooLarge::Fs:
        return FactorError(kSleeveFactorBox);
    case TooLarge::Depth:
    case TooLarge::PorePressure:
        return Refused(DataTooLargeMessage(), -1);
    case TooLarge::None:
        break;
    }
    ConeFactorEntry entry;
    entry.TipFactor = factors[0];
    entry.SleeveFactor = factors[1];
    return entry;
}

} // namespace strelvan
