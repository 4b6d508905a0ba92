#include "engine/import/DataLine.h"

#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
bool IsColumnBreak(char c) {
    return c == ',' || c == '\t';
}
bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

void CleanDataLine(std::string_view line, std::string& out) {
    out.clear();
    std::size_t b = 0;
    std::size_t e = line.size();
    while (b < e && IsBlankOrTab(line[b]))
        ++b;
    while (e > b && IsBlankOrTab(line[e - 1]))
        --e;
    std::size_t i = b;
    while (i < e) {
        if (line[i] != ' ') {
            out.push_back(line[i++]);
            continue;
        }
        std::size_t run = i;
        while (run < e && line[run] == ' ')
            ++run;
        const bool afterBreak = !out.empty() && IsColumnBreak(out.back());
        const bool beforeBreak = run < e && IsColumnBreak(line[run]);
        if (!afterBreak && !beforeBreak)
            out.append(line.substr(i, run - i));
        i = run;
    }
}

SeparatorScan ScanSeparators(std::string_view line) {
    SeparatorScan scan;
    std::string_view rest = line;
    std::size_t i = 0;
    bool valueBefore = false; // a character other than a blank stands before position i
    while (i < rest.size()) {
        const char c = rest[i];
        const bool cut = c == ',' || c == ' ' || (c == '\t' && valueBefore);
        if (!cut) {
            valueBefore = valueBefore || c != ' ';
            ++i;
            continue;
        }
        ++scan.count;
        scan.kind = c;
        rest = TrimBlanks(rest.substr(i + 1));
        // The first character of the rest is taken as it stands, whatever it is.
        i = 1;
        valueBefore = true;
    }
    return scan;
}

DataValues SplitValues(std::string_view line, std::string_view separator, std::string& buffer) {
    buffer.clear();
    auto keep = [&buffer](std::string_view piece) {
        if (!piece.empty() && !(piece.size() == 1 && piece[0] == ' ')) {
            buffer.append(piece);
            buffer.push_back(' ');
        }
    };
    if (separator.empty()) {
        keep(line);
    } else {
        std::size_t start = 0;
        for (;;) {
            const std::size_t at = separator.size() == 1 ? line.find(separator[0], start)
                                                         : line.find(separator, start);
            if (at == std::string_view::npos) {
                keep(line.substr(start));
                break;
            }
            keep(line.substr(start, at - start));
            start = at + separator.size();
        }
    }
    DataValues values;
    const std::string_view joined = TrimBlanks(buffer);
    if (joined.empty())
        return values;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = joined.find(' ', start);
        const std::string_view value = joined.substr(
            start, at == std::string_view::npos ? std::string_view::npos : at - start);
        if (values.count < DataValues::kKept)
            values.first[values.count] = value;
        ++values.count;
        if (at == std::string_view::npos)
            break;
        start = at + 1;
    }
    return values;
}

bool HoldsDecimalCommas(std::string_view line) {
    int values = 0;
    bool comma = false;
    std::size_t i = 0;
    while (i < line.size() && values < 5) {
        if (IsBlankOrTab(line[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && !IsBlankOrTab(line[end]))
            ++end;
        const std::string_view value = line.substr(i, end - i);
        if (IsDecimalCommaNumber(value)) {
            comma = true;
        } else if (!HasNumberSyntax(value)) {
            if (values < 3)
                return false; // not a reading written in numbers
            break;            // the readings end where text begins
        }
        ++values;
        i = end;
    }
    return values >= 2 && comma;
}

} // namespace strelvan
