#pragma once
// Depth, qc and fs of one of the real soundings of tests/data/real (m and MPa) put straight
// into the readings, for tests of what comes after the reader.
#include <cctype>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/state/Declarations.h"

namespace strelvan::test {

// Reads every line that starts with a digit (the title lines never do) as depth, qc, fs;
// NumPoints is the number of readings found (0 when the file cannot be read).
inline void LoadRealSounding(const std::string& fileName, ConeData& cone) {
    std::ifstream in(std::string(STRELVAN_REAL_DATA_DIR) + "/" + fileName);
    std::string line;
    int k = 0;
    while (std::getline(in, line) && k < ConeData::kMaxPoints) {
        if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0])))
            continue;
        std::istringstream values(line);
        ++k;
        values >> cone.Depth[k] >> cone.Qc[k] >> cone.Fs[k];
    }
    cone.NumPoints = static_cast<int16_t>(k);
}

} // namespace strelvan::test
