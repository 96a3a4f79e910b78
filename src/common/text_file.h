#pragma once
// Data files are 8-bit text read and written whole as a list of lines.
// Reading accepts CR, LF and CR LF line ends; writing ends every line with
// CR LF. Bytes are kept exactly as they are: no transcoding, no trimming.

#include <cstdint>
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

// Splits text into lines the way the data files are read.
Lines SplitLines(std::string_view text);

// Joins lines with CR LF after every line, the last one included.
std::string JoinLines(const Lines& lines);

// Data files larger than this are refused rather than read.
inline constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

// Reads a whole regular file as bytes, at most `limit` of them; throws
// FileError when it is missing, not a regular file (a folder, a FIFO, a
// device), larger than the limit or unreadable.
std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit = kMaxFileBytes);

// Writes bytes to a temporary file in the same folder, flushes it to the
// disk and renames it over `path`, so a crash, a power cut or a full disk
// leaves the old file or the new one, never a half-written one. The file
// keeps its mode (and owner where permitted); a new one gets `newMode`. A
// symbolic link is written through: its target is replaced.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::filesystem::perms newMode = std::filesystem::perms(0644));

// Removes the temporary files that a killed writer left in a folder.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder);

Lines ReadLines(const std::filesystem::path& path);
void WriteLines(const std::filesystem::path& path, const Lines& lines,
                std::filesystem::perms newMode = std::filesystem::perms(0644));

} // namespace mervadin
