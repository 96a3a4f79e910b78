#include "numbers/number_list.h"

#include "files/file_batch.h"
#include "files/folder_lock.h"

#include <algorithm>

namespace mervadin {

TextImport ImportTextLines(Lines source) {
    TextImport import{{}, source.size(), source.size() >= kMaxNumbers};
    source.resize(std::min(source.size(), kMaxNumbers));
    import.stored = std::move(source);
    return import;
}

TextImport ImportTextLines(std::string_view text) {
    TextImport import{{}, 0, false};
    ForEachLine(text, [&](std::string_view line) {
        if (import.stored.size() < kMaxNumbers)
            import.stored.emplace_back(line);
        ++import.sourceLines;
        return true;
    });
    import.atMax = import.sourceLines >= kMaxNumbers;
    return import;
}

Lines ShownNumberLines(const Lines& list) {
    Lines shown = list;
    shown.push_back("All: " + std::to_string(list.size()) + ";");
    if (list.size() >= kReadWarningLines)
        shown.push_back(kReadWarningLine);
    return shown;
}

Lines CdrLines(const Lines& source) {
    Lines lines;
    std::copy_if(source.begin(), source.end(), std::back_inserter(lines),
                 [](const std::string& line) { return line.find("cdr: [") != std::string::npos; });
    return lines;
}

Lines CdrLines(std::string_view text) {
    Lines lines;
    ForEachLine(text, [&](std::string_view line) {
        if (line.find("cdr: [") != std::string_view::npos)
            lines.emplace_back(line);
        return true;
    });
    return lines;
}

void StoreNumberList(const std::filesystem::path& file, const Lines& lines) {
    const auto lock = FolderLock::Beside(file);
    WriteLines(file, lines);
}

} // namespace mervadin
