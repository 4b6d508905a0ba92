#pragma once
// The files the user picks: which of them can be read as they stand, and how much of a cone
// data file is taken into memory.
#include <cstdint>
#include <string>

namespace strelvan {

// The largest cone data file that is read: 4 MB (4,194,304 bytes). Ten title lines and 4000
// readings of five columns take some 100 to 400 KB, so this leaves about 1000 characters for
// every reading. A larger file is no cone data file and is refused before it is read.
inline constexpr std::uintmax_t kMaxConeFileBytes = std::uintmax_t{4} << 20;

// True when the path names a regular file, or a link to one: a file whose reading ends. A
// named pipe waits for a writer when it is opened, a device may never end and a folder holds
// no text, so none of them is opened.
bool IsPlainFile(const std::string& fileName);

enum class FileRead { Read, Unreadable, TooLarge };

struct ConeFileBytes {
    FileRead status = FileRead::Unreadable;
    std::string bytes; // the whole file, when read
};

// The bytes of a cone data file: refused unread when it is no plain file or larger than
// kMaxConeFileBytes.
ConeFileBytes ReadConeFileBytes(const std::string& fileName);

} // namespace strelvan
