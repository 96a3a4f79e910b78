#include "cli/record_commands.h"

#include "common/decimal.h"
#include "files/file_read.h"
#include "files/path_text.h"
#include "qtcore/text_codec.h"
#include "records/record_export.h"
#include "records/record_lines.h"
#include "round/outcome_files.h"
#include "round/outcome_report.h"
#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"
#include "statistics/statistics_report.h"

#include <algorithm>
#include <utility>

namespace mervadin::cli {

std::optional<DayRange> DaysOf(const std::optional<std::string>& from,
                               const std::optional<std::string>& to, Streams io) {
    DayRange range;
    for (const auto& [text, day, name] :
         {std::tuple{&from, &range.from, "--from"}, {&to, &range.to, "--to"}}) {
        if (!*text)
            continue;
        *day = ParseDay(**text);
        if (!*day) {
            io.err << "mervadin-cli: " << name << " \"" << **text
                   << "\" is not a day as YYYY-MM-DD\n";
            return std::nullopt;
        }
    }
    if (const auto problem = RangeProblem(range)) {
        io.err << "mervadin-cli: " << *problem << '\n';
        return std::nullopt;
    }
    return range;
}

namespace {

// The filter the options name; nothing, with the fault told, when one of
// them is not what it should be.
std::optional<RecordFilter> FilterOf(const FilterOptions& options, Streams io) {
    RecordFilter filter;
    const auto days = DaysOf(options.from, options.to, io);
    if (!days)
        return std::nullopt;
    filter.from = days->from;
    filter.to = days->to;
    if (options.group && !ParseDecimal(*options.group)) {
        io.err << "mervadin-cli: --group \"" << *options.group << "\" is not a group number\n";
        return std::nullopt;
    }
    if (options.type) {
        filter.type = CallTypeOf(*options.type);
        if (!filter.type) {
            io.err << "mervadin-cli: --type \"" << *options.type
                   << "\" is not a call type (CallOutSuccessed, CallOutFailed, CallInAnswer, "
                      "CallInMissed, CallOutManual or 0 to 4)\n";
            return std::nullopt;
        }
    }
    filter.number = options.number.value_or("");
    filter.group = options.group;
    return filter;
}

std::string_view ListFileOf(const std::string& list) {
    return list == "out" ? file::kCallOutList : file::kCallInList;
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

// The report of `statistics` as the statistics window saves it, with the
// outcome of the list asked for.
int WriteStatisticsReport(const WorkFolder& folder, const StatsOptions& options,
                          const CallStatistics& statistics, const DayRange& range, Streams io) {
    const auto& days = statistics.byDay;
    StatisticsReport report = ReportOf(
        statistics, range,
        days.empty() ? ChartPeriod::Day : PeriodFor(days.begin()->first, days.rbegin()->first));
    if (options.outcome || options.list) {
        const std::filesystem::path list =
            options.list ? PathFromUtf8(*options.list) : std::filesystem::path();
        try {
            report.list = OutcomeSection(ComputeOutcome(folder, list, range, TextCodec::Chosen()));
        } catch (const FileError& e) {
            if (list.empty() || e.path() != list)
                throw;
            io.err << "mervadin-cli: " << e.what() << '\n'; // the file named: a bad argument
            return static_cast<int>(kBadInput);
        }
    }
    const int pages = WriteReport(PathFromUtf8(*options.pdf), report);
    io.err << "The report, " << pages << (pages == 1 ? " page" : " pages") << ", is in "
           << *options.pdf << '\n';
    return static_cast<int>(kSuccess);
}

} // namespace

int Stats(const WorkFolder& folder, const StatsOptions& options, Streams io) {
    if ((options.outcome || options.list) && !options.pdf) {
        io.err << "mervadin-cli: --outcome and --list go into the report: name it with --pdf\n";
        return kBadInput;
    }
    auto filter = FilterOf(options.filter, io);
    if (!filter)
        return kBadInput;
    // The days are the statistics' own range; the rest narrows the lines.
    const DayRange range{std::exchange(filter->from, {}), std::exchange(filter->to, {})};
    return Guarded(io, [&] {
        std::string out = ReadFileBytes(folder.File(file::kCallOutList));
        std::string in = ReadFileBytes(folder.File(file::kCallInList));
        if (!filter->TakesAll()) {
            out = FilteredLines(out, *filter);
            in = FilteredLines(in, *filter);
        }
        const CallStatistics statistics = ComputeStatistics(out, in, range);
        const auto rows = RowsOf(statistics, options.by);
        if (options.csv)
            PrintCsv(io.out, rows);
        else
            PrintTable(io.out, rows);
        for (const auto& unread : statistics.unreadLines)
            io.err << unread.list << " line " << unread.line << ": " << unread.reason << '\n';
        if (statistics.unread > 0)
            io.err << statistics.unread << " line(s) could not be read and are not counted\n";
        return options.pdf ? WriteStatisticsReport(folder, options, statistics, range, io)
                           : kSuccess;
    });
}

int ExportRecordsCommand(const WorkFolder& folder, const std::string& list, const std::string& file,
                         const FilterOptions& filterOptions, ByteOrderMark mark, Streams io) {
    if (ExportFormatOf(file) == ExportFormat::Text) {
        io.err << "mervadin-cli: " << file << ": name a .csv or .xlsx file\n";
        return kBadInput;
    }
    const auto filter = FilterOf(filterOptions, io);
    if (!filter)
        return kBadInput;
    return Guarded(io, [&] {
        const auto name = ListFileOf(list);
        std::string text = ReadFileBytes(folder.File(name));
        if (!filter->TakesAll())
            text = FilteredLines(text, *filter);
        const ExportReport report =
            ExportRecords(PathFromUtf8(file), text, TextCodec::Chosen(),
                          {.sheet = std::filesystem::path(name).stem().string(), .mark = mark});
        if (const std::string said = report.Text(); !said.empty())
            io.err << "mervadin-cli: " << said << '\n';
        return kSuccess;
    });
}

int ShowRecords(const WorkFolder& folder, const std::string& list, const FilterOptions& options,
                Streams io) {
    const auto filter = FilterOf(options, io);
    if (!filter)
        return kBadInput;
    return Guarded(io, [&] {
        const std::string text = ReadFileBytes(folder.File(ListFileOf(list)));
        std::size_t lines = 0, shown = 0;
        ForEachLine(text, [&](std::string_view line) {
            ++lines;
            if (filter->Matches(line)) {
                ++shown;
                io.out << TextCodec::Chosen().ToUtf8(line) << '\n';
            }
            return true;
        });
        io.err << shown << " of " << lines << " lines\n";
        return kSuccess;
    });
}

} // namespace mervadin::cli
