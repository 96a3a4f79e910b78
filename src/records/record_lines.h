#pragma once
// The rules by which the call lists read a record's line: which list a line
// of the dump goes to, which old lines carry a remark over a read, where a
// line's remark is written, and which lines a filter finds.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mervadin {

enum class CallKind { Out, In, Neither };

// The line's type, read at its place (SplitCallLine): "0" or "1" a call
// out, "2" or "3" a call in. In a line not of the tool's shape, "Type[0]"
// or "Type[1]" anywhere makes a call out, else "Type[2]" or "Type[3]" a
// call in.
CallKind KindOf(std::string_view line);

// Whether two lines record the same call: the same number (not empty), the
// same type, dates in the same minute and the same duration. A call stored
// live has the device's own date, without seconds ("2026/12/09 09:05"),
// where a read writes them ("2026/12/9 9:5:32"); a date or duration that
// cannot be read is compared as it is written.
bool SameCall(std::string_view a, std::string_view b);

// What SameCall compares, read from a line (views into it).
struct CallFacts {
    std::string_view number, type;
    std::int64_t minute = -1;      // since 1970, when the date can be read ...
    std::string_view dateText;     // ... else the date as written
    std::int64_t seconds = -1;     // the duration, when it can be read ...
    std::string_view durationText; // ... else as written
    bool operator==(const CallFacts&) const = default;
};
CallFacts CallOf(std::string_view line);

// Where a line's remark starts: after its last "],\tRemark[". A remark never
// holds "]", so that is the line's own field even when a name the device
// sent holds "Remark[". In a line edited by hand without that separator:
// after the first "Remark[" as the field rule finds it. npos when there is
// none.
std::size_t RemarkStart(std::string_view line);
// The remark as the line holds it, however long (a remark is read, and
// kept, at most 126 bytes long); empty when there is none.
std::string_view WholeRemark(std::string_view line);

// Which call record lines an operator looks for: a part of the number, a
// type, a group and a range of days. What is not given lets every line
// through; a line must pass everything that is given.
struct RecordFilter {
    std::string number = {};                              // a part of the number
    std::optional<char> type = {};                        // the "Type[" digit
    std::optional<std::string> group = {};                // the whole group ("01" is 1)
    std::optional<std::chrono::year_month_day> from = {}; // first day, included
    std::optional<std::chrono::year_month_day> to = {};   // last day, included

    // A line whose date cannot be read passes only when no day is given.
    bool Matches(std::string_view line) const;
    bool TakesAll() const { return number.empty() && !type && !group && !from && !to; }
};

// A type by its name as the grids show it ("CallOutSuccessed", any case)
// or by its digit ("0" ... "4"); nothing for anything else.
std::optional<char> CallTypeOf(std::string_view nameOrDigit);

// The lines of `text` that `filter` lets through, each ended by CR LF.
std::string FilteredLines(std::string_view text, const RecordFilter& filter);

} // namespace mervadin
