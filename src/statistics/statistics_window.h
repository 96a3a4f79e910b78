#pragma once
// The call statistics of the two lists: totals and rates, a stacked bar
// chart of calls per day, week or month by type, a table per group, for all
// days or a range of them. It reads the lists and never writes any file.

#include "files/work_folder.h"
#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace mervadin {

class CallChart;
class DayField;

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(WorkFolder folder, QWidget* parent = nullptr);

    // Reads the lists again and shows their figures.
    void Refresh();
    const CallStatistics& Shown() const { return statistics_; }

private:
    QWidget* BuildRangeRow();
    QWidget* BuildCloseRow();
    DayRange ChosenRange() const;
    // The period picked beside the range, or the one that suits the bars.
    ChartPeriod ChosenPeriod() const;
    void FollowDataSpan();
    void ShowTotals();
    void ShowChart();
    void ShowGroups();

    WorkFolder folder_;
    CallStatistics statistics_;
    QCheckBox* allDays_ = nullptr;
    DayField* from_ = nullptr;
    DayField* to_ = nullptr;
    QComboBox* period_ = nullptr;
    QLabel* totals_ = nullptr;
    CallChart* chart_ = nullptr;
    QTableWidget* groups_ = nullptr;
};

} // namespace mervadin
