#include "round/block_list.h"

#include "common/text_encoding.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"

#include <algorithm>
#include <system_error>

namespace mervadin {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr const char* kNotNumber =
    UI_TEXT("line %1 holds \"%2\", which is not a number: one number a line, digits only");

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// ASCII text as UTF-16 (a block list holds nothing else once read).
std::string ToUtf16(std::string_view text, bool littleEndian) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char c : text) {
        bytes += littleEndian ? c : '\0';
        bytes += littleEndian ? '\0' : c;
    }
    return bytes;
}

} // namespace

BlockListError::BlockListError(const std::filesystem::path& file, std::size_t line,
                               std::string text)
    : FileReadError(file, FillIn(kNotNumber, {std::to_string(line), text})), line_(line),
      text_(std::move(text)) {}

std::string BlockListError::Message(const Translate& translate) const {
    return Utf8Of(path()) + ": " + FillIn(translate(kNotNumber), {std::to_string(line_), text_});
}

std::optional<std::string> BlockableNumber(std::string_view text) {
    const std::string_view number = Trimmed(text);
    if (number.empty() ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::string(number);
}

BlockList BlockList::Load(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return {};
    return Parse(ReadFileBytes(file), file);
}

BlockList BlockList::Parse(std::string_view bytes, const std::filesystem::path& file) {
    BlockList list;
    std::string decoded;
    if (bytes.starts_with(kUtf8Mark)) {
        list.form_ = Form::Utf8Mark;
        bytes.remove_prefix(kUtf8Mark.size());
    } else if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        list.form_ = bytes.starts_with(kUtf16LeMark) ? Form::Utf16Le : Form::Utf16Be;
        const auto utf8 =
            Utf16ToUtf8(bytes.substr(2), list.form_ == Form::Utf16Le ? ByteOrder::LittleEndian
                                                                     : ByteOrder::BigEndian);
        if (!utf8)
            throw FileReadError(file, "begins with UTF-16's byte-order mark but is not UTF-16 "
                                      "text (an odd length or a broken character)");
        decoded = *utf8;
        bytes = decoded;
    }
    ForEachLine(bytes, [&](std::string_view line) {
        if (!Trimmed(line).empty() && !BlockableNumber(line))
            throw BlockListError(file, list.lines_.size() + 1, std::string(line));
        list.lines_.emplace_back(line);
        return true;
    });
    return list;
}

std::vector<std::string> BlockList::Numbers() const {
    std::vector<std::string> numbers;
    for (const auto& line : lines_)
        if (const auto number = BlockableNumber(line))
            numbers.push_back(*number);
    return numbers;
}

std::optional<std::size_t> BlockList::LineOf(std::string_view number) const {
    const std::string digits = PackedDigits(Trimmed(number));
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (!digits.empty() && PackedDigits(Trimmed(lines_[i])) == digits)
            return i + 1;
    return std::nullopt;
}

bool BlockList::Add(const std::string& number) {
    if (LineOf(number))
        return false;
    lines_.push_back(number);
    return true;
}

bool BlockList::Remove(std::string_view number) {
    const std::string digits = PackedDigits(Trimmed(number));
    return std::erase_if(lines_, [&](const std::string& line) {
               return !digits.empty() && PackedDigits(Trimmed(line)) == digits;
           }) > 0;
}

std::string BlockList::Bytes() const {
    std::string text;
    for (const auto& line : lines_)
        text.append(line).append("\r\n");
    switch (form_) {
    case Form::Plain:
        return text;
    case Form::Utf8Mark:
        return std::string(kUtf8Mark) + text;
    case Form::Utf16Le:
        return std::string(kUtf16LeMark) + ToUtf16(text, true);
    case Form::Utf16Be:
        break;
    }
    return std::string(kUtf16BeMark) + ToUtf16(text, false);
}

namespace {

template <typename Change>
BlockChange ChangeBlockList(const std::filesystem::path& file,
                            const std::vector<std::string>& numbers, Change change) {
    const auto lock = FolderLock::Beside(file);
    BlockList list = BlockList::Load(file);
    BlockChange done;
    for (const auto& number : numbers)
        (change(list, number) ? done.done : done.unchanged).push_back(number);
    if (!done.done.empty())
        WriteFileAtomically(file, list.Bytes());
    return done;
}

} // namespace

BlockChange AddBlocked(const std::filesystem::path& file, const std::vector<std::string>& numbers) {
    return ChangeBlockList(file, numbers,
                           [](BlockList& list, const std::string& n) { return list.Add(n); });
}

BlockChange RemoveBlocked(const std::filesystem::path& file,
                          const std::vector<std::string>& numbers) {
    return ChangeBlockList(file, numbers,
                           [](BlockList& list, const std::string& n) { return list.Remove(n); });
}

std::vector<std::string> NumbersToBlock(const std::filesystem::path& source) {
    return BlockList::Parse(ReadFileBytes(source), source).Numbers();
}

BlockedNumbersSource BlockListSource(const std::filesystem::path& file) {
    return [file] { return BlockList::Load(file).Blocked(); };
}

} // namespace mervadin
