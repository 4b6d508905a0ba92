// Fuzzing of the cone data reader: any bytes as a file, with any number of title lines,
// pore-pressure kinds and separator left by an earlier file. The read must end with a
// message, and a failed read must leave the earlier sounding exactly as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "engine/import/ConeReader.h"

using namespace strelvan;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool SameSounding(const ConeData& a, const ConeData& b) {
    return a.NumPoints == b.NumPoints && a.Depth == b.Depth && a.Qc == b.Qc && a.Fs == b.Fs &&
           a.Qt == b.Qt && a.U1 == b.U1 && a.U2 == b.U2 && a.U3 == b.U3 && a.Ratio == b.Ratio &&
           a.Elev == b.Elev && a.PoreType1 == b.PoreType1 && a.PoreType2 == b.PoreType2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    static const char* const kSeparators[] = {"", ",", " ", "\t"};
    ImportSettings settings;
    settings.FileName = "fuzz.txt";
    settings.NumTitleLines = static_cast<int16_t>(data[0] % 16);
    settings.Separator = kSeparators[(data[1] >> 4) % 4];
    static auto cone = std::make_unique<ConeData>();
    static auto before = std::make_unique<ConeData>();
    *cone = ConeData{};
    cone->PoreType1 = static_cast<int16_t>(data[1] % 5);
    cone->PoreType2 = static_cast<int16_t>(data[2] % 5);
    cone->NumPoints = 2;
    cone->Depth[1] = 1.5f;
    cone->Qc[2] = 42.0f;
    cone->Ratio[1] = 3.0f;
    *before = *cone;
    settings.HeaderText = "earlier\r\n";

    const std::string_view text(reinterpret_cast<const char*>(data) + 3, size - 3);
    const Messages messages = ReadConeText(text, settings, *cone);

    Check(!messages.empty());
    Check(cone->NumPoints >= 0 && cone->NumPoints <= ConeData::kMaxPoints);
    Check(settings.ImportError == 0 || settings.ImportError == -1);
    if (settings.ImportError == 0) {
        Check(cone->NumPoints > 0);
        Check(messages.back().icon == MsgIcon::Information);
        Check(cone->PoreType1 == before->PoreType1 && cone->PoreType2 == before->PoreType2);
        for (int i = 1; i <= cone->NumPoints; ++i)
            Check(cone->Qt[i] <= cone->Qc[i] || cone->Qt[i] == cone->Qc[i]);
    } else {
        Check(SameSounding(*cone, *before));
        Check(settings.HeaderText == "earlier\r\n");
        Check(messages.back().icon != MsgIcon::Information);
    }
    return 0;
}
