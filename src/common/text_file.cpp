#include "common/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>
#include <random>
#include <system_error>
#include <type_traits>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mervadin {

namespace fs = std::filesystem;

FileError::FileError(const fs::path& path, const std::string& what)
    : std::runtime_error(path.string() + ": " + what), path_(path) {}

namespace {

template <typename LineList>
LineList SplitAs(std::string_view text) {
    LineList lines;
    // Room for lines of 32 bytes on average, reserved but not touched until
    // used, so the list seldom has to grow (and copy itself) as it fills.
    lines.reserve(text.size() / 32);
    ForEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

} // namespace

Lines SplitLines(std::string_view text) {
    return SplitAs<Lines>(text);
}

LineViews SplitLineViews(std::string_view text) {
    return SplitAs<LineViews>(text);
}

std::size_t CountLines(std::string_view text, std::size_t atMost) {
    std::size_t count = 0;
    ForEachLine(text, [&](std::string_view) { return ++count < atMost; });
    return count;
}

bool IsJoinedLines(std::string_view text, const LineViews& lines) {
    const char* const end = text.data() + text.size();
    for (const auto line : lines) {
        const char* const after = line.data() + line.size();
        if (end - after < 2 || after[0] != '\r' || after[1] != '\n')
            return false;
    }
    return lines.empty() ? text.empty()
                         : lines.back().data() + lines.back().size() + 2 == end;
}

namespace {

template <typename LineList>
std::string JoinAny(const LineList& lines) {
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

} // namespace

std::string JoinLines(const Lines& lines) {
    return JoinAny(lines);
}

std::string JoinLines(const LineViews& lines) {
    return JoinAny(lines);
}

namespace {

// The size of a regular file that may be read; FileError otherwise.
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

} // namespace

std::string ReadFileBytes(const fs::path& path, std::uintmax_t limit) {
    const auto size = ReadableSize(path, limit);
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

#ifndef _WIN32
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Asks for huge pages in the 2 MiB-aligned stretches of [start, start +
// bytes), then maps every page at once: far cheaper than a fault and a page
// table entry per 4 KiB.
void MapAtOnce(std::uintptr_t start, std::size_t bytes) noexcept {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first)
        (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    (void)::madvise(reinterpret_cast<void*>(start), bytes, MADV_POPULATE_WRITE);
#endif
}

// Memory for `bytes`, starting on a 2 MiB boundary when it spans one, with
// every page mapped.
char* MapForFilling(std::size_t bytes) {
    const std::size_t room = bytes >= kHugePage ? bytes + kHugePage : bytes;
    void* memory =
        ::mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const auto end = (start + room + page - 1) & ~(page - 1);
    const std::uintptr_t first = bytes >= kHugePage ? (start + kHugePage - 1) & ~(kHugePage - 1)
                                                    : start;
    const std::uintptr_t last = (first + bytes + page - 1) & ~(page - 1);
    if (first > start)
        ::munmap(memory, first - start);
    if (end > last)
        ::munmap(reinterpret_cast<void*>(last), end - last);
    MapAtOnce(first, bytes);
    return reinterpret_cast<char*>(first);
}

} // namespace

FileBytes::FileBytes(std::size_t capacity) : capacity_(capacity) {
    if (capacity > 0)
        data_ = MapForFilling(capacity);
}

void FileBytes::Release() noexcept {
    if (data_)
        ::munmap(data_, capacity_);
    data_ = nullptr;
    size_ = capacity_ = 0;
}

FileBytes ReadFileBuffer(const fs::path& path, std::uintmax_t limit) {
    const auto size = static_cast<std::size_t>(ReadableSize(path, limit));
    FileBytes bytes(size);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(path, std::string("cannot open file: ") + std::strerror(errno));
    // A file that grew meanwhile is read up to the size it had.
    while (bytes.size_ < size) {
        const ssize_t got = ::read(fd, bytes.data_ + bytes.size_, size - bytes.size_);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int readError = errno;
            ::close(fd);
            throw FileError(path, std::string("read error: ") + std::strerror(readError));
        }
        if (got == 0)
            break;
        bytes.size_ += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return bytes;
}
#else
FileBytes::FileBytes(std::size_t capacity)
    : data_(capacity ? new char[capacity] : nullptr), capacity_(capacity) {}

void FileBytes::Release() noexcept {
    delete[] data_;
    data_ = nullptr;
    size_ = capacity_ = 0;
}

FileBytes ReadFileBuffer(const fs::path& path, std::uintmax_t limit) {
    const std::string text = ReadFileBytes(path, limit);
    FileBytes bytes(text.size());
    std::copy(text.begin(), text.end(), bytes.data_);
    bytes.size_ = text.size();
    return bytes;
}
#endif

void PrefaultForWriting(void* start, std::size_t bytes) noexcept {
#ifdef __linux__
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) & ~(page - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(page - 1);
    if (last > first)
        MapAtOnce(first, last - first);
#else
    (void)start;
    (void)bytes;
#endif
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

FileBytes::~FileBytes() {
    Release();
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
// Starts the disk write of each mebibyte as soon as it is written, so that
// the disk works while the rest is still being written and the final wait
// is short.
class Writeback {
public:
    explicit Writeback(int fd, off_t at = 0) : fd_(fd), written_(at), started_(at) {}

    void Advance(std::size_t bytes) {
        written_ += static_cast<off_t>(bytes);
        if (written_ - started_ >= kStep)
            Start();
    }
    void Start() {
#ifdef __linux__
        if (written_ > started_)
            (void)::sync_file_range(fd_, started_, written_ - started_, SYNC_FILE_RANGE_WRITE);
#endif
        started_ = written_;
    }

private:
    static constexpr off_t kStep = off_t{1} << 20;
    int fd_;
    off_t written_;
    off_t started_;
};

// Writes bytes at the file's offset `at`, where the file's position is.
void WriteAll(int fd, std::string_view bytes, const fs::path& path, off_t at = 0) {
    Writeback writeback(fd, at);
    while (!bytes.empty()) {
        const std::size_t piece = std::min<std::size_t>(bytes.size(), std::size_t{1} << 20);
        const ssize_t written = ::write(fd, bytes.data(), piece);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw FileError(path, std::string("write error: ") + std::strerror(errno));
        bytes.remove_prefix(static_cast<std::size_t>(written));
        writeback.Advance(static_cast<std::size_t>(written));
    }
    writeback.Start();
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Lines to write, each to be followed by CR LF.
struct LinesIn {
    const LineViews& lines;
};

// Writes lines, each followed by CR LF, gathered a mebibyte at a time: one
// write per mebibyte costs the system far less than a piece per line.
void WriteLinesTo(int fd, const LinesIn& content, const fs::path& path) {
    static constexpr std::string_view kLineEnd = "\r\n";
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    std::string chunk;
    chunk.reserve(kChunk);
    off_t written = 0;
    const auto write = [&](std::string_view bytes) {
        WriteAll(fd, bytes, path, written);
        written += static_cast<off_t>(bytes.size());
    };
    for (const auto line : content.lines) {
        const std::size_t size = line.size() + kLineEnd.size();
        if (chunk.size() + size > kChunk) {
            write(chunk);
            chunk.clear();
        }
        if (size > kChunk) { // a line longer than the chunk goes out by itself
            write(line);
            chunk.append(kLineEnd);
        } else {
            chunk.append(line);
            chunk.append(kLineEnd);
        }
    }
    write(chunk);
}

// Opens the temporary file with the mode and owner of the file it replaces
// and writes it; the disk write starts at once, the wait comes in Commit.
template <typename Content>
int WriteTemporary(const fs::path& temporary, const fs::path& target, const Content& content,
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
        if constexpr (std::is_same_v<Content, LinesIn>)
            WriteLinesTo(fd, content, target);
        else
            WriteAll(fd, content, target);
    } catch (...) {
        ::close(fd);
        throw;
    }
    return fd;
}

// Waits until the file is on the disk, then closes it.
void FinishTemporary(int fd, const fs::path& target) {
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed)
        throw FileError(target,
                        std::string("write error: ") + std::strerror(synced ? errno : syncError));
}
#else
int WriteTemporary(const fs::path& temporary, const fs::path& target, std::string_view bytes,
                   fs::perms) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        throw FileError(target, std::string("cannot write file: ") + std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw FileError(target, "write error (disk full?)");
    return -1;
}
void FinishTemporary(int, const fs::path&) {}
void SyncFolder(const fs::path&) {}
#endif

} // namespace

FileBatch::~FileBatch() {
    Discard();
}

void FileBatch::Discard() noexcept {
    std::error_code ignored;
    for (const auto& file : staged_) {
#ifndef _WIN32
        if (file.fd >= 0)
            ::close(file.fd);
#endif
        fs::remove(file.temporary, ignored);
    }
    staged_.clear();
}

void FileBatch::Stage(const fs::path& path, std::string_view bytes, fs::perms newMode) {
    StageContent(path, bytes, newMode);
}

void FileBatch::Stage(const fs::path& path, const LineViews& lines, fs::perms newMode) {
#ifndef _WIN32
    StageContent(path, LinesIn{lines}, newMode);
#else
    StageContent(path, std::string_view(JoinLines(lines)), newMode);
#endif
}

void FileBatch::StageCopy(const fs::path& path, const fs::path& source, std::string_view bytes) {
    if (!StageLink(path, source, bytes))
        StageContent(path, bytes, fs::perms(0644));
}

#ifndef _WIN32
bool FileBatch::StageLink(const fs::path& path, const fs::path& source, std::string_view bytes) {
    // The replaced file must exist, so that the copy would take its mode
    // and owner, and they must be the source's own.
    struct stat from {}, to {};
    if (::lstat(source.c_str(), &from) != 0 || ::lstat(path.c_str(), &to) != 0)
        return false;
    if (!S_ISREG(from.st_mode) || !S_ISREG(to.st_mode) || from.st_nlink != 1 ||
        from.st_mode != to.st_mode || from.st_uid != to.st_uid || from.st_gid != to.st_gid ||
        static_cast<std::uintmax_t>(from.st_size) != bytes.size() ||
        source.parent_path() != path.parent_path())
        return false;
    Staged file{path, path, TemporaryNameBeside(path), -1};
    if (::link(source.c_str(), file.temporary.c_str()) != 0)
        return false; // a file system without hard links: the bytes are written
    // Commit waits until the source's own data is on the disk as well.
    file.fd = ::open(file.temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (file.fd < 0) {
        std::error_code ignored;
        fs::remove(file.temporary, ignored);
        return false;
    }
    staged_.push_back(std::move(file));
    return true;
}
#else
bool FileBatch::StageLink(const fs::path&, const fs::path&, std::string_view) {
    return false;
}
#endif

template <typename Content>
void FileBatch::StageContent(const fs::path& path, const Content& content, fs::perms newMode) {
    Staged file{path, ReplacedFile(path), {}, -1};
    file.temporary = TemporaryNameBeside(file.target);
    try {
        file.fd = WriteTemporary(file.temporary, file.target, content, newMode);
    } catch (...) {
        std::error_code ignored;
        fs::remove(file.temporary, ignored);
        throw;
    }
    staged_.push_back(std::move(file));
}

void FileBatch::Flush() {
    try {
        for (auto& file : staged_)
            if (file.fd >= 0)
                FinishTemporary(std::exchange(file.fd, -1), file.target);
    } catch (...) {
        Discard();
        throw;
    }
}

void FileBatch::Commit() {
    Flush();
    std::vector<fs::path> folders;
    while (!staged_.empty()) {
        Staged& file = staged_.front();
        std::error_code error;
        fs::rename(file.temporary, file.target, error);
        if (error) {
            const fs::path failed = file.path;
            Discard();
            throw FileError(failed, "cannot replace file: " + error.message());
        }
        if (std::find(folders.begin(), folders.end(), file.target.parent_path()) == folders.end())
            folders.push_back(file.target.parent_path());
        staged_.erase(staged_.begin());
    }
    for (const auto& folder : folders)
        SyncFolder(folder);
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes, fs::perms newMode) {
    FileBatch batch;
    batch.Stage(path, bytes, newMode);
    batch.Commit();
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

void WriteLineViews(const fs::path& path, const LineViews& lines, fs::perms newMode) {
    WriteFileAtomically(path, JoinLines(lines), newMode);
}

} // namespace mervadin
