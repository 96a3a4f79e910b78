#include "common/ui_text.h"
#include "qtcore/translation.h"
#include "statistics/call_chart.h"
#include "statistics/day_field.h"

#include <QLabel>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <array>

namespace mervadin {

namespace {

constexpr const char* kTypeNames[kCallTypes] = {UI_TEXT("Succeeded"), UI_TEXT("Failed"),
                                                UI_TEXT("Answered"), UI_TEXT("Missed"),
                                                UI_TEXT("Manual")};

constexpr const char* kPeriodTitles[] = {UI_TEXT("Day"), UI_TEXT("Week (from Monday)"),
                                         UI_TEXT("Month")};
constexpr const char* kChartTitles[] = {UI_TEXT("Calls per day"), UI_TEXT("Calls per week"),
                                        UI_TEXT("Calls per month")};
// Labels on the period axis at most, so that each shows whole in the
// narrowest chart the window allows.
constexpr qsizetype kMostLabels = 8;

// Short labels: "12-08" for a day or a week's Monday, "2026-12" for a
// month; the axis title names the whole span with its years.
QString BarLabel(const QDate& start, ChartPeriod period) {
    return start.toString(period == ChartPeriod::Month ? "yyyy-MM" : "MM-dd");
}

} // namespace

CallChart::CallChart(QWidget* parent) : QStackedWidget(parent) {
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignTop);
    auto* view = new QChartView(chart_, this);
    view->setObjectName("CallsPerDayChart");
    view->setRenderHint(QPainter::Antialiasing);
    noCalls_ = new QLabel(Ui("No calls in this range"), this);
    noCalls_->setObjectName("NoCalls");
    noCalls_->setAlignment(Qt::AlignCenter);
    addWidget(view);
    addWidget(noCalls_);
}

void CallChart::Show(const std::map<std::chrono::year_month_day, CallCounts>& byDay,
                     ChartPeriod period) {
    chart_->removeAllSeries();
    for (auto* axis : chart_->axes()) {
        chart_->removeAxis(axis); // hands the axis back to us
        delete axis;
    }
    const auto bars = ChartBars(byDay, period);
    if (bars.empty()) {
        setCurrentWidget(noCalls_);
        return;
    }
    setCurrentIndex(0);
    chart_->setTitle(Ui(kChartTitles[static_cast<int>(period)]));

    auto* series = new QStackedBarSeries;
    series->setObjectName("CallsPerDay");
    std::array<QBarSet*, kCallTypes> sets{};
    for (std::size_t type = 0; type < kCallTypes; ++type) {
        sets[type] = new QBarSet(Ui(kTypeNames[type]));
        series->append(sets[type]);
    }
    QStringList labels;
    std::uint64_t highest = 0;
    for (const auto& bar : bars) {
        labels << BarLabel(ToQDate(bar.start), period);
        for (std::size_t type = 0; type < kCallTypes; ++type)
            sets[type]->append(static_cast<qreal>(bar.counts.calls[type]));
        highest = std::max(highest, bar.counts.Total());
    }
    chart_->addSeries(series);

    // Bar i stands at i. Every k-th bar is labelled, so that at most
    // kMostLabels short labels share the axis and each shows whole.
    auto* periodAxis = new QCategoryAxis;
    periodAxis->setObjectName("PeriodAxis");
    periodAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    periodAxis->setStartValue(-0.5);
    const auto every = static_cast<int>((labels.size() + kMostLabels - 1) / kMostLabels);
    for (int i = 0; i < labels.size(); i += every)
        periodAxis->append(labels[i], i);
    periodAxis->setRange(-0.5, static_cast<qreal>(labels.size()) - 0.5);
    periodAxis->setTitleText(Ui("%1, %2 to %3")
                                 .arg(Ui(kPeriodTitles[static_cast<int>(period)]),
                                      ToQDate(bars.front().start).toString("yyyy-MM-dd"),
                                      ToQDate(bars.back().start).toString("yyyy-MM-dd")));
    chart_->addAxis(periodAxis, Qt::AlignBottom);
    series->attachAxis(periodAxis);

    const CountAxis counts = CountAxisFor(highest);
    auto* callAxis = new QValueAxis;
    callAxis->setRange(0, static_cast<qreal>(counts.top));
    callAxis->setTickCount(counts.Ticks());
    callAxis->setLabelFormat("%d");
    // No title of its own: the chart's ("Calls per day") names what it counts,
    // and a vertical title in a wide script would be cut to an ellipsis.
    chart_->addAxis(callAxis, Qt::AlignLeft);
    series->attachAxis(callAxis);
}

} // namespace mervadin
