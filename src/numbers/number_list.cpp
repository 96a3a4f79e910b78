#include "numbers/number_list.h"

#include "files/file_batch.h"
#include "files/file_error.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "numbers/number_texts.h"

#include <algorithm>

namespace mervadin {

TextImport ImportTextLines(Lines source) {
    TextImport import{{}, source.size(), source.size() >= kMaxNumbers};
    source.resize(std::min(source.size(), kMaxNumbers));
    import.stored = std::move(source);
    return import;
}

std::optional<std::string> ImportedText(std::string_view bytes, const TextEncoding& encoding) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    const bool marked = bytes.substr(0, kMark.size()) == kMark;
    if (marked)
        bytes.remove_prefix(kMark.size());
    if (encoding.Name() == Utf8Encoding().Name() || !IsValidUtf8(bytes))
        return std::string(bytes);
    return encoding.FromUnicode(bytes);
}

TextImport ImportTextFile(const std::filesystem::path& source, const TextEncoding& encoding,
                          const BlockedNumbers& blocked) {
    const auto text = ImportedText(ReadFileBytes(source), encoding);
    if (!text)
        throw FileError(source, "holds characters that " + encoding.Name() +
                                    " cannot hold; nothing was imported");
    return ImportTextLines(*text, blocked);
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
