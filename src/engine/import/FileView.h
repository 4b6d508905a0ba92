#pragma once
// The raw text of a cone data file as the file view shows it: the whole file up to a limit,
// then a note that the file holds more.
#include <cstddef>
#include <string>

#include "engine/state/Message.h"

namespace strelvan {

// At most this many characters (bytes) of a file are shown.
inline constexpr std::size_t kFileViewLimit = 56000;
// Follows the shown part of a file that is longer than the limit.
inline constexpr const char* kMoreDataInFile = " [ + more data in file ] ";

struct FileViewText {
    bool ok = false;
    std::string bytes; // the first bytes of the file, up to the limit, when ok
    bool more = false; // the file holds more than those bytes
    Message failure;   // what to tell the user, when not ok

    // The text as shown: the bytes, then the note when the file holds more.
    std::string Shown() const { return more ? bytes + kMoreDataInFile : bytes; }
};

// Reads the file for viewing. An empty file, one that cannot be opened or read, and a path
// that names no plain file (a named pipe, a device, a folder), which is not opened, are a
// failure with the read-failure message of the program.
FileViewText ReadFileView(const std::string& fileName);

} // namespace strelvan
