#include "statistics/statistics_window.h"

#include "files/file_read.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <optional>

namespace mervadin {

namespace {

constexpr const char* kTypeNames[kCallTypes] = {"Succeeded", "Failed", "Answered", "Missed",
                                                "Manual"};

QDate ToQDate(std::chrono::year_month_day day) {
    return QDate(static_cast<int>(day.year()), static_cast<int>(unsigned(day.month())),
                 static_cast<int>(unsigned(day.day())));
}

std::chrono::year_month_day FromQDate(const QDate& date) {
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

} // namespace

StatisticsWindow::StatisticsWindow(WorkFolder folder, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)) {
    setObjectName("StatisticsWindow");
    setWindowTitle("Statistics");
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildRangeRow());
    totals_ = new QLabel(this);
    totals_->setObjectName("Totals");
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(totals_);
    chart_ = new QChart;
    chart_->setTitle("Calls per day");
    auto* view = new QChartView(chart_, this);
    view->setObjectName("CallsPerDayChart");
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view, 3);
    groups_ = new QTableWidget(this);
    groups_->setObjectName("GroupTable");
    groups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groups_->verticalHeader()->hide();
    layout->addWidget(groups_, 2);
    Refresh();
}

QWidget* StatisticsWindow::BuildRangeRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    allDays_ = new QCheckBox("All days", row);
    allDays_->setObjectName("AllDays");
    allDays_->setChecked(true);
    from_ = new QDateEdit(QDate::currentDate().addDays(-30), row);
    from_->setObjectName("FromDay");
    to_ = new QDateEdit(QDate::currentDate(), row);
    to_->setObjectName("ToDay");
    for (auto* edit : {from_, to_}) {
        edit->setDisplayFormat("yyyy-MM-dd");
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
    }
    connect(allDays_, &QCheckBox::toggled, this, [this](bool all) {
        from_->setEnabled(!all);
        to_->setEnabled(!all);
        Refresh();
    });
    connect(from_, &QDateEdit::dateChanged, this, [this] { Refresh(); });
    connect(to_, &QDateEdit::dateChanged, this, [this] { Refresh(); });
    auto* refresh = MakeButton(row, "Refresh", "Refresh");
    connect(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
    layout->addWidget(allDays_);
    layout->addWidget(new QLabel("From", row));
    layout->addWidget(from_);
    layout->addWidget(new QLabel("To", row));
    layout->addWidget(to_);
    layout->addStretch();
    layout->addWidget(refresh);
    return row;
}

DayRange StatisticsWindow::ChosenRange() const {
    if (allDays_->isChecked())
        return {};
    return {FromQDate(from_->date()), FromQDate(to_->date())};
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
    ShowChart();
    ShowGroups();
}

void StatisticsWindow::ShowTotals() {
    const auto cells = StatisticsCells("", statistics_.total);
    const auto header = StatisticsHeader("");
    QStringList parts;
    for (std::size_t i = 1; i < cells.size(); ++i)
        parts << QString::fromStdString(header[i] + ": " + (cells[i].empty() ? "-" : cells[i]));
    QString text = parts.join("   ");
    if (statistics_.unread > 0) {
        text +=
            QString("\n%1 line(s) could not be read and are not counted").arg(statistics_.unread);
        const auto& first = statistics_.unreadLines.front();
        text += QString::fromStdString(", the first: " + first.list + " line " +
                                       std::to_string(first.line) + ": " + first.reason);
    }
    totals_->setText(text);
}

void StatisticsWindow::ShowChart() {
    chart_->removeAllSeries();
    for (auto* axis : chart_->axes())
        chart_->removeAxis(axis);
    auto* series = new QStackedBarSeries;
    series->setObjectName("CallsPerDay");
    QStringList days;
    std::array<QBarSet*, kCallTypes> sets{};
    for (std::size_t type = 0; type < kCallTypes; ++type) {
        sets[type] = new QBarSet(kTypeNames[type]);
        series->append(sets[type]);
    }
    for (const auto& [day, counts] : statistics_.byDay) {
        days << ToQDate(day).toString("yyyy-MM-dd");
        for (std::size_t type = 0; type < kCallTypes; ++type)
            sets[type]->append(static_cast<qreal>(counts.calls[type]));
    }
    chart_->addSeries(series);
    auto* dayAxis = new QBarCategoryAxis;
    dayAxis->append(days);
    chart_->addAxis(dayAxis, Qt::AlignBottom);
    series->attachAxis(dayAxis);
    auto* callAxis = new QValueAxis;
    callAxis->setLabelFormat("%d");
    chart_->addAxis(callAxis, Qt::AlignLeft);
    series->attachAxis(callAxis);
}

void StatisticsWindow::ShowGroups() {
    const auto header = StatisticsHeader("Group");
    groups_->clear();
    groups_->setColumnCount(static_cast<int>(header.size()));
    QStringList labels;
    for (const auto& name : header)
        labels << QString::fromStdString(name);
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
    put(StatisticsCells("All", statistics_.total));
    groups_->resizeColumnsToContents();
}

} // namespace mervadin
