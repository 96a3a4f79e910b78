#include "statistics/statistics_window.h"

#include "common/ui_text.h"
#include "files/file_read.h"
#include "qtcore/translation.h"
#include "statistics/call_chart.h"
#include "statistics/day_field.h"
#include "ui/flow_layout.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace mervadin {

StatisticsWindow::StatisticsWindow(WorkFolder folder, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)) {
    setObjectName("StatisticsWindow");
    setWindowTitle(Ui("Statistics"));
    // Large enough for a year of days, smaller where the screen is.
    resize(FittedClientSize({900, 640}, screen() ? screen()->availableGeometry() : QRect()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildRangeRow());
    totals_ = new QLabel(this);
    totals_->setObjectName("Totals");
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totals_->setWordWrap(true);
    layout->addWidget(totals_);
    chart_ = new CallChart(this);
    layout->addWidget(chart_, 3);
    groups_ = new QTableWidget(this);
    groups_->setObjectName("GroupTable");
    groups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groups_->verticalHeader()->hide();
    layout->addWidget(groups_, 2);
    layout->addWidget(BuildCloseRow());
    Refresh();
}

QWidget* StatisticsWindow::BuildRangeRow() {
    auto* row = new QWidget(this);
    // One row where the window is wide enough, more on a narrow screen.
    auto* layout = new FlowLayout(row, 6, true);
    layout->setContentsMargins(0, 0, 0, 0);
    allDays_ = new QCheckBox(Ui("All days"), row);
    allDays_->setObjectName("AllDays");
    allDays_->setChecked(true);
    from_ = new DayField(row);
    from_->setObjectName("FromDay");
    to_ = new DayField(row);
    to_->setObjectName("ToDay");
    for (auto* field : {from_, to_}) {
        field->SetDate(QDate::currentDate());
        field->setEnabled(false);
        connect(field, &DayField::DateChanged, this, [this] { Refresh(); });
    }
    connect(allDays_, &QCheckBox::toggled, this, [this](bool all) {
        from_->setEnabled(!all);
        to_->setEnabled(!all);
        Refresh();
    });
    period_ = new QComboBox(row);
    period_->setObjectName("Period");
    period_->addItems({Ui("Automatic"), Ui("Day"), Ui("Week"), Ui("Month")});
    connect(period_, &QComboBox::currentIndexChanged, this, [this] { ShowChart(); });
    auto* refresh = MakeButton(row, "Refresh", Ui("Refresh"));
    connect(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
    layout->addWidget(allDays_);
    layout->addWidget(new QLabel(Ui("From"), row));
    layout->addWidget(from_);
    layout->addWidget(new QLabel(Ui("To"), row));
    layout->addWidget(to_);
    auto* periodLabel = new QLabel(Ui("Bars per"), row);
    layout->addWidget(periodLabel);
    layout->addWidget(period_);
    if (!CallChart::kDraws) { // no bars to choose
        periodLabel->hide();
        period_->hide();
    }
    layout->addWidget(refresh);
    return row;
}

QWidget* StatisticsWindow::BuildCloseRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    auto* close = MakeButton(row, "Close", Ui("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close);
    return row;
}

DayRange StatisticsWindow::ChosenRange() const {
    if (allDays_->isChecked())
        return {};
    const QDate from = from_->Date(), to = to_->Date();
    return {FromQDate(std::min(from, to)), FromQDate(std::max(from, to))};
}

ChartPeriod StatisticsWindow::ChosenPeriod() const {
    switch (period_->currentIndex()) {
    case 1:
        return ChartPeriod::Day;
    case 2:
        return ChartPeriod::Week;
    case 3:
        return ChartPeriod::Month;
    default:
        const auto& days = statistics_.byDay;
        return days.empty() ? ChartPeriod::Day
                            : PeriodFor(days.begin()->first, days.rbegin()->first);
    }
}

// While all days are shown, the date fields hold the data's own span, so
// that unticking "All days" starts from the days that have calls.
void StatisticsWindow::FollowDataSpan() {
    if (!allDays_->isChecked() || statistics_.byDay.empty())
        return;
    from_->SetDate(ToQDate(statistics_.byDay.begin()->first));
    to_->SetDate(ToQDate(statistics_.byDay.rbegin()->first));
}

void StatisticsWindow::Refresh() {
    std::optional<std::string> error;
    try {
        const std::string out = ReadFileBytes(folder_.File(file::kCallOutList));
        const std::string in = ReadFileBytes(folder_.File(file::kCallInList));
        statistics_ = ComputeStatistics(out, in, ChosenRange());
    } catch (const FileError& e) {
        statistics_ = {};
        error = e.what();
    }
    if (error)
        totals_->setText(QString::fromStdString(*error));
    else
        ShowTotals();
    FollowDataSpan();
    ShowChart();
    ShowGroups();
}

void StatisticsWindow::ShowTotals() {
    const auto cells = StatisticsCells("", statistics_.total);
    const auto header = StatisticsHeader("");
    QStringList parts;
    for (std::size_t i = 1; i < cells.size(); ++i)
        parts << Ui(header[i]) + ": " + QString::fromStdString(cells[i].empty() ? "-" : cells[i]);
    QString text = parts.join("   ");
    if (statistics_.unread > 0) {
        text += Ui("\n%1 line(s) could not be read and are not counted").arg(statistics_.unread);
        const auto& first = statistics_.unreadLines.front();
        text += Ui(", the first: %1 line %2: ")
                    .arg(QString::fromStdString(first.list))
                    .arg(first.line) +
                QString::fromStdString(first.reason);
    }
    totals_->setText(text);
}

void StatisticsWindow::ShowChart() {
    chart_->Show(statistics_.byDay, ChosenPeriod());
}

void StatisticsWindow::ShowGroups() {
    const auto header = StatisticsHeader(UI_TEXT("Group"));
    groups_->clear();
    groups_->setColumnCount(static_cast<int>(header.size()));
    QStringList labels;
    for (const auto& name : header)
        labels << Ui(name);
    groups_->setHorizontalHeaderLabels(labels);
    groups_->setRowCount(static_cast<int>(statistics_.byGroup.size()) + 1);
    int row = 0;
    const auto put = [&](const std::vector<std::string>& cells) {
        for (std::size_t column = 0; column < cells.size(); ++column)
            groups_->setItem(row, static_cast<int>(column),
                             new QTableWidgetItem(QString::fromStdString(cells[column])));
        ++row;
    };
    for (const auto& [group, counts] : statistics_.byGroup)
        put(StatisticsCells(group, counts));
    put(StatisticsCells(Ui("All").toStdString(), statistics_.total));
    groups_->resizeColumnsToContents();
}

} // namespace mervadin
