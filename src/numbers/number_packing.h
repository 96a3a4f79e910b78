#pragma once
// Packs the number list for the device: each line GROUP sep NAME sep NUMBER
// (sep a TAB or a comma) becomes a 32-byte number record (frames/
// record_layout.h), sixteen to a data block, 0xFF in every unused byte.

#include "common/text_encoding.h"
#include "files/text_lines.h"
#include "frames/frame_templates.h"
#include "frames/record_layout.h"
#include "numbers/number_check.h"

#include <array>
#include <cstdint>
#include <filesystem>
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
std::optional<record::Record> PackNumberRecord(std::string_view line, const TextEncoding& encoding);

// A line whose GROUP is not a number: nothing may be sent.
class NumberListError : public std::runtime_error {
public:
    NumberListError(std::size_t line, const std::string& text);
    std::size_t line() const { return line_; }
    const std::string& text() const { return text_; }
    // The message in the language `translate` gives (what() is English).
    std::string Message(const Translate& translate) const;

private:
    std::size_t line_;
    std::string text_;
};

struct PackedNumbers {
    std::vector<DataBlock> blocks;        // ceil(lines / 16), at most 563
    std::vector<NumberFinding> findings;  // of the lines packed
    std::vector<PackingWarning> warnings; // the findings by kind
    std::size_t totalLines = 0;           // of the whole list, packed or not
};

// Packs the lines that fit in 563 blocks, warning of what will not reach the
// device as it reads (the lines beyond the device's 9000 counted from
// `totalLines` when `lines` holds only the list's start). Throws
// NumberListError.
PackedNumbers PackNumberList(const Lines& lines, const TextEncoding& encoding,
                             std::size_t totalLines = 0);

// A number list file as the write reads it: its first 9008 lines, and how
// many it holds in all (the rest only counted).
struct NumberListLines {
    Lines lines;
    std::size_t total = 0;
};
// Throws FileError (FileReadError when it cannot be read).
NumberListLines ReadNumberList(const std::filesystem::path& file);

} // namespace mervadin
