#pragma once
// The call statistics of the two lists: totals and rates, a stacked bar
// chart of calls per day by type, a table per group, for all days or a
// range of them. It reads the lists and never writes any file.

#include "files/work_folder.h"
#include "statistics/call_statistics.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QTableWidget;

class QChart;

namespace mervadin {

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(WorkFolder folder, QWidget* parent = nullptr);

    // Reads the lists again and shows their figures.
    void Refresh();
    const CallStatistics& Shown() const { return statistics_; }

private:
    QWidget* BuildRangeRow();
    DayRange ChosenRange() const;
    void ShowTotals();
    void ShowChart();
    void ShowGroups();

    WorkFolder folder_;
    CallStatistics statistics_;
    QCheckBox* allDays_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QLabel* totals_ = nullptr;
    QChart* chart_ = nullptr;
    QTableWidget* groups_ = nullptr;
};

} // namespace mervadin
