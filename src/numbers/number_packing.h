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
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace mervadin {

inline constexpr std::size_t kMaxNumberBlocks = 563;
// Only the first 9008 lines of a list fit in those blocks.
inline constexpr std::size_t kMaxPackedLines = kMaxNumberBlocks * record::kPerBlock;

// One line's record. NAME is cut at 16 bytes, at a character boundary of
// `encoding`. Returns nothing when GROUP (its first six characters before
// the first separator) is not a decimal integer.
std::optional<record::Record> PackNumberRecord(std::string_view line, const TextEncoding& encoding);

// The digits the device holds for the NUMBER `number`, and so dials and
// records in its call records: the number's first 13 characters packed a
// nibble each (the low four bits of each character), read back as the
// device reads them, up to the first nibble that is no digit. "0755-123"
// gives "0755", "+86 10 1234" nothing, "13800138000" itself.
std::string PackedDigits(std::string_view number);
// The same for a number list line's NUMBER.
std::string PackedDigitsOfLine(std::string_view line);

// Numbers never to call, kept as their packed digits: a line is blocked when
// its NUMBER packs to the digits of one of them, so that "13800138000" on
// the block list keeps every line the device would dial as 13800138000 out.
class BlockedNumbers {
public:
    BlockedNumbers() = default;
    // Each of `numbers` as packed; one that packs to nothing blocks nothing.
    explicit BlockedNumbers(const std::vector<std::string>& numbers);

    bool Empty() const { return digits_.empty(); }
    bool HoldsDigits(std::string_view digits) const;
    bool HoldsLine(std::string_view line) const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> digits_;
};
// Where the check, the imports and the write find the numbers never to
// call when they need them (the working folder's block list); it throws
// FileError when they cannot be read. An empty one blocks nothing.
using BlockedNumbersSource = std::function<BlockedNumbers()>;

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
    std::vector<DataBlock> blocks;        // ceil(lines packed / 16), at most 563
    std::vector<NumberFinding> findings;  // of the lines read
    std::vector<PackingWarning> warnings; // the findings by kind
    std::size_t totalLines = 0;           // of the whole list, packed or not
    std::size_t blockedLines = 0;         // left out: their numbers are never to be called
};

// Packs the lines that fit in 563 blocks, less those whose numbers are
// `blocked`, one after the other, warning of what will not reach the device
// as it reads (the lines beyond the device's 9000 counted from `totalLines`
// when `lines` holds only the list's start). Throws NumberListError for a
// line packed whose GROUP is not a number.
PackedNumbers PackNumberList(const Lines& lines, const TextEncoding& encoding,
                             const BlockedNumbers& blocked = {}, std::size_t totalLines = 0);

// A number list file as the write reads it: its first 9008 lines, and how
// many it holds in all (the rest only counted).
struct NumberListLines {
    Lines lines;
    std::size_t total = 0;
};
// Throws FileError (FileReadError when it cannot be read).
NumberListLines ReadNumberList(const std::filesystem::path& file);

} // namespace mervadin
