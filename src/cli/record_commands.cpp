#include "cli/record_commands.h"

#include "files/file_read.h"
#include "qtcore/text_codec.h"
#include "records/record_export.h"
#include "statistics/call_statistics.h"

#include <algorithm>

namespace mervadin::cli {

namespace {

using Row = std::vector<std::string>;

void PrintCsv(std::ostream& out, const std::vector<Row>& rows) {
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out << (i ? "," : "") << row[i];
        out << "\r\n";
    }
}

void PrintTable(std::ostream& out, const std::vector<Row>& rows) {
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            out << (i ? "  " : "") << (i ? pad + row[i] : row[i] + pad);
        }
        out << '\n';
    }
}

std::optional<DayRange> RangeOf(const StatsOptions& options, Streams io) {
    DayRange range;
    for (const auto& [text, day, name] :
         {std::tuple{&options.from, &range.from, "--from"}, {&options.to, &range.to, "--to"}}) {
        if (!*text)
            continue;
        *day = ParseDay(**text);
        if (!*day) {
            io.err << "mervadin-cli: " << name << " \"" << **text
                   << "\" is not a day as YYYY-MM-DD\n";
            return std::nullopt;
        }
    }
    return range;
}

std::vector<Row> RowsOf(const CallStatistics& statistics, const std::string& by) {
    std::vector<Row> rows{StatisticsHeader(by == "group" ? "Group" : by == "day" ? "Day" : "")};
    if (by == "day")
        for (const auto& [day, counts] : statistics.byDay)
            rows.push_back(StatisticsCells(DayText(day), counts));
    if (by == "group")
        for (const auto& [group, counts] : statistics.byGroup)
            rows.push_back(StatisticsCells(group, counts));
    rows.push_back(StatisticsCells("All", statistics.total));
    return rows;
}

} // namespace

int Stats(const WorkFolder& folder, const StatsOptions& options, Streams io) {
    const auto range = RangeOf(options, io);
    if (!range)
        return kBadInput;
    return Guarded(io, [&] {
        const std::string out = ReadFileBytes(folder.File(file::kCallOutList));
        const std::string in = ReadFileBytes(folder.File(file::kCallInList));
        const CallStatistics statistics = ComputeStatistics(out, in, *range);
        const auto rows = RowsOf(statistics, options.by);
        if (options.csv)
            PrintCsv(io.out, rows);
        else
            PrintTable(io.out, rows);
        for (const auto& unread : statistics.unreadLines)
            io.err << unread.list << " line " << unread.line << ": " << unread.reason << '\n';
        if (statistics.unread > 0)
            io.err << statistics.unread << " line(s) could not be read and are not counted\n";
        return kSuccess;
    });
}

int ExportRecordsCommand(const WorkFolder& folder, const std::string& list, const std::string& file,
                         ByteOrderMark mark, Streams io) {
    if (ExportFormatOf(file) == ExportFormat::Text) {
        io.err << "mervadin-cli: " << file << ": name a .csv or .xlsx file\n";
        return kBadInput;
    }
    return Guarded(io, [&] {
        const auto name = list == "out" ? file::kCallOutList : file::kCallInList;
        const std::string text = ReadFileBytes(folder.File(name));
        ExportRecords(file, text, TextCodec::Chosen(),
                      {.sheet = std::filesystem::path(name).stem().string(), .mark = mark});
        return kSuccess;
    });
}

} // namespace mervadin::cli
