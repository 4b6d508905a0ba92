// The sample soundings made for the program and the bad files, read from disk.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/import/ConeReader.h"
#include "engine/import/DataFile.h"
#include "engine/import/Units.h"
#include "engine/support/MessagePrinter.h"

using namespace strelvan;

namespace {

std::string ProjectPath(const std::string& relative) {
    return std::string(STRELVAN_SOURCE_DIR) + "/" + relative;
}

struct Sample {
    const char* file;
    int titleLines;
    int16_t units; // 0 m and millivolts, 1 ft and ton/ft2, 2 m and MPa
    const char* separator;
    int columns;
    int readings;
};

const Sample kSamples[] = {
    {"samples/STV-01-ft-tsf-comma.txt", 10, 1, ",", 3, 600},
    {"samples/STV-02-m-mpa-blank.txt", 10, 2, " ", 3, 915},
    {"samples/STV-03-millivolt-tab.txt", 10, 0, "\t", 3, 366},
    {"samples/STV-04-ft-tsf-u2-no-titles.txt", 0, 1, ",", 4, 300},
};

// Mean of qc and of the friction ratio over the readings between two depths (ft).
struct Band {
    float qcMean = 0, qcMax = 0, rfMean = 0;
};
Band BandOf(const ConeData& c, float top, float bottom) {
    Band b;
    int n = 0;
    for (int i = 1; i <= c.NumPoints; ++i) {
        if (c.Depth[i] < top || c.Depth[i] > bottom)
            continue;
        b.qcMean += c.Qc[i];
        b.qcMax = std::max(b.qcMax, c.Qc[i]);
        b.rfMean += 100 * c.Fs[i] / c.Qc[i];
        ++n;
    }
    b.qcMean /= n;
    b.rfMean /= n;
    return b;
}

TEST(Samples, ReadAndLookLikeALayeredSounding) {
    for (const Sample& s : kSamples) {
        SCOPED_TRACE(s.file);
        ImportSettings settings;
        auto cone = std::make_unique<ConeData>();
        settings.FileName = ProjectPath(s.file);
        settings.NumTitleLines = static_cast<int16_t>(s.titleLines);
        settings.UnitsOption = s.units;
        const Messages m = ReadConeData(settings, *cone);
        ASSERT_EQ(m.size(), 1u);
        ASSERT_EQ(m[0].icon, MsgIcon::Information);
        EXPECT_EQ(cone->NumPoints, s.readings);
        EXPECT_EQ(settings.Separator, s.separator);
        EXPECT_EQ(settings.NumColumns, s.columns);
        if (s.units == 0)
            ConvertMillivolt(*cone, settings, 50.0f, 0.5f);
        else if (s.units == 2)
            ConvertMetric(*cone, settings);
        const ConeData& c = *cone;
        EXPECT_NEAR(c.Depth[c.NumPoints], 60.0f, 0.5f);
        const Band softClay = BandOf(c, 5, 13);
        EXPECT_GT(softClay.qcMean, 5);
        EXPECT_LT(softClay.qcMean, 10);
        EXPECT_GT(softClay.rfMean, 3);
        const Band sand = BandOf(c, 22, 30);
        EXPECT_GT(sand.qcMean, 60);
        EXPECT_LT(sand.rfMean, 2);
        const Band denseSand = BandOf(c, 37, 46);
        EXPECT_GT(denseSand.qcMean, 200);
        EXPECT_LT(denseSand.qcMax, 420);
        EXPECT_LT(denseSand.rfMean, 1.2);
        const Band stiffClay = BandOf(c, 55, 60);
        EXPECT_GT(stiffClay.rfMean, 3);
    }
}

struct BadFile {
    const char* file;
    Messages messages;
};

TEST(BadFiles, EachGivesItsMessageAndKeepsTheEarlierSounding) {
    const Message readFailure{"Could not read data from file", "Open File Error",
                              MsgIcon::Critical};
    const Message fileOpenError{"File Open Error", "", MsgIcon::None};
    const BadFile kBad[] = {
        {"units-line-among-readings.txt",
         {{"Data should be numeric, please check line number 14", "", MsgIcon::None}}},
        {"second-value-not-numeric.txt", {readFailure}},
        // Physical line 16: three empty lines stand before it.
        {"missing-value-after-empty-lines.txt",
         {{"Wrong format data. Please Check line Number 13", "", MsgIcon::None}}},
        {"titles-only.txt",
         {fileOpenError,
          {"No data found in file, please check the number of title lines", "", MsgIcon::None}}},
        {"shorter-than-its-titles.txt", {fileOpenError, readFailure}},
        {"value-too-large.txt",
         {{"Data too large to be read, please check line number 15", "", MsgIcon::None}}},
    };
    ImportSettings settings;
    auto cone = std::make_unique<ConeData>();
    settings.FileName = ProjectPath("samples/STV-01-ft-tsf-comma.txt");
    ASSERT_EQ(ReadConeData(settings, *cone).size(), 1u);
    const std::string header = settings.HeaderText;
    const float lastQc = cone->Qc[600];
    for (const BadFile& b : kBad) {
        SCOPED_TRACE(b.file);
        settings.FileName = ProjectPath(std::string("tests/data/bad/") + b.file);
        EXPECT_EQ(ReadConeData(settings, *cone), b.messages);
        EXPECT_EQ(settings.ImportError, -1);
        EXPECT_EQ(cone->NumPoints, 600);
        EXPECT_EQ(cone->Qc[600], lastQc);
        EXPECT_EQ(cone->Depth[1], 0.1f);
        EXPECT_EQ(settings.HeaderText, header);
    }
}

// A file larger than any cone data file is refused unread; one of the largest size is read.
// A named pipe is refused at once, without waiting for a writer.
TEST(BadFiles, LargeFilesAndPipesAreRefusedBeforeTheyAreRead) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("strelvan-reader-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string readings = "t\n1,20,0.3\n2,21,0.4\n";
    const auto write = [&](const char* name, std::uintmax_t size) {
        std::ofstream out(dir / name, std::ios::binary);
        out << readings << std::string(size - readings.size(), '\n'); // empty lines are skipped
        return (dir / name).string();
    };
    ImportSettings settings;
    settings.NumTitleLines = 1;
    auto cone = std::make_unique<ConeData>();
    settings.FileName = write("largest.txt", kMaxConeFileBytes);
    const Messages read = ReadConeData(settings, *cone);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].icon, MsgIcon::Information);
    EXPECT_EQ(cone->NumPoints, 2);

    const Message readFailure{"Could not read data from file", "Open File Error",
                              MsgIcon::Critical};
    settings.FileName = write("larger.txt", kMaxConeFileBytes + 1);
    settings.NumColumns = 7; // left as it was: the file is not looked into
    EXPECT_EQ(ReadConeData(settings, *cone), Messages{readFailure});
    EXPECT_EQ(settings.ImportError, -1);
    EXPECT_EQ(settings.NumColumns, 7);
    EXPECT_EQ(cone->NumPoints, 2);

    const std::string pipe = (dir / "pipe.txt").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    settings.FileName = pipe;
    EXPECT_EQ(ReadConeData(settings, *cone),
              (Messages{{"File Open Error", "", MsgIcon::None}, readFailure}));
    EXPECT_EQ(cone->NumPoints, 2);
    std::filesystem::remove_all(dir);
}

} // namespace
