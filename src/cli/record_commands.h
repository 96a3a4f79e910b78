#pragma once
// Call statistics and call list exports from the command line.

#include "cli/commands.h"
#include "records/record_export.h"

#include <optional>
#include <string>

namespace mervadin::cli {

struct StatsOptions {
    std::optional<std::string> from, to; // YYYY-MM-DD
    std::string by;                      // "", "day" or "group"
    bool csv = false;
};

int Stats(const WorkFolder& folder, const StatsOptions& options, Streams io);
// `list` is "out" or "in"; the file's ending chooses CSV or a workbook.
int ExportRecordsCommand(const WorkFolder& folder, const std::string& list, const std::string& file,
                         ByteOrderMark mark, Streams io);

} // namespace mervadin::cli
