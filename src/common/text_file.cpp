#include "common/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mervadin {

namespace fs = std::filesystem;

FileError::FileError(const fs::path& path, const std::string& what)
    : std::runtime_error(path.string() + ": " + what), path_(path) {}

Lines SplitLines(std::string_view text) {
    Lines lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string ReadFileBytes(const fs::path& path, std::uintmax_t limit) {
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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError(path, std::string("cannot open file: ") + std::strerror(errno));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    try {
        // One read into a buffer of the file's size; a file that grew
        // meanwhile is read up to that size.
        in.read(bytes.data(), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            throw FileError(path, "read error");
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (EIO, ...) this way.
        throw FileError(path, std::string("read error: ") + std::strerror(errno));
    }
    return bytes;
}

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

fs::path TemporaryNameBeside(const fs::path& path) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    auto name = path.filename().string();
    return path.parent_path() /
           ("." + name + std::string(kTemporaryMark) + std::to_string(random() % 1000000000));
}

// The file to replace: a symbolic link's target, else the path itself.
fs::path ReplacedFile(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error)))
        return path;
    const fs::path target = fs::read_symlink(path, error);
    if (error)
        throw FileError(path, "cannot follow the link: " + error.message());
    return target.is_absolute() ? target : path.parent_path() / target;
}

#ifndef _WIN32
void WriteAll(int fd, std::string_view bytes, const fs::path& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw FileError(path, std::string("write error: ") + std::strerror(errno));
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes the temporary file with the mode and owner of the file it replaces.
void WriteTemporary(const fs::path& temporary, const fs::path& target, std::string_view bytes,
                    fs::perms newMode) {
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    const mode_t mode = exists ? (old.st_mode & 07777) : static_cast<mode_t>(newMode);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        throw FileError(target, std::string("cannot write file: ") + std::strerror(errno));
    try {
        if (exists) {
            (void)::fchown(fd, old.st_uid, old.st_gid); // kept where the system allows it
            ::fchmod(fd, mode);                         // the umask must not narrow it
        }
        WriteAll(fd, bytes, target);
        if (::fsync(fd) != 0)
            throw FileError(target, std::string("write error: ") + std::strerror(errno));
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw FileError(target, std::string("write error: ") + std::strerror(errno));
}
#else
void WriteTemporary(const fs::path& temporary, const fs::path& target, std::string_view bytes,
                    fs::perms) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        throw FileError(target, std::string("cannot write file: ") + std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw FileError(target, "write error (disk full?)");
}
void SyncFolder(const fs::path&) {}
#endif

} // namespace

void WriteFileAtomically(const fs::path& path, std::string_view bytes, fs::perms newMode) {
    const fs::path target = ReplacedFile(path);
    const fs::path temporary = TemporaryNameBeside(target);
    std::error_code error;
    try {
        WriteTemporary(temporary, target, bytes, newMode);
    } catch (...) {
        fs::remove(temporary, error);
        throw;
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FileError(path, "cannot replace file: " + error.message());
    }
    SyncFolder(target.parent_path());
}

void RemoveLeftoverTemporaries(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto mark = name.rfind(kTemporaryMark);
        if (name.size() < 2 || name[0] != '.' || mark == std::string::npos || mark == 0)
            continue;
        const std::string_view digits = std::string_view(name).substr(mark + kTemporaryMark.size());
        if (!digits.empty() &&
            std::all_of(digits.begin(), digits.end(),
                        [](char c) { return c >= '0' && c <= '9'; }) &&
            it->is_regular_file(error))
            fs::remove(it->path(), error);
    }
}

Lines ReadLines(const fs::path& path) {
    return SplitLines(ReadFileBytes(path));
}

void WriteLines(const fs::path& path, const Lines& lines, fs::perms newMode) {
    WriteFileAtomically(path, JoinLines(lines), newMode);
}

} // namespace mervadin
