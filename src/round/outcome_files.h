#pragma once
// The files a list outcome reads: the number list (LoadNumber.txt or a list
// file named) whole, and CallOutList.txt a piece at a time, so that a
// million records cost a few megabytes of memory, not the list's size.

#include "common/text_encoding.h"
#include "common/ui_text.h"
#include "files/text_lines.h"
#include "files/work_folder.h"
#include "round/list_outcome.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

// A number list file's lines as the list keeps its text: LoadNumber.txt
// (`asStored`) as it stands; another file as the text import takes it, UTF-8
// converted into `encoding` and its byte-order mark left out. Throws
// FileError naming the file when it is missing, a folder, unreadable, or
// holds a character `encoding` cannot hold.
Lines ReadNumberListFile(const std::filesystem::path& file, const TextEncoding& encoding,
                         bool asStored);

// Hands `visit` each line of `file` (CR, LF or CR LF ending it), read a
// piece at a time. Throws FileError as ReadFileBytes does.
void ForEachFileLine(const std::filesystem::path& file,
                     const std::function<void(std::string_view)>& visit);

// Why a range of days cannot be counted (its first day after its last), in
// the language `translate` gives; nothing for a good one.
std::optional<std::string> RangeProblem(const DayRange& range,
                                        const Translate& translate = AsWritten);

// A list and its outcome against the call-out list of a working folder.
struct RoundOutcome {
    std::filesystem::path listFile;
    Lines list;
    ListOutcome outcome;
};
// Reads `listFile` (the folder's LoadNumber.txt when empty) and every call
// out record of `folder` in `range`. Throws FileError naming the file.
RoundOutcome ComputeOutcome(const WorkFolder& folder, const std::filesystem::path& listFile,
                            const DayRange& range, const TextEncoding& encoding);
// Whether `listFile` names the folder's own LoadNumber.txt.
bool IsWorkingList(const WorkFolder& folder, const std::filesystem::path& listFile);

// The calls of one number (its packed digits) in a call-out list, each with
// its line (counted from 1) and its text.
struct FoundCall {
    std::size_t line = 0;
    std::string text;
    LastCall when; // its day, time and whether it was connected
    std::uint32_t durationSeconds = 0;
};
std::vector<FoundCall> CallsOfNumber(const std::filesystem::path& callOutList,
                                     std::string_view digits, const DayRange& range);

} // namespace mervadin
