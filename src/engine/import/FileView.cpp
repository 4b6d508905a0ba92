#include "engine/import/FileView.h"

#include <fstream>

#include "engine/import/ConeReader.h"
#include "engine/import/DataFile.h"

namespace strelvan {

namespace {
FileViewText Failure() {
    FileViewText r;
    r.failure = ReadFailureMessage();
    return r;
}
} // namespace

FileViewText ReadFileView(const std::string& fileName) {
    // A named pipe would hold the window in the open until something wrote to it.
    if (!IsPlainFile(fileName))
        return Failure();
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return Failure();
    // One byte beyond the limit tells whether the file holds more than is shown.
    std::string bytes(kFileViewLimit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return Failure();
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.empty())
        return Failure();
    FileViewText r;
    r.ok = true;
    r.more = bytes.size() > kFileViewLimit;
    if (r.more)
        bytes.resize(kFileViewLimit);
    r.bytes = std::move(bytes);
    return r;
}

} // namespace strelvan
