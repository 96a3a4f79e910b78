#pragma once
// The number list, LoadNumber.txt: one record a line, GROUP, NAME and NUMBER
// separated by TAB or comma. These are the rules of the text import, of what
// the number list window shows, and of its "open" view.

#include "common/text_encoding.h"
#include "files/text_lines.h"
#include "numbers/number_packing.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace mervadin {

inline constexpr std::size_t kMaxNumbers = 9000;
inline constexpr std::size_t kReadWarningLines = 36000;

struct TextImport {
    Lines stored;            // the first 9000 source lines, unchanged
    std::size_t sourceLines; // what the count box shows
    bool atMax;              // 9000 lines or more: the warning line follows
    // Source lines left out before the 9000 were taken: their numbers are
    // never to be called.
    std::size_t blockedLines = 0;
};

// The bytes of a text file to import, as the list keeps its text: without
// UTF-8's byte-order mark, and converted into `encoding` when the file is
// valid UTF-8 and the encoding another (a list written on another PC), or
// UTF-16 with its byte-order mark (Notepad's "Unicode", a spreadsheet's
// "Unicode Text"); any other bytes as they stand. Nothing when a character
// of a UTF-8 or UTF-16 file has no code in `encoding`; TextImportError when
// a file marked as UTF-16 is not.
class TextImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
std::optional<std::string> ImportedText(std::string_view bytes, const TextEncoding& encoding);

// The text import: the source's lines (blank ones too) up to 9000. From
// the text, only those lines are kept, the rest only counted. A line whose
// number is `blocked` is left out (and counted) before the 9000 are taken.
TextImport ImportTextLines(Lines source);
TextImport ImportTextLines(std::string_view text, const BlockedNumbers& blocked = {});

// Takes the lines whose numbers are blocked out of `lines`; how many.
std::size_t LeaveOutBlocked(Lines& lines, const BlockedNumbers& blocked);

// What the window shows of a number list: its first 36000 lines, "All: n;"
// for its n lines and, from 36000 lines on, the read warning.
Lines ShownNumberLines(const Lines& list);
// The same from the list's text; `count` gets n.
Lines ShownNumberLines(std::string_view text, std::size_t* count = nullptr);

// The text import of the file `source`: ImportedText, then ImportTextLines.
// Throws FileError, also when a character has no code in `encoding`, and
// when a line to store could not be packed for the device (its GROUP is no
// number): an import never leaves a list the write must refuse. Lines whose
// numbers are `blocked` are left out.
TextImport ImportTextFile(const std::filesystem::path& source, const TextEncoding& encoding,
                          const BlockedNumbers& blocked = {});

// The first line of `lines` whose GROUP is not a number, counted from 1;
// nothing when every line can be packed.
std::optional<std::size_t> FirstUnpackableLine(const Lines& lines);

// Replaces the number list `file` by `lines`, under its folder's lock.
void StoreNumberList(const std::filesystem::path& file, const Lines& lines);

// The lines of a file that hold "cdr: [", at most 36000 of them.
Lines CdrLines(const Lines& source);
Lines CdrLines(std::string_view text);

} // namespace mervadin
