#pragma once
// Packs the number list for the device: each line GROUP sep NAME sep NUMBER
// (sep a TAB or a comma) becomes a 32-byte number record (frames/
// record_layout.h), sixteen to a data block, 0xFF in every unused byte.

#include "common/text_encoding.h"
#include "files/text_lines.h"
#include "frames/frame_templates.h"
#include "frames/record_layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

inline constexpr std::size_t kMaxNumberBlocks = 563;
// Only the first 9008 lines of a list fit in those blocks.
inline constexpr std::size_t kMaxPackedLines = kMaxNumberBlocks * record::kPerBlock;

// One line's record. NAME is cut at 16 bytes, at a character boundary of
// `encoding`. Returns nothing when GROUP (its first six characters before
// the first separator) is not a decimal integer.
std::optional<record::Record> PackNumberRecord(std::string_view line,
                                               const TextEncoding& encoding = Utf8Encoding());

// A line whose GROUP is not a number: nothing may be sent.
class NumberListError : public std::runtime_error {
public:
    NumberListError(std::size_t line, const std::string& text);
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// Lines that will not reach the device as they read: one kind each, with
// how many lines and the first of them (counted from 1).
struct PackingWarning {
    std::string what;  // "with a NAME longer than 16 bytes, cut"
    std::string brief; // "names cut"
    std::size_t count = 0;
    std::vector<std::size_t> lines; // the first kShownLines of them
    static constexpr std::size_t kShownLines = 10;
    // "Warning: 2 lines with ..., cut (lines 3, 9)".
    std::string Text() const;
};

// One line for all kinds: "Warnings: names cut 3, numbers cut at 13 digits 1";
// empty without warnings.
std::string WarningsSummary(const std::vector<PackingWarning>& warnings);

struct PackedNumbers {
    std::vector<DataBlock> blocks; // ceil(lines / 16), at most 563
    std::vector<PackingWarning> warnings;
};

// Packs the lines that fit in 563 blocks. Throws NumberListError.
PackedNumbers PackNumberList(const Lines& lines, const TextEncoding& encoding = Utf8Encoding());

} // namespace mervadin
