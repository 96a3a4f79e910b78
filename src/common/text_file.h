#pragma once
// Data files are 8-bit text read and written whole as a list of lines.
// Reading accepts CR, LF and CR LF line ends; writing ends every line with
// CR LF. Bytes are kept exactly as they are: no transcoding, no trimming.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

using Lines = std::vector<std::string>;

// A file could not be read or written. The message names the path and the cause.
class FileError : public std::runtime_error {
public:
    FileError(const std::filesystem::path& path, const std::string& what);
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Lines that point into a text kept elsewhere: no allocation per line.
using LineViews = std::vector<std::string_view>;

// Calls `visit(line)` for each line of `text`, split the way the data files
// are read (CR, LF and CR LF end a line; a last line without an end counts);
// stops early when `visit` returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    if (text.empty())
        return;
    const char* at = text.data();
    const char* const end = at + text.size();
    // The next CR and LF at or after `at`, each found once: a file of only
    // CRs (or only LFs) is still read in one pass.
    const auto next = [&](char c) {
        const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
        return found ? static_cast<const char*>(found) : end;
    };
    const char* cr = next('\r');
    const char* lf = next('\n');
    while (at < end) {
        if (cr < at)
            cr = next('\r');
        if (lf < at)
            lf = next('\n');
        const char* lineEnd = std::min(cr, lf);
        if (!visit(std::string_view(at, static_cast<std::size_t>(lineEnd - at))) || lineEnd == end)
            return;
        at = lineEnd + ((*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n') ? 2 : 1);
    }
}

// Splits text into lines the way the data files are read.
Lines SplitLines(std::string_view text);
LineViews SplitLineViews(std::string_view text);
// The number of lines, counted up to `atMost`.
std::size_t CountLines(std::string_view text, std::size_t atMost = SIZE_MAX);

// Whether the text is exactly what JoinLines makes of its own lines (every
// line ended by CR LF, no other CR or LF), given `lines`, the text split
// (views into it): only the bytes after each line are looked at.
bool IsJoinedLines(std::string_view text, const LineViews& lines);

// Joins lines with CR LF after every line, the last one included.
std::string JoinLines(const Lines& lines);
std::string JoinLines(const LineViews& lines);

// Data files larger than this are refused rather than read.
inline constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

// Reads a whole regular file as bytes, at most `limit` of them; throws
// FileError when it is missing, not a regular file (a folder, a FIFO, a
// device), larger than the limit or unreadable.
std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit = kMaxFileBytes);

// A whole file's bytes, read like ReadFileBytes but into memory mapped for
// them in one step, rather than page by page as the read fills it, and not
// cleared first: the way to read the large files of a call record read.
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    std::string_view View() const { return {data_, size_}; }

private:
    friend FileBytes ReadFileBuffer(const std::filesystem::path& path, std::uintmax_t limit);
    explicit FileBytes(std::size_t capacity);
    void Release() noexcept;

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

FileBytes ReadFileBuffer(const std::filesystem::path& path, std::uintmax_t limit = kMaxFileBytes);

// Maps the whole pages of memory already allocated (a reserved string's
// room) at once where the system can, so that filling them costs no fault
// per page. Nothing changes where it cannot.
void PrefaultForWriting(void* start, std::size_t bytes) noexcept;

// Writes bytes to a temporary file in the same folder, flushes it to the
// disk and renames it over `path`, so a crash, a power cut or a full disk
// leaves the old file or the new one, never a half-written one. The file
// keeps its mode (and owner where permitted); a new one gets `newMode`. A
// symbolic link is written through: its target is replaced.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::filesystem::perms newMode = std::filesystem::perms(0644));

// Replaces several files at once, each the way WriteFileAtomically does:
// Stage writes a file's temporary beside it and starts its way to the disk;
// Commit waits until all of them are there, then renames them into place in
// the order staged, so the waits overlap. Temporaries not committed are
// removed (Discard, or when the batch goes); a failing Commit renames nothing
// more.
class FileBatch {
public:
    FileBatch() = default;
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;
    ~FileBatch();

    void Stage(const std::filesystem::path& path, std::string_view bytes,
               std::filesystem::perms newMode = std::filesystem::perms(0644));
    // Lines, each ended with CR LF, written a mebibyte at a time without
    // joining them all first.
    void Stage(const std::filesystem::path& path, const LineViews& lines,
               std::filesystem::perms newMode = std::filesystem::perms(0644));
    // A copy of `source`, whose content is `bytes`. Where the copy can be
    // the source's own data (both plain files in one folder, of one owner
    // and mode, the source with no other name), it becomes a second name of
    // the source instead of being written again: a backup taken just
    // before the source is replaced costs no writing.
    void StageCopy(const std::filesystem::path& path, const std::filesystem::path& source,
                   std::string_view bytes);
    // Waits until every file staged is on the disk; Commit does it first.
    // A failure discards the batch.
    void Flush();
    void Commit();
    void Discard() noexcept;

private:
    bool StageLink(const std::filesystem::path& path, const std::filesystem::path& source,
                   std::string_view bytes);
    template <typename Content>
    void StageContent(const std::filesystem::path& path, const Content& content,
                      std::filesystem::perms newMode);

    struct Staged {
        std::filesystem::path path;      // as named by the caller
        std::filesystem::path target;    // the file replaced (a link's target)
        std::filesystem::path temporary; // written beside the target
        int fd;                          // open until its data is on the disk
    };
    std::vector<Staged> staged_;
};

// Removes the temporary files that a killed writer left in a folder.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder);

Lines ReadLines(const std::filesystem::path& path);
void WriteLines(const std::filesystem::path& path, const Lines& lines,
                std::filesystem::perms newMode = std::filesystem::perms(0644));
void WriteLineViews(const std::filesystem::path& path, const LineViews& lines,
                    std::filesystem::perms newMode = std::filesystem::perms(0644));

} // namespace mervadin
