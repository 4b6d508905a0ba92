#include "engine/import/ConeReader.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "engine/import/DataLine.h"
#include "engine/import/TextLines.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {

// A cone data file holds at most 4000 readings and a few title lines; a file this large
// is not one, and is not taken into memory.
constexpr std::uintmax_t kMaxFileBytes = 256u << 20;

Message FileOpenError() {
    return Message{"File Open Error", "", MsgIcon::None};
}

Message WrongFormat(int lineNumber) {
    return Message{"Wrong format data. Please Check line Number " + std::to_string(lineNumber), "",
                   MsgIcon::None};
}

Message NotNumeric(int lineNumber) {
    return Message{"Data should be numeric, please check line number " + std::to_string(lineNumber),
                   "", MsgIcon::None};
}

Message NoReadings() {
    return Message{"No data found in file, please check the number of title lines", "",
                   MsgIcon::None};
}

Message Success(const std::string& fileName, int numPoints) {
    return Message{"Cone Data File: " + fileName + "\r\n" + " was successfully opened. " + "\r\n" +
                       " Total Number of Lines = " + std::to_string(numPoints),
                   " Data Import from Text File", MsgIcon::Information};
}

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    std::error_code ec;
    const std::filesystem::path path(fileName);
    if (fileName.empty() || !std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return text;
}

// Reads and drops the title lines; false when the text ends among them.
bool SkipTitleLines(TextLines& lines, int numTitleLines) {
    std::string_view line;
    for (int i = 0; i < numTitleLines; ++i)
        if (!lines.Next(line))
            return false;
    return true;
}

// Puts a pore-pressure value of a file column into the array its kind names (1 u1, 2 u2,
// 3 u3); any other kind keeps it nowhere.
void StorePore(ConeData& cone, int kind, int k, float value) {
    switch (kind) {
    case 1:
        cone.U1[k] = value;
        break;
    case 2:
        cone.U2[k] = value;
        break;
    case 3:
        cone.U3[k] = value;
        break;
    default:
        break;
    }
}

enum class LineResult { Stored, WrongFormat, NotNumeric, Failed };

// Stores the values of one data line as reading k of the new sounding.
LineResult StoreReading(const DataValues& values, int numColumns, int k, ConeData& fresh) {
    if (values.count != static_cast<std::size_t>(numColumns))
        return LineResult::WrongFormat;
    if (values.count < 3)
        return LineResult::Failed;
    const auto depth = ToSingle(values.first[0]);
    const auto qc = ToSingle(values.first[1]);
    const auto fs = ToSingle(values.first[2]);
    if (!depth || !qc || !fs) {
        // A line of text alone (a units line left among the readings) gets its own word.
        if (!IsNumeric(values.first[0]) && !IsNumeric(values.first[1]) &&
            !IsNumeric(values.first[2]))
            return LineResult::NotNumeric;
        return LineResult::Failed;
    }
    if (k > ConeData::kMaxPoints)
        return LineResult::Failed;
    fresh.Depth[k] = *depth;
    fresh.Qc[k] = *qc;
    fresh.Fs[k] = *fs;
    if (numColumns == 4 || numColumns == 5) {
        // A pore column of no kind is still read: it must be a number all the same.
        const auto u4 = ToSingle(values.first[3]);
        if (!u4)
            return LineResult::Failed;
        StorePore(fresh, fresh.PoreType1, k, *u4);
        if (numColumns == 5) {
            const auto u5 = ToSingle(values.first[4]);
            if (!u5)
                return LineResult::Failed;
            if (fresh.PoreType2 != fresh.PoreType1)
                StorePore(fresh, fresh.PoreType2, k, *u5);
        }
    }
    return LineResult::Stored;
}

Messages ReadCone(ConeFileText text, ImportSettings& settings, ConeData& cone) {
    Messages messages;
    settings.NumColumns = CountColumns(text, settings, messages);
    ParseConeData(text, settings, cone, messages);
    return messages;
}

} // namespace

Messages ReadConeData(ImportSettings& settings, ConeData& cone) {
    const std::optional<std::string> text = ReadWholeFile(settings.FileName);
    return ReadCone(text ? ConeFileText(*text) : std::nullopt, settings, cone);
}

Messages ReadConeData(const std::string& fileName, ImportSettings& settings, ConeData& cone) {
    std::string held = fileName;
    std::swap(held, settings.FileName);
    Messages messages = ReadConeData(settings, cone);
    if (settings.ImportError != 0)
        settings.FileName = std::move(held);
    return messages;
}

Messages ReadConeText(std::string_view text, ImportSettings& settings, ConeData& cone) {
    return ReadCone(text, settings, cone);
}

int16_t CountColumns(ConeFileText text, ImportSettings& settings, Messages& messages) {
    auto fail = [&messages]() -> int16_t {
        messages.push_back(FileOpenError());
        return 0;
    };
    if (!text)
        return fail();
    TextLines lines(*text);
    if (!SkipTitleLines(lines, settings.NumTitleLines))
        return fail();
    // The columns are counted on the first line that holds anything; empty lines before
    // it are skipped as they are among the readings.
    std::string_view line;
    std::string cleaned;
    bool any = false;
    while (lines.Next(line)) {
        CleanDataLine(line, cleaned);
        any = true;
        if (!cleaned.empty())
            break;
    }
    if (!any)
        return fail();
    settings.CurLine = cleaned;
    const SeparatorScan scan = ScanSeparators(cleaned);
    if (scan.count >= std::numeric_limits<int16_t>::max())
        return fail();
    if (scan.kind != 0)
        settings.Separator = std::string(1, scan.kind);
    return static_cast<int16_t>(scan.count + 1);
}

bool ParseConeData(ConeFileText text, ImportSettings& settings, ConeData& cone,
                   Messages& messages) {
    auto fail = [&](Message message) {
        messages.push_back(std::move(message));
        settings.ImportError = -1;
        return false;
    };
    if (!text)
        return fail(ReadFailureMessage());

    // The new sounding is built apart and replaces the old one only after a good read.
    auto fresh = std::make_unique<ConeData>();
    fresh->PoreType1 = cone.PoreType1;
    fresh->PoreType2 = cone.PoreType2;
    std::string header;

    TextLines lines(*text);
    std::string_view line;
    for (int i = 0; i < settings.NumTitleLines; ++i) {
        if (!lines.Next(line))
            return fail(ReadFailureMessage());
        settings.CurLine = line;
        if (!line.empty()) {
            header.append(line);
            header.append("\r\n");
        }
    }

    std::string cleaned;
    std::string buffer;
    int k = 1;
    while (lines.Next(line)) {
        CleanDataLine(line, cleaned);
        if (cleaned.empty())
            continue;
        const DataValues values = SplitValues(cleaned, settings.Separator, buffer);
        const int lineNumber = settings.NumTitleLines + k;
        switch (StoreReading(values, settings.NumColumns, k, *fresh)) {
        case LineResult::Stored:
            break;
        case LineResult::WrongFormat:
            return fail(WrongFormat(lineNumber));
        case LineResult::NotNumeric:
            return fail(NotNumeric(lineNumber));
        case LineResult::Failed:
            return fail(ReadFailureMessage());
        }
        ++k;
    }

    const int count = k - 1;
    if (count == 0)
        return fail(NoReadings());
    if (!CorrectTip(*fresh, count))
        return fail(ReadFailureMessage());
    fresh->NumPoints = static_cast<int16_t>(count);
    cone = *fresh;
    settings.HeaderText = std::move(header);
    settings.ImportError = 0;
    messages.push_back(Success(settings.FileName, count));
    return true;
}

Message ReadFailureMessage() {
    return Message{"Could not read data from file", "Open File Error", MsgIcon::Critical};
}

bool CorrectTip(ConeData& cone, int count) {
    const bool u2Column = cone.PoreType1 == 2 || cone.PoreType2 == 2;
    for (int i = 1; i <= count && i <= ConeData::kMaxPoints; ++i) {
        if (!u2Column || !(cone.U2[i] > 0)) {
            cone.Qt[i] = cone.Qc[i];
            continue;
        }
        const double qt = static_cast<double>(cone.Qc[i]) - 0.41 * static_cast<double>(cone.U2[i]);
        if (std::fabs(qt) > std::numeric_limits<float>::max())
            return false;
        cone.Qt[i] = static_cast<float>(qt);
    }
    return true;
}

} // namespace strelvan
