#include "qtcore/translation.h"
#include "statistics/call_chart.h"

#include <QLabel>

namespace mervadin {

// A build without Qt Charts: the window's totals and table hold the figures.
CallChart::CallChart(QWidget* parent) : QStackedWidget(parent) {
    noCalls_ =
        new QLabel(Ui("The chart is not in this build; the figures are in the table below."), this);
    noCalls_->setObjectName("NoChart");
    noCalls_->setAlignment(Qt::AlignCenter);
    noCalls_->setWordWrap(true);
    addWidget(noCalls_);
    // One line: the table below takes the room a chart would.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void CallChart::Show(const std::map<std::chrono::year_month_day, CallCounts>&, ChartPeriod) {}

} // namespace mervadin
