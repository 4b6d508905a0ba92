// Reading a cone data file of 4000 readings (the most a sounding holds): from disk, and
// from a text already in memory; and the largest file the reader takes (4 MB), blank-separated
// readings and then empty lines up to the limit.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "engine/import/ConeReader.h"
#include "engine/import/DataFile.h"

using namespace strelvan;

namespace {

// Ten title lines, then 4000 comma-separated readings in ft and tsf with a u2 column,
// every 0.05 ft down to 200 ft.
std::string MakeSounding(const char* separator = ",") {
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text +=
            "Generated sounding for the reader benchmark, title line " + std::to_string(i) + "\r\n";
    char line[96];
    for (int i = 1; i <= 4000; ++i) {
        const double depth = 0.05 * i;
        const double qc = 60.0 + 55.0 * std::sin(depth / 7.0) + 0.37 * (i % 29);
        const double fs = qc * (0.012 + 0.01 * std::cos(depth / 11.0));
        const double u2 = 0.03 * depth - 0.4 + 0.011 * (i % 13);
        std::snprintf(line, sizeof line, "%.2f%s%.2f%s%.3f%s%.3f\r\n", depth, separator, qc,
                      separator, fs, separator, u2);
        text += line;
    }
    return text;
}

void ExpectAllRead(benchmark::State& state, const ConeData& cone) {
    if (cone.NumPoints != 4000)
        state.SkipWithError("the sounding was not read whole");
}

void BM_ReadConeText4000(benchmark::State& state) {
    const std::string text = MakeSounding();
    ImportSettings settings;
    auto cone = std::make_unique<ConeData>();
    cone->PoreType1 = 2;
    for (auto _ : state) {
        Messages m = ReadConeText(text, settings, *cone);
        benchmark::DoNotOptimize(m);
    }
    ExpectAllRead(state, *cone);
}
BENCHMARK(BM_ReadConeText4000)->Unit(benchmark::kMicrosecond);

// Reads the text from a file, as the file window does, over and over.
void ReadFromFile(benchmark::State& state, const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("strelvan_reader_bench_" + name + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << text;
    ImportSettings settings;
    settings.FileName = path.string();
    auto cone = std::make_unique<ConeData>();
    cone->PoreType1 = 2;
    for (auto _ : state) {
        Messages m = ReadConeData(settings, *cone);
        benchmark::DoNotOptimize(m);
    }
    ExpectAllRead(state, *cone);
    std::filesystem::remove(path);
}

void BM_ReadConeData4000(benchmark::State& state) {
    ReadFromFile(state, "", MakeSounding());
}
BENCHMARK(BM_ReadConeData4000)->Unit(benchmark::kMicrosecond);

// A file of the largest size read: 4000 readings padded with empty lines.
void BM_ReadLargestFile(benchmark::State& state) {
    std::string text = MakeSounding("   ");
    text.resize(kMaxConeFileBytes, '\n');
    ReadFromFile(state, "largest_", text);
}
BENCHMARK(BM_ReadLargestFile)->Unit(benchmark::kMillisecond);

} // namespace
