#include "files/file_read.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

namespace mervadin {

namespace fs = std::filesystem;

std::string AbsentText(const fs::path& path) {
    std::error_code error;
    (void)fs::status(path, error);
    if (!error || error == std::errc::no_such_file_or_directory)
        return fs::is_symlink(fs::symlink_status(path, error))
                   ? "no such file (a link to a missing file)"
                   : "no such file";
    if (error == std::errc::too_many_symbolic_link_levels)
        return "is a loop of symbolic links";
    if (error == std::errc::not_a_directory)
        return "no such file (a part of the path is not a folder)";
    return "cannot be reached: " + error.message();
}

std::uintmax_t ReadableSize(const fs::path& path, std::uintmax_t limit) {
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!fs::exists(status))
        throw FileReadError(path, AbsentText(path));
    if (fs::is_directory(status))
        throw FileReadError(path, "is a folder, not a file");
    if (!fs::is_regular_file(status))
        throw FileReadError(path, "not a regular file");
    const auto size = fs::file_size(path, error);
    if (error)
        throw FileReadError(path, "cannot read its size: " + error.message());
    if (size > limit)
        throw FileReadError(path, "too large (" + std::to_string(size) + " bytes, at most " +
                                      std::to_string(limit) + ")");
    return size;
}

namespace {

std::ifstream OpenToRead(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileReadError(path, std::string("cannot be read: ") + std::strerror(errno));
    return in;
}

// Reads into `bytes` as much of its size as the stream holds, and shrinks
// it to what was read.
void ReadInto(std::ifstream& in, const fs::path& path, std::string& bytes) {
    try {
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            throw FileReadError(path, "cannot be read: read error");
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (EIO, ...) this way.
        throw FileReadError(path, std::string("cannot be read: ") + std::strerror(errno));
    }
}

} // namespace

std::string ReadFileRange(const fs::path& path, std::uintmax_t from, std::uintmax_t size) {
    std::ifstream in = OpenToRead(path);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (from > 0)
        in.seekg(static_cast<std::streamoff>(from));
    ReadInto(in, path, bytes);
    return bytes;
}

void ForEachPiece(const fs::path& path, const std::function<void(std::string_view)>& visit) {
    std::ifstream in = OpenToRead(path);
    std::string piece;
    for (;;) {
        piece.resize(kPieceBytes);
        ReadInto(in, path, piece);
        if (piece.empty())
            return;
        visit(piece);
    }
}

// One read into a buffer of the file's size: a file that grew meanwhile is
// read up to that size.
std::string ReadFileBytes(const fs::path& path, std::uintmax_t limit) {
    return ReadFileRange(path, 0, ReadableSize(path, limit));
}

std::string ReadFileStart(const fs::path& path, std::uintmax_t atMost) {
    return ReadFileRange(path, 0, std::min(ReadableSize(path, UINTMAX_MAX), atMost));
}

Lines ReadLines(const fs::path& path, std::size_t atMost) {
    return SplitLines(ReadFileBytes(path), atMost);
}

} // namespace mervadin
