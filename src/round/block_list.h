#pragma once
// BlockList.txt in the working folder: numbers never to call, one a line,
// digits only (blanks around a number are let be), CR LF after each line. A
// number is compared by its packed digits, as the write packs a list's
// NUMBER (numbers/number_packing.h): "13800138000" keeps out every line the
// device would dial as 13800138000; of a number longer than 13 digits the
// first 13 count, as the device dials no more. No file: nothing is blocked.
// A file that begins with a UTF-8 or UTF-16 byte-order mark (Notepad's) is
// read, and written back in the same form.

#include "common/ui_text.h"
#include "files/file_error.h"
#include "numbers/number_packing.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

// A line of a block list, or of a file imported into one, that is not a
// number.
class BlockListError : public FileReadError {
public:
    BlockListError(const std::filesystem::path& file, std::size_t line, std::string text);
    std::size_t line() const { return line_; }
    std::string Message(const Translate& translate) const override;

private:
    std::size_t line_;
    std::string text_;
};

// A number as the block list takes it: digits only, blanks around it left
// out; nothing for anything else (letters, "+", blanks inside, nothing).
std::optional<std::string> BlockableNumber(std::string_view text);

class BlockList {
public:
    // The block list `file`; empty when there is none. Throws FileError (a
    // folder, unreadable) or BlockListError.
    static BlockList Load(const std::filesystem::path& file);
    // The same from `bytes`, errors naming `file`.
    static BlockList Parse(std::string_view bytes, const std::filesystem::path& file);

    // The numbers, as written, in the order of the file.
    std::vector<std::string> Numbers() const;
    BlockedNumbers Blocked() const { return BlockedNumbers(Numbers()); }
    // The line (counted from 1) of the number that packs as `number` does.
    std::optional<std::size_t> LineOf(std::string_view number) const;

    // Adds `number` at the end; false when one with its digits is there.
    bool Add(const std::string& number);
    // Takes every line whose number packs as `number` does; false for none.
    bool Remove(std::string_view number);
    // The file's bytes: every line as it stood, CR LF after each, in the
    // file's own form.
    std::string Bytes() const;

private:
    enum class Form { Plain, Utf8Mark, Utf16Le, Utf16Be };
    std::vector<std::string> lines_; // blank ones too
    Form form_ = Form::Plain;
};

// What an add or a remove did, number by number as given.
struct BlockChange {
    std::vector<std::string> done;      // added, or removed
    std::vector<std::string> unchanged; // already there, or not there
};
// Adds `numbers` (each a BlockableNumber) to the block list `file`, or
// removes them, under the folder's lock; the file is made by the first
// add. Throws FileError or BlockListError, writing nothing.
BlockChange AddBlocked(const std::filesystem::path& file, const std::vector<std::string>& numbers);
BlockChange RemoveBlocked(const std::filesystem::path& file,
                          const std::vector<std::string>& numbers);

// The numbers of a text file to import into the block list, one a line
// (blank lines left out). Throws FileError or BlockListError naming it.
std::vector<std::string> NumbersToBlock(const std::filesystem::path& source);

// The working folder's block list, read each time the numbers are needed.
BlockedNumbersSource BlockListSource(const std::filesystem::path& file);

} // namespace mervadin
