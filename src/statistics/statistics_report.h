#pragma once
// The call statistics as a report to hand on: one or two A4 pages of PDF
// with the title, the range of days, the totals, the chart (drawn by the
// chart's own painter), the table per group and, when a list is chosen,
// what became of that list's numbers. Qt's own PDF writer (Qt GUI, no print
// support) writes it into memory; the file is then replaced atomically, so
// a report that fails writes nothing. Its texts are in the language of the
// windows, and the fonts that draw them are embedded (a Chinese font for
// Chinese text).

#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace mervadin {

// A titled table, with lines of text before it.
struct ReportTable {
    QString title;
    QStringList lines;
    QStringList header;
    std::vector<QStringList> rows;
};

struct StatisticsReport {
    QString title;
    QString range;
    QString totals;
    QString unread; // lines that could not be read, when there are any
    std::map<std::chrono::year_month_day, CallCounts> byDay;
    ChartPeriod period = ChartPeriod::Day;
    ReportTable groups;
    std::optional<ReportTable> list;
    QString made; // when and by what
};

// The section of a number list's outcome (`list`; empty: LoadNumber.txt) in
// `range`, as whoever asks for a report makes it; throws FileError.
using ReportListSection =
    std::function<ReportTable(const std::filesystem::path& list, const DayRange& range)>;

// The totals of `counts` on one line: "Succeeded: 3   Failed: 1   ...".
QString TotalsLine(const CallCounts& counts);

// The report of `statistics` for `range` (all days when it is open), the
// chart in bars of `period`.
StatisticsReport ReportOf(const CallStatistics& statistics, const DayRange& range,
                          ChartPeriod period);

// Writes `report` as a PDF to `file`; how many pages it took (1 or 2: a
// table per group too long for them ends with how many groups it leaves
// out). Throws FileError.
int WriteReport(const std::filesystem::path& file, const StatisticsReport& report);

} // namespace mervadin
