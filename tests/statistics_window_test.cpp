#include "app/app_names.h"
#include "app/main_window.h"
#include "statistics/day_field.h"
#include "statistics/statistics_window.h"
#include "support/call_lines.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#ifdef MERVADIN_CHARTS
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#endif

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class StatisticsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(folder.Prepare(), std::nullopt); }

    test::TempFolder temp;
    WorkFolder folder{temp.path()};
    test::RecordingPrompts prompts;
};

TEST_F(StatisticsWindowTest, ShowsTheListsFiguresAndFollowsReads) {
    WriteLines(folder.File("CallOutList.txt"),
               {test::CallLine({.number = "1001"}), test::CallLine({.number = "1001", .type = "1"}),
                test::CallLine({.group = "2", .number = "1002"})});
    WriteLines(folder.File("CallInList.txt"),
               {test::CallLine({.group = "2", .number = "1002", .type = "2"}),
                "Group[2],\tType[3],\tDate[2026/1/2 0:0:0],\tDuration[0:0:0]",
                "Group[2],\tType[3],\tDate[nope],\tDuration[0:0:0]"});
    MainWindow window(folder, prompts);
    test::Action(window, names::main::kWindowMenu, "Statistics")->trigger();
    auto* statistics = window.findChild<StatisticsWindow*>("StatisticsWindow");
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(statistics->isVisible());

    auto* table = statistics->findChild<QTableWidget*>("GroupTable");
    ASSERT_EQ(table->rowCount(), 3); // groups 1 and 2, then All
    const auto cell = [&](int row, int column) { return table->item(row, column)->text(); };
    EXPECT_EQ(cell(0, 0), "1");
    EXPECT_EQ(cell(0, 1), "1");       // succeeded
    EXPECT_EQ(cell(0, 7), "50.0%");   // success rate
    EXPECT_EQ(cell(1, 8), "50.0%");   // answer rate of group 2
    EXPECT_EQ(cell(2, 6), "5");       // calls in all
    EXPECT_EQ(cell(2, 9), "0:00:15"); // talking time
    EXPECT_TRUE(
        statistics->findChild<QLabel*>("Totals")->text().contains("1 line(s) could not be read"));

#ifdef MERVADIN_CHARTS
    // The chart: one stacked bar a day, one set a type.
    const auto series = statistics->findChild<QChartView*>("CallsPerDayChart")->chart()->series();
    ASSERT_EQ(series.size(), 1);
    auto* bars = qobject_cast<QStackedBarSeries*>(series.front());
    ASSERT_EQ(bars->count(), 5);
    EXPECT_EQ(bars->barSets()[0]->label(), "Succeeded");
    EXPECT_EQ(bars->barSets()[0]->count(), 2); // 2026-01-01 and 2026-01-02
    EXPECT_EQ(bars->barSets()[0]->at(0), 2.0);
    EXPECT_EQ(bars->barSets()[3]->at(1), 1.0); // the missed call of 2026-01-02

    // Whole-number ticks at whole-number steps, short day labels.
    auto* chart = statistics->findChild<QChartView*>("CallsPerDayChart")->chart();
    auto* counts = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
    EXPECT_EQ(counts->max(), 4.0); // the 4 calls of 2026-01-01
    EXPECT_EQ(counts->tickCount(), 5);
    EXPECT_EQ(counts->labelFormat(), "%d");
    auto* days = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).front());
    EXPECT_EQ(days->categoriesLabels(), (QStringList{"01-01", "01-02"}));
    EXPECT_EQ(chart->title(), "Calls per day");
    // Bars per month, when asked.
    statistics->findChild<QComboBox*>("Period")->setCurrentText("Month");
    days = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).front());
    EXPECT_EQ(days->categoriesLabels(), (QStringList{"2026-01"}));
    EXPECT_EQ(days->titleText(), "Month, 2026-01-01 to 2026-01-01");
    statistics->findChild<QComboBox*>("Period")->setCurrentText("Automatic");
#else
    // Without Qt Charts the window says so in one line; the table holds it all.
    EXPECT_TRUE(statistics->findChild<QLabel*>("NoChart")->isVisible());
#endif

    // Unticking "All days" starts from the data's own days: nothing changes.
    auto* from = statistics->findChild<DayField*>("FromDay");
    auto* to = statistics->findChild<DayField*>("ToDay");
    EXPECT_EQ(from->Date(), QDate(2026, 1, 1));
    EXPECT_EQ(to->Date(), QDate(2026, 1, 2));
    statistics->findChild<QCheckBox*>("AllDays")->setChecked(false);
    EXPECT_EQ(statistics->Shown().total.Total(), 5u);
    // A date typed in whole counts once it is whole, in the forms people
    // type; what is not a day goes back to the last one.
    const auto type = [&](DayField* field, const char* text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    };
    type(from, "2025/12/31");
    EXPECT_EQ(from->Date(), QDate(2025, 12, 31));
    EXPECT_EQ(statistics->Shown().total.Total(), 5u);
    type(from, "2026-1-2");
    EXPECT_EQ(from->text(), "2026-01-02");
    EXPECT_EQ(statistics->Shown().total.Total(), 1u);
    type(from, "2026-02-30");
    EXPECT_EQ(from->text(), "2026-01-02");
    EXPECT_EQ(from->Date(), QDate(2026, 1, 2));
    // A range without calls says so rather than drawing an empty frame.
    type(to, "2026.1.9");
    type(from, "2026-01-05");
    EXPECT_EQ(statistics->Shown().total.Total(), 0u);
#ifdef MERVADIN_CHARTS
    EXPECT_TRUE(statistics->findChild<QLabel*>("NoCalls")->isVisible());
#endif
    statistics->findChild<QCheckBox*>("AllDays")->setChecked(true);
#ifdef MERVADIN_CHARTS
    EXPECT_FALSE(statistics->findChild<QLabel*>("NoCalls")->isVisible());
#endif

    // The lists change (as after a read): the window follows; it wrote nothing.
    const auto before = std::filesystem::last_write_time(folder.File("CallOutList.txt"));
    WriteLines(folder.File("CallOutList.txt"), {test::CallLine({.number = "1001"})});
    window.LoadGrids();
    EXPECT_EQ(statistics->Shown().total.Total(), 3u);
    EXPECT_GE(std::filesystem::last_write_time(folder.File("CallOutList.txt")), before);

    QTest::mouseClick(statistics->findChild<QPushButton*>("Close"), Qt::LeftButton);
    EXPECT_FALSE(statistics->isVisible());
}

} // namespace
} // namespace mervadin
