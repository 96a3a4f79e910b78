#pragma once
// Which call record lines an operator looks for: a part of the number, a
// type, a group and a range of days. What is not given lets every line
// through; a line must pass everything that is given.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace mervadin {

struct RecordFilter {
    std::string number = {};                              // a part of the number
    std::optional<char> type = {};                        // the "Type[" digit
    std::optional<std::string> group = {};                // the whole group
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
