#include "numbers/number_list.h"

#include "files/file_batch.h"
#include "files/file_error.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "numbers/number_check.h"
#include "numbers/number_texts.h"

#include <algorithm>

namespace mervadin {

TextImport ImportTextLines(Lines source) {
    TextImport import{{}, source.size(), source.size() >= kMaxNumbers};
    source.resize(std::min(source.size(), kMaxNumbers));
    import.stored = std::move(source);
    return import;
}

namespace {

// UTF-8 text in `encoding`: as it is for UTF-8, else converted.
std::optional<std::string> InEncoding(std::string_view utf8, const TextEncoding& encoding) {
    if (encoding.Name() == Utf8Encoding().Name())
        return std::string(utf8);
    return encoding.FromUnicode(utf8);
}

// A line as a message quotes it: at most this many bytes.
constexpr std::size_t kQuotedBytes = 60;

} // namespace

std::optional<std::string> ImportedText(std::string_view bytes, const TextEncoding& encoding) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view kLittleMark = "\xFF\xFE", kBigMark = "\xFE\xFF";
    if (bytes.starts_with(kLittleMark) || bytes.starts_with(kBigMark)) {
        const auto order =
            bytes.starts_with(kBigMark) ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
        const auto utf8 = Utf16ToUtf8(bytes.substr(2), order);
        if (!utf8)
            throw TextImportError("begins with UTF-16's byte-order mark but is not UTF-16 text "
                                  "(an odd length or a broken character)");
        return InEncoding(*utf8, encoding);
    }
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    if (!IsValidUtf8(bytes))
        return std::string(bytes);
    return InEncoding(bytes, encoding);
}

std::optional<std::size_t> FirstUnpackableLine(const Lines& lines) {
    for (const auto& finding : CheckNumberList(lines))
        if (finding.fault == NumberFault::GroupNotNumber)
            return finding.line;
    return std::nullopt;
}

TextImport ImportTextFile(const std::filesystem::path& source, const TextEncoding& encoding,
                          const BlockedNumbers& blocked) {
    std::optional<std::string> text;
    try {
        text = ImportedText(ReadFileBytes(source), encoding);
    } catch (const TextImportError& e) {
        throw FileError(source, std::string(e.what()) + "; nothing was imported");
    }
    if (!text)
        throw FileError(source, "holds characters that " + encoding.Name() +
                                    " cannot hold; nothing was imported");
    TextImport import = ImportTextLines(*text, blocked);
    if (const auto line = FirstUnpackableLine(import.stored)) {
        const std::string& bad = import.stored[*line - 1];
        throw FileError(source, "line " + std::to_string(*line) +
                                    (bad.empty() ? std::string(" is empty")
                                                 : " has no number as its group: \"" +
                                                       bad.substr(0, kQuotedBytes) + "\"") +
                                    "; the device could not be given such a list, so nothing was "
                                    "imported (the number list is as it was)");
    }
    return import;
}

TextImport ImportTextLines(std::string_view text, const BlockedNumbers& blocked) {
    TextImport import{{}, 0, false};
    ForEachLine(text, [&](std::string_view line) {
        ++import.sourceLines;
        if (blocked.HoldsLine(line))
            ++import.blockedLines;
        else if (import.stored.size() < kMaxNumbers)
            import.stored.emplace_back(line);
        return true;
    });
    import.atMax = import.sourceLines >= kMaxNumbers;
    return import;
}

std::size_t LeaveOutBlocked(Lines& lines, const BlockedNumbers& blocked) {
    if (blocked.Empty())
        return 0;
    return std::erase_if(lines, [&](const std::string& line) { return blocked.HoldsLine(line); });
}

namespace {

Lines Shown(Lines lines, std::size_t count) {
    lines.push_back(texts::numbers::kShownCount + std::to_string(count) + ";");
    if (count >= kReadWarningLines)
        lines.push_back(texts::numbers::kReadWarningLine);
    return lines;
}

} // namespace

Lines ShownNumberLines(const Lines& list) {
    const auto end =
        list.begin() + static_cast<std::ptrdiff_t>(std::min(list.size(), kReadWarningLines));
    return Shown(Lines(list.begin(), end), list.size());
}

Lines ShownNumberLines(std::string_view text, std::size_t* count) {
    const std::size_t lines = CountLines(text);
    if (count)
        *count = lines;
    return Shown(SplitLines(text, kReadWarningLines), lines);
}

Lines CdrLines(const Lines& source) {
    Lines lines;
    for (const auto& line : source)
        if (line.find("cdr: [") != std::string::npos && lines.size() < kReadWarningLines)
            lines.push_back(line);
    return lines;
}

Lines CdrLines(std::string_view text) {
    Lines lines;
    ForEachLine(text, [&](std::string_view line) {
        if (line.find("cdr: [") != std::string_view::npos)
            lines.emplace_back(line);
        return lines.size() < kReadWarningLines;
    });
    return lines;
}

void StoreNumberList(const std::filesystem::path& file, const Lines& lines) {
    const auto lock = FolderLock::Beside(file);
    WriteLines(file, lines);
}

} // namespace mervadin
