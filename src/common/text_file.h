#pragma once
// Data files are 8-bit text read and written whole as a list of lines.
// Reading accepts CR, LF and CR LF line ends; writing ends every line with
// CR LF. Bytes are kept exactly as they are: no transcoding, no trimming.

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

// Reads a whole file as bytes; throws FileError when it cannot be opened.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes bytes to a temporary file in the same folder and renames it over
// `path`, so a crash or a full disk never leaves a half-written file behind.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

Lines ReadLines(const std::filesystem::path& path);
void WriteLines(const std::filesystem::path& path, const Lines& lines);

} // namespace mervadin
