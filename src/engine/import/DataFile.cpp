#include "engine/import/DataFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace strelvan {

bool IsPlainFile(const std::string& fileName) {
    std::error_code ec;
    return !fileName.empty() && std::filesystem::is_regular_file(fileName, ec);
}

ConeFileBytes ReadConeFileBytes(const std::string& fileName) {
    ConeFileBytes file;
    if (!IsPlainFile(fileName))
        return file;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(fileName, ec);
    if (ec)
        return file;
    if (size > kMaxConeFileBytes) {
        file.status = FileRead::TooLarge;
        return file;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return file;
    file.bytes.resize(static_cast<std::size_t>(size));
    in.read(file.bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) {
        file.bytes.clear();
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(in.gcount()));
    file.status = FileRead::Read;
    return file;
}

} // namespace strelvan
