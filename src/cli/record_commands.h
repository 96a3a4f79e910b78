#pragma once
// Call statistics and call list exports from the command line.

#include "cli/commands.h"
#include "records/record_export.h"
#include "statistics/call_statistics.h"

#include <optional>
#include <string>

namespace mervadin::cli {

// Which lines the record commands take, as typed.
struct FilterOptions {
    std::optional<std::string> number;   // a part of the number
    std::optional<std::string> type;     // a type's name or digit
    std::optional<std::string> group;    // a whole group
    std::optional<std::string> from, to; // YYYY-MM-DD, both included
};

struct StatsOptions {
    FilterOptions filter;
    std::string by; // "", "day" or "group"
    bool csv = false;
    std::optional<std::string> pdf;  // the report's file
    bool outcome = false;            // the report holds LoadNumber.txt's outcome
    std::optional<std::string> list; // or that of this list file
};

// The range of days --from and --to name; nothing, with the fault told
// (not a day, the first after the last), when they name none.
std::optional<DayRange> DaysOf(const std::optional<std::string>& from,
                               const std::optional<std::string>& to, Streams io);

int Stats(const WorkFolder& folder, const StatsOptions& options, Streams io);
// `list` is "out" or "in"; the file's ending chooses CSV or a workbook.
int ExportRecordsCommand(const WorkFolder& folder, const std::string& list, const std::string& file,
                         const FilterOptions& filterOptions, ByteOrderMark mark, Streams io);
// Prints the lines of a list that the filter lets through, as UTF-8 text.
int ShowRecords(const WorkFolder& folder, const std::string& list, const FilterOptions& options,
                Streams io);

} // namespace mervadin::cli
