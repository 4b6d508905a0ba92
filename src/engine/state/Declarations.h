#pragma once
// The shared state of one run of the program: the readings of the sounding, its project
// information, the layer grid with every result computed on it, and the choices of the
// user. Each group has one writer; the windows share one Declarations object.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/state/HistoryLists.h"

namespace strelvan {

// Ground elevation value meaning "not entered".
inline constexpr float kNoElevation = -99999.0f;

struct ImportSettings {
    std::string FileName; // full path of the file last chosen
    int16_t FileNum = 0;  // file number of the last choice
    int16_t NumTitleLines = 10;
    int16_t UnitsOption = 1; // 0 m and millivolts, 1 ft and ton/ft2, 2 m and MPa
    int16_t ImportError = 0; // 0 after a good read, -1 after a failed one
    std::string HeaderText;  // non-empty title lines of the file, each ended by CR LF
    std::string UnitStr = "ton/ft";

    // Kept by the cone data reader from one read to the next.
    int16_t NumColumns = 0; // column count of the file last read
    std::string Separator;  // ",", " " or "\t"; kept until a column count finds one
    std::string CurLine;    // the line last read by the column count or as a title line
};

struct ProjectInfo {
    std::string ProjNum;
    std::string Parish;
    std::string ProjTitle;
    std::string Station;
    std::string Offset;
    float GroundElev = kNoElevation; // ft
    float GWTDepth = 0.0f;           // ft below ground, 0 when not entered
    std::string Latitude;
    std::string Longitude;
    std::string ProjDate;
    std::string CPTNo;
};

// The readings of one sounding; reading k of the file stands at index k (1 to NumPoints),
// index 0 is never a reading.
struct ConeData {
    static constexpr int kMaxPoints = 4000;
    using Column = std::array<float, kMaxPoints + 1>;

    Column Depth{};
    Column Qc{};
    Column Fs{};
    Column Ratio{}; // friction ratio in percent; 20 where it was capped
    Column Qt{};    // corrected tip resistance
    Column U1{};
    Column U2{};
    Column U3{};
    Column Elev{};
    int16_t NumPoints = 0;
    int16_t PoreType1 = 0; // kind of file column 4: 0 none, 1 u1, 2 u2, 3 u3
    int16_t PoreType2 = 0; // kind of file column 5
};

// The fixed grid of thin layers; every array is indexed 0 to NumLayers, layer 1 the top.
struct LayerGrid {
    // Counts the set-ups of the grid and the soundings read: results and manual layers made
    // on one generation do not hold on another.
    int32_t Generation = 0;
    float LayerThick = 0.328f; // ft
    int16_t NumLayers = 0;
    std::vector<float> LayerDepth;
    std::vector<float> LayerQc;
    std::vector<float> LayerFs;
    std::vector<float> LayerQt;
    std::vector<float> LayerRatio;
    std::vector<float> LayerU1;
    std::vector<float> LayerU2;
    std::vector<float> LayerU3;
    std::vector<float> LayerElev;
};

// Per grid layer results of the classifiers; a type number of 0 means no type.
struct ClassResults {
    std::vector<float> ProbSand; // percent
    std::vector<float> ProbSilt;
    std::vector<float> ProbClay;
    std::vector<float> SoilIndexU;
    std::vector<float> MuHPS;
    std::vector<float> MuHPM;
    std::vector<float> MuHPC;
    std::vector<int16_t> TypeTumay02;  // Schmertmann 1 to 16
    std::vector<int16_t> TypeRobert86; // Robertson 1986 1 to 12
    std::vector<int16_t> TypeOlsen;    // Douglas and Olsen 1 to 4
};

// The property choices of the soil-property windows (PropChoice).
inline constexpr int16_t kNoPropertyChosen = -1;
inline constexpr int16_t kConstrainedModulus = 0;
inline constexpr int16_t kUndrainedShearStrength = 4;
inline constexpr int16_t kOverconsolidationRatio = 5;

// Per grid layer soil factors, stresses and properties. A property layer whose formula
// divides by zero holds NaN: it has no value.
struct SoilPropArrays {
    std::vector<float> Gamma;
    std::vector<float> Nk;
    std::vector<float> Moisture;
    std::vector<float> Phi;
    std::vector<float> SigmaV;
    std::vector<float> SigmaH;
    std::vector<float> ConsModulus;
    std::vector<float> ShearStrength;
    std::vector<float> OCR;
    int16_t PropChoice = 0; // 0 constrained modulus, 4 undrained shear strength, 5 OCR
};

struct ChartSelection {
    int16_t MethodCode = 0; // 1 probabilistic, 2 Schmertmann, 3 Robertson 1986,
                            // 4 Douglas and Olsen, 5 fuzzy
    std::string ChartOrder; // chart digits on show, one blank between them
    bool ManualFlag = false;
    int16_t PointsPerLayer = 10; // grid layers per described layer
};

struct Declarations {
    ImportSettings importSettings;
    ProjectInfo project;
    HistoryLists history;
    ConeData cone;
    LayerGrid grid;
    ClassResults results;
    SoilPropArrays props;
    ChartSelection selection;
};

} // namespace strelvan
