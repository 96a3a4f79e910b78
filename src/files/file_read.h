#pragma once
// Whole-file reads with a bound: a data file is read in one piece, and only
// when it is a regular file no larger than the bound.

#include "files/file_error.h"
#include "files/text_lines.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace mervadin {

// Data files larger than this are refused rather than read.
inline constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

// Why `path` names no file: "no such file", "is a loop of symbolic links",
// or what else the system says.
std::string AbsentText(const std::filesystem::path& path);

// The size of a regular file that may be read; FileReadError (a file that
// cannot be read) when it is missing, not a regular file or larger than
// `limit`.
std::uintmax_t ReadableSize(const std::filesystem::path& path,
                            std::uintmax_t limit = kMaxFileBytes);

// A whole regular file's bytes, at most `limit` of them. Throws
// FileReadError when it is missing, not a regular file (a folder, a FIFO, a device),
// larger than the limit or unreadable.
std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit = kMaxFileBytes);

// The first `atMost` bytes of a regular file, however large it is; the
// same FileError as ReadFileBytes for what is not a readable regular file.
std::string ReadFileStart(const std::filesystem::path& path, std::uintmax_t atMost);

// At most `size` bytes of a file from byte `from` on (fewer where it ends
// sooner). Throws FileReadError when it cannot be read.
std::string ReadFileRange(const std::filesystem::path& path, std::uintmax_t from,
                          std::uintmax_t size);

// Hands a file's bytes to `visit` a piece of at most kPieceBytes at a time,
// so that a file of any size is read in bounded memory. Throws
// FileReadError when it cannot be read.
inline constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
void ForEachPiece(const std::filesystem::path& path,
                  const std::function<void(std::string_view)>& visit);

// A data file's first `atMost` lines (all of them by default).
Lines ReadLines(const std::filesystem::path& path, std::size_t atMost = SIZE_MAX);

} // namespace mervadin
