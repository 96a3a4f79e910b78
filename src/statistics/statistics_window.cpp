#include "statistics/statistics_window.h"

#include "common/common_texts.h"
#include "common/ui_text.h"
#include "files/file_read.h"
#include "files/path_text.h"
#include "qtcore/translation.h"
#include "statistics/call_chart.h"
#include "statistics/day_field.h"
#include "statistics/day_range_row.h"
#include "ui/file_work.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

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

StatisticsWindow::StatisticsWindow(WorkFolder folder, Prompts& prompts, QWidget* parent,
                                   ReportListSection listSection)
    : QDialog(parent), folder_(std::move(folder)), prompts_(prompts),
      listSection_(std::move(listSection)) {
    setObjectName("StatisticsWindow");
    setWindowTitle(tr("Statistics"));
    // Large enough for a year of days, smaller where the screen is.
    resize(FittedClientSize({900, 640}, screen() ? screen()->availableGeometry() : QRect()));
    auto* layout = new QVBoxLayout(this);
    // No narrower than the range row's controls whole, in any font.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
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
    range_ = new DayRangeRow(this);
    connect(range_, &DayRangeRow::Changed, this, [this] { Refresh(); });
    period_ = new QComboBox(range_);
    period_->setObjectName("Period");
    period_->addItems({tr("Automatic"), tr("Day"), tr("Week"), tr("Month")});
    // Never narrower than its longest choice: the window grows instead.
    period_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    connect(period_, &QComboBox::currentIndexChanged, this, [this] { ShowChart(); });
    auto* refresh = MakeButton(range_, "Refresh", tr("Refresh"));
    connect(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
    range_->Add(new QLabel(tr("Bars per"), range_));
    range_->Add(period_);
    range_->Add(refresh);
    return range_;
}

QWidget* StatisticsWindow::BuildCloseRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (listSection_) {
        auto* label = new QLabel(tr("List in the report"), row);
        reportList_ = new QComboBox(row);
        reportList_->setObjectName("ReportList");
        reportList_->addItems({tr("No list"), "LoadNumber.txt", tr("Another list file…")});
        reportList_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        label->setBuddy(reportList_);
        connect(reportList_, &QComboBox::activated, this, &StatisticsWindow::ChooseReportList);
        layout->addWidget(label);
        layout->addWidget(reportList_);
    }
    auto* save = MakeButton(row, "SaveReport", tr("Save report…"));
    connect(save, &QPushButton::clicked, this, &StatisticsWindow::SaveReport);
    layout->addWidget(save);
    layout->addStretch();
    auto* close = MakeButton(row, "Close", tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close);
    return row;
}

// The last choice opens the dialog; a list picked joins the choices.
void StatisticsWindow::ChooseReportList(int index) {
    if (index != reportList_->count() - 1) {
        reportListIndex_ = index;
        return;
    }
    const auto file = prompts_.OpenFileName(
        DocumentsFolder(), {"Text Files(*.txt)", "CSV Files(*.csv)", "All Files(*)"});
    if (!file) {
        reportList_->setCurrentIndex(reportListIndex_);
        return;
    }
    const QString path = QString::fromStdString(Utf8Of(*file));
    int at = reportList_->findData(path);
    if (at < 0) {
        at = reportList_->count() - 1;
        reportList_->insertItem(at, path, path);
    }
    reportList_->setCurrentIndex(at);
    reportListIndex_ = at;
}

std::optional<std::filesystem::path> StatisticsWindow::ReportList() const {
    if (!reportList_ || reportList_->currentIndex() == 0)
        return std::nullopt;
    const QString path = reportList_->currentData().toString();
    return path.isEmpty() ? std::filesystem::path() : PathFromUtf8(path.toStdString());
}

void StatisticsWindow::SaveReport() {
    const auto file =
        ChooseSaveFile(prompts_, DocumentsFolder(), "PDF (*.pdf)", "", texts::common::kFileExists);
    if (!file)
        return;
    StatisticsReport report = ReportOf(statistics_, ChosenRange(), ChosenPeriod());
    const auto pages = RunFileWork(prompts_, [&] {
        if (const auto list = ReportList())
            report.list = listSection_(*list, ChosenRange());
        return WriteReport(*file, report);
    });
    if (!pages)
        return;
    prompts_.Inform(tr("Save report…").toStdString(),
                    tr("The report, %1 page(s), is in %2")
                        .arg(*pages)
                        .arg(QString::fromStdString(Utf8Of(*file)))
                        .toStdString());
}

DayRange StatisticsWindow::ChosenRange() const {
    if (range_->AllDays())
        return {};
    const QDate from = range_->From(), to = range_->To();
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

// The range row's days follow the data's span while all days are shown.
void StatisticsWindow::FollowDataSpan() {
    if (!statistics_.byDay.empty())
        range_->FollowSpan(ToQDate(statistics_.byDay.begin()->first),
                           ToQDate(statistics_.byDay.rbegin()->first));
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
    QString text = TotalsLine(statistics_.total);
    if (statistics_.unread > 0) {
        //: %1 is the count of lines; keep the line break in front.
        text += tr("\n%1 line(s) could not be read and are not counted").arg(statistics_.unread);
        const auto& first = statistics_.unreadLines.front();
        //: %1 is a file's name, %2 a line number; the reason follows.
        text += tr(", the first: %1 line %2: ")
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
        labels << UiMarked(name.c_str());
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
    put(StatisticsCells(tr("All").toStdString(), statistics_.total));
    groups_->resizeColumnsToContents();
}

} // namespace mervadin
