#pragma once
// The eight real soundings of tests/data/real (m and MPa, blank-separated), read as the
// program reads them: by the cone data reader, with their own count of title lines.
#include <array>
#include <string>
#include <string_view>

#include "engine/import/ConeReader.h"
#include "engine/import/Units.h"
#include "engine/state/Declarations.h"

namespace strelvan::test {

struct RealFile {
    const char* file;
    int titleLines;
};

inline constexpr std::array<RealFile, 8> kRealFiles = {{{"geolibplus-bro-179092-short.txt", 8},
                                                        {"geolibplus-bro-predrilled-u1.txt", 9},
                                                        {"geolibplus-monnickendam-cptu.txt", 9},
                                                        {"liquepy-standard1-cptu.txt", 8},
                                                        {"pileresponse-example-cptu.txt", 8},
                                                        {"pygef-cpt-mos-cptu.txt", 9},
                                                        {"pygef-cpt2-waternet-soft.txt", 8},
                                                        {"pygef-cpt4-sand.txt", 8}}};

// The real sounding of that file name; the title-line count is 0 for a name not among them,
// which no read of a real sounding survives.
inline RealFile RealFileNamed(std::string_view name) {
    for (const RealFile& real : kRealFiles)
        if (name == real.file)
            return real;
    return {"", 0};
}

// Reads a real sounding into cone in the units of the file, m and MPa, the fourth column taken
// as the pore-pressure kind poreKind (0: kept nowhere); false when the read fails.
inline bool ReadRealMetric(const RealFile& real, ConeData& cone, int16_t poreKind = 0) {
    ImportSettings settings;
    settings.FileName = std::string(STRELVAN_REAL_DATA_DIR) + "/" + real.file;
    settings.NumTitleLines = static_cast<int16_t>(real.titleLines);
    settings.UnitsOption = 2;
    cone.PoreType1 = poreKind;
    ReadConeData(settings, cone);
    return settings.ImportError == 0;
}

// The same read, then converted to ft and ton/ft2; false when either step fails.
inline bool ReadRealSounding(const RealFile& real, ConeData& cone, int16_t poreKind = 0) {
    ImportSettings settings;
    settings.UnitsOption = 2;
    return ReadRealMetric(real, cone, poreKind) && ConvertMetric(cone, settings).converted;
}

} // namespace strelvan::test
