// Fuzzing of the cone data reader: any bytes as a file, with any number of title lines,
// pore-pressure kinds and separator left by an earlier file. The read must end with a
// message, and a failed read must leave the earlier sounding exactly as it was. The first
// reading of a good read, written again with decimal commas between blanks or tabs, must be
// refused with its line named; written with commas between its values, it must read back
// as the same numbers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
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

std::string Written(float value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

// Reads the first reading of the sounding written again as a file of its own.
void CheckCommaRule(const ConeData& read, int16_t titleLines, const char* blankOrTab) {
    static auto cone = std::make_unique<ConeData>();
    const float values[3] = {read.Depth[1], read.Qc[1], read.Fs[1]};
    std::string titles;
    for (int i = 0; i < titleLines; ++i)
        titles += "title\n";

    std::string commas = titles;
    for (int c = 0; c < 3; ++c) {
        std::string value = Written(values[c], "%.6f");
        value[value.find('.')] = ',';
        commas += (c ? blankOrTab : "") + value;
    }
    ImportSettings settings;
    settings.NumTitleLines = titleLines;
    *cone = ConeData{};
    const Messages refused = ReadConeText(commas + "\n", settings, *cone);
    Check(refused.size() == 1 && settings.ImportError == -1);
    Check(refused[0].text ==
          "Numbers must use a decimal point, not a comma, please check line number " +
              std::to_string(titleLines + 1));

    std::string points = titles;
    for (int c = 0; c < 3; ++c)
        points += (c ? "," : "") + Written(values[c], "%.9g");
    settings = ImportSettings{};
    settings.NumTitleLines = titleLines;
    const Messages readBack = ReadConeText(points + "\n", settings, *cone);
    Check(settings.ImportError == 0 && readBack.size() == 1);
    Check(cone->Depth[1] == values[0] && cone->Qc[1] == values[1] && cone->Fs[1] == values[2]);
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
        CheckCommaRule(*cone, settings.NumTitleLines, data[2] & 0x80 ? "\t" : " ");
    } else {
        Check(SameSounding(*cone, *before));
        Check(settings.HeaderText == "earlier\r\n");
        Check(messages.back().icon != MsgIcon::Information);
    }
    return 0;
}
