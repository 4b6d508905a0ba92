#include "engine/import/ConeReader.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "engine/import/DataFile.h"
#include "engine/import/DataLine.h"
#include "engine/import/TextLines.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {

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

// A line read with the comma as a separator would give numbers that are not in the file.
Message DecimalComma(int lineNumber) {
    return Message{"Numbers must use a decimal point, not a comma, please check line number " +
                       std::to_string(lineNumber),
                   "", MsgIcon::None};
}

Message TooLargeNumber(int lineNumber) {
    return Message{"Data too large to be read, please check line number " +
                       std::to_string(lineNumber),
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

enum class LineResult { Stored, WrongFormat, NotNumeric, TooLarge, Failed };

// Stores the values of one data line as reading k of the new sounding. The first three
// values, and the pore columns of a file of four or five columns, must be numbers a Single
// holds.
LineResult StoreReading(const DataValues& values, int numColumns, int k, ConeData& fresh) {
    if (values.count != static_cast<std::size_t>(numColumns))
        return LineResult::WrongFormat;
    if (values.count < 3)
        return LineResult::Failed;
    const auto& text = values.first;
    // A line of text alone (a units line left among the readings) gets its own word.
    if (!HasNumberSyntax(text[0]) && !HasNumberSyntax(text[1]) && !HasNumberSyntax(text[2]))
        return LineResult::NotNumeric;
    // A pore column of no kind is still read: it must be a number all the same.
    const int converted = numColumns == 4 || numColumns == 5 ? numColumns : 3;
    std::array<float, DataValues::kKept> number{};
    for (int c = 0; c < converted; ++c) {
        const std::optional<float> value = ToSingle(text[c]);
        if (!value)
            return HasNumberSyntax(text[c]) ? LineResult::TooLarge : LineResult::Failed;
        number[c] = *value;
    }
    if (k > ConeData::kMaxPoints)
        return LineResult::Failed;
    fresh.Depth[k] = number[0];
    fresh.Qc[k] = number[1];
    fresh.Fs[k] = number[2];
    if (converted >= 4)
        StorePore(fresh, fresh.PoreType1, k, number[3]);
    if (converted == 5 && fresh.PoreType2 != fresh.PoreType1)
        StorePore(fresh, fresh.PoreType2, k, number[4]);
    return LineResult::Stored;
}

// A file that uses blanks or tabs between its values may not write its numbers with a
// decimal comma. The first line is tested whatever separator it gave, since a comma inside
// its numbers makes the comma its separator.
bool RefusedForDecimalCommas(std::string_view line, bool firstLine, const std::string& separator) {
    if (!firstLine && separator != " " && separator != "\t")
        return false;
    return HoldsDecimalCommas(line);
}

Messages ReadCone(ConeFileText text, ImportSettings& settings, ConeData& cone) {
    Messages messages;
    settings.NumColumns = CountColumns(text, settings, messages);
    ParseConeData(text, settings, cone, messages);
    return messages;
}

} // namespace

Messages ReadConeData(ImportSettings& settings, ConeData& cone) {
    const ConeFileBytes file = ReadConeFileBytes(settings.FileName);
    if (file.status == FileRead::TooLarge) {
        // Refused unread, as a file of more than 4000 readings is.
        settings.ImportError = -1;
        return Messages{ReadFailureMessage()};
    }
    return ReadCone(file.status == FileRead::Read ? ConeFileText(file.bytes) : std::nullopt,
                    settings, cone);
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
        const int lineNumber = settings.NumTitleLines + k;
        if (RefusedForDecimalCommas(cleaned, k == 1, settings.Separator))
            return fail(DecimalComma(lineNumber));
        const DataValues values = SplitValues(cleaned, settings.Separator, buffer);
        switch (StoreReading(values, settings.NumColumns, k, *fresh)) {
        case LineResult::Stored:
            break;
        case LineResult::WrongFormat:
            return fail(WrongFormat(lineNumber));
        case LineResult::NotNumeric:
            return fail(NotNumeric(lineNumber));
        case LineResult::TooLarge:
            return fail(TooLargeNumber(lineNumber));
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
