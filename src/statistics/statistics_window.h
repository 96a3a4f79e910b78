#pragma once
// The call statistics of the two lists: totals and rates, a stacked bar
// chart of calls per day, week or month by type, a table per group, for all
// days or a range of them. It reads the lists and writes no file but the
// report the operator asks for ("Save report…": a PDF, with the outcome of a
// number list when one is chosen).

#include "common/prompts.h"
#include "files/work_folder.h"
#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"
#include "statistics/statistics_report.h"

#include <QDialog>

#include <filesystem>
#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace mervadin {

class CallChart;
class DayRangeRow;

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    // `listSection` makes the report's section of a list's outcome; without
    // it the report offers no list.
    StatisticsWindow(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr,
                     ReportListSection listSection = {});

    // Reads the lists again and shows their figures.
    void Refresh();
    const CallStatistics& Shown() const { return statistics_; }
    // "Save report…": the PDF, to a file picked.
    void SaveReport();

private:
    QWidget* BuildRangeRow();
    QWidget* BuildCloseRow();
    // The list chosen for the report (empty: LoadNumber.txt), or nothing.
    std::optional<std::filesystem::path> ReportList() const;
    void ChooseReportList(int index);
    DayRange ChosenRange() const;
    // The period picked beside the range, or the one that suits the bars.
    ChartPeriod ChosenPeriod() const;
    void FollowDataSpan();
    void ShowTotals();
    void ShowChart();
    void ShowGroups();

    WorkFolder folder_;
    Prompts& prompts_;
    ReportListSection listSection_;
    CallStatistics statistics_;
    DayRangeRow* range_ = nullptr;
    QComboBox* period_ = nullptr;
    QLabel* totals_ = nullptr;
    CallChart* chart_ = nullptr;
    QTableWidget* groups_ = nullptr;
    QComboBox* reportList_ = nullptr;
    int reportListIndex_ = 0; // the choice before "Another list file…"
};

} // namespace mervadin
