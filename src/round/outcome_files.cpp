#include "round/outcome_files.h"

#include "files/file_error.h"
#include "files/file_read.h"
#include "numbers/number_list.h"
#include "records/call_record.h"

#include <system_error>

namespace mervadin {

namespace fs = std::filesystem;

Lines ReadNumberListFile(const fs::path& file, const TextEncoding& encoding, bool asStored) {
    const std::string bytes = ReadFileBytes(file);
    if (asStored)
        return SplitLines(bytes);
    const auto text = ImportedText(bytes, encoding);
    if (!text)
        throw FileError(file, "holds characters that " + encoding.Name() + " cannot hold");
    return SplitLines(*text);
}

void ForEachFileLine(const fs::path& file, const std::function<void(std::string_view)>& visit) {
    ReadableSize(file, UINTMAX_MAX); // a folder or a device is refused by name
    // What a piece ends with that is not yet a whole line waits for the
    // next piece; so does a CR at its very end, which an LF may follow.
    std::string carried;
    const auto whole = [&](std::string_view text) {
        ForEachLine(text, [&](std::string_view line) {
            visit(line);
            return true;
        });
    };
    ForEachPiece(file, [&](std::string_view piece) {
        std::size_t end = piece.find_last_of("\r\n");
        if (end != std::string_view::npos && piece[end] == '\r' && end + 1 == piece.size())
            end = end == 0 ? std::string_view::npos : piece.find_last_of("\r\n", end - 1);
        if (end == std::string_view::npos) {
            carried.append(piece);
            return;
        }
        if (carried.empty()) {
            whole(piece.substr(0, end + 1));
        } else {
            carried.append(piece.substr(0, end + 1));
            whole(carried);
        }
        carried.assign(piece.substr(end + 1));
    });
    whole(carried);
}

std::optional<std::string> RangeProblem(const DayRange& range, const Translate& translate) {
    if (!range.from || !range.to || *range.from <= *range.to)
        return std::nullopt;
    return FillIn(translate(UI_TEXT("The first day, %1, is after the last, %2: no day to count")),
                  {DayText(*range.from), DayText(*range.to)});
}

bool IsWorkingList(const WorkFolder& folder, const fs::path& listFile) {
    if (listFile.empty())
        return true;
    const fs::path working = folder.File(file::kLoadNumber);
    std::error_code error;
    return fs::equivalent(listFile, working, error) ||
           listFile.lexically_normal() == working.lexically_normal();
}

RoundOutcome ComputeOutcome(const WorkFolder& folder, const fs::path& listFile,
                            const DayRange& range, const TextEncoding& encoding) {
    const fs::path file = listFile.empty() ? folder.File(file::kLoadNumber) : listFile;
    Lines list = ReadNumberListFile(file, encoding, IsWorkingList(folder, file));
    ListOutcome outcome(list, range);
    ForEachFileLine(folder.File(file::kCallOutList),
                    [&outcome](std::string_view line) { outcome.Take(line); });
    return {file, std::move(list), std::move(outcome)};
}

std::vector<FoundCall> CallsOfNumber(const fs::path& callOutList, std::string_view digits,
                                     const DayRange& range) {
    std::vector<FoundCall> calls;
    std::size_t number = 0;
    ForEachFileLine(callOutList, [&](std::string_view line) {
        ++number;
        if (const auto call = CallOf(line, digits, range))
            calls.push_back({number,
                             std::string(line),
                             {call->day, call->time, call->type == CallType::Succeeded},
                             call->durationSeconds});
    });
    return calls;
}

} // namespace mervadin
