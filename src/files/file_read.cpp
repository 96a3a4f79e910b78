#include "files/file_read.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

namespace mervadin {

namespace fs = std::filesystem;

std::uintmax_t ReadableSize(const fs::path& path, std::uintmax_t limit) {
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!fs::exists(status))
        throw FileError(path, "no such file");
    if (fs::is_directory(status))
        throw FileError(path, "is a folder, not a file");
    if (!fs::is_regular_file(status))
        throw FileError(path, "not a regular file");
    const auto size = fs::file_size(path, error);
    if (error)
        throw FileError(path, "cannot read its size: " + error.message());
    if (size > limit)
        throw FileError(path, "too large (" + std::to_string(size) + " bytes, at most " +
                                  std::to_string(limit) + ")");
    return size;
}

namespace {

// The first `size` bytes of a regular file (fewer if it is shorter now).
std::string ReadPrefix(const fs::path& path, std::uintmax_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileReadError(path, std::string("cannot be read: ") + std::strerror(errno));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    try {
        // One read into a buffer of the file's size; a file that grew
        // meanwhile is read up to that size.
        in.read(bytes.data(), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            throw FileReadError(path, "cannot be read: read error");
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (EIO, ...) this way.
        throw FileReadError(path, std::string("cannot be read: ") + std::strerror(errno));
    }
    return bytes;
}

} // namespace

std::string ReadFileBytes(const fs::path& path, std::uintmax_t limit) {
    return ReadPrefix(path, ReadableSize(path, limit));
}

std::string ReadFileStart(const fs::path& path, std::uintmax_t atMost) {
    return ReadPrefix(path, std::min(ReadableSize(path, UINTMAX_MAX), atMost));
}

Lines ReadLines(const fs::path& path, std::size_t atMost) {
    return SplitLines(ReadFileBytes(path), atMost);
}

} // namespace mervadin
