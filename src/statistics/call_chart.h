#pragma once
// The statistics window's stacked bar chart of calls per day, week or month
// by type. Drawn with Qt Charts where the build has it (MERVADIN_CHARTS);
// a build without it shows one plain line saying so, and the window's table
// still holds every figure.

#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"

#include <QStackedWidget>

#include <chrono>
#include <map>

class QChart;
class QLabel;

namespace mervadin {

class CallChart : public QStackedWidget {
    Q_OBJECT
public:
    // Whether this build draws the chart (and its bars per day, week or
    // month can be chosen).
#ifdef MERVADIN_CHARTS
    static constexpr bool kDraws = true;
#else
    static constexpr bool kDraws = false;
#endif

    explicit CallChart(QWidget* parent);

    // The bars of `byDay` by `period`; "No calls in this range" for none.
    void Show(const std::map<std::chrono::year_month_day, CallCounts>& byDay, ChartPeriod period);

private:
    QLabel* noCalls_ = nullptr;
    QChart* chart_ = nullptr; // none in a build without Qt Charts
};

} // namespace mervadin
