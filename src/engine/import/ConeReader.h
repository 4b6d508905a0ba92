#pragma once
// The reader of cone data files: a number of title lines, then one reading per line
// (depth, tip resistance qc, sleeve friction fs, optional pore pressures), separated by
// commas, blanks or tabs. The readings are stored in the units of the file.
//
// A read is all or nothing: the new sounding replaces the readings and title text only
// after the whole file was read; a failed read leaves the earlier sounding as it was.
// The reader's own state (column count, separator, last line read) lives in
// ImportSettings; the separator stays from one file to the next.
#include <optional>
#include <string>
#include <string_view>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// The text of a cone data file, or nullopt when the file could not be opened or read.
using ConeFileText = std::optional<std::string_view>;

// Reads settings.FileName (NumTitleLines title lines, then readings) into cone; returns
// the messages to show, in order (success or failures, with exact texts/icons/titles).
// A path that names no plain file is not opened, and a file larger than any cone data file
// (kMaxConeFileBytes) is refused before it is read.
Messages ReadConeData(ImportSettings& settings, ConeData& cone);

// The same read of the file chosen by the user: FileName names it after a good read and is
// left as it was after a failed one, so that it always names the file of the readings held.
Messages ReadConeData(const std::string& fileName, ImportSettings& settings, ConeData& cone);

// The same read on a file text already in memory; FileName only names the file in the
// success message.
Messages ReadConeText(std::string_view text, ImportSettings& settings, ConeData& cone);

// The column count of the first data line (0 after a failure, with "File Open Error"
// added to messages). Sets Separator when the line has one, and CurLine.
int16_t CountColumns(ConeFileText text, ImportSettings& settings, Messages& messages);

// Reads the title lines into HeaderText and the readings into cone, with NumColumns and
// Separator as the column count left them. A line is refused, with its number, when its
// values are not as many as the columns, are all text, hold a number beyond the range of a
// Single, or are numbers written with a decimal comma between blanks or tabs (the first
// line, and every line of a file separated by blanks or tabs). True after a good read
// (ImportError 0); false after a failure (ImportError -1, cone and HeaderText untouched).
// Adds the success or failure message.
bool ParseConeData(ConeFileText text, ImportSettings& settings, ConeData& cone, Messages& messages);

// The message of a file that cannot be read (or ends among its title lines, or holds a line
// that gives no reading).
Message ReadFailureMessage();

// Corrected tip resistance Qt of readings 1 to count: qc - 0.41 u2 where a column holds
// u2 and u2 is above 0, else qc. False when a corrected value is beyond what a Single
// holds (a reading no cone gives; the read then fails).
bool CorrectTip(ConeData& cone, int count);

} // namespace strelvan
