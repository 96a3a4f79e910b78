#include "app/app_names.h"
#include "app/main_window.h"
#include "files/path_text.h"
#include "qtcore/translation.h"
#include "statistics/call_chart.h"
#include "statistics/day_field.h"
#include "statistics/statistics_window.h"
#include "support/call_lines.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

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

    // The chart: one stacked bar a day, each type's part as high as its
    // calls, whole-number steps up to the busiest day, short day labels.
    auto* chart = statistics->findChild<CallChart*>("CallsPerDayChart");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    const ChartLayout* layout = &chart->Layout();
    ASSERT_EQ(layout->Columns().size(), 2u); // 2026-01-01 and 2026-01-02
    EXPECT_EQ(chart->BarLabels(), (QStringList{"01-01", "01-02"}));
    EXPECT_EQ(layout->Labels().size(), 2u);
    EXPECT_EQ(layout->Axis().top, 4u); // the 4 calls of 2026-01-01
    EXPECT_EQ(layout->Ticks().size(), 5u);
    EXPECT_EQ(chart->Title(), "Calls per day, 2026-01-01 to 2026-01-02");
    const auto& first = layout->Columns()[0];
    EXPECT_DOUBLE_EQ(first.segments[0].height * 2, first.bar.height); // 2 of its 4 succeeded
    EXPECT_DOUBLE_EQ(layout->Columns()[1].segments[3].height * 4, first.bar.height);

    // Resting the pointer on a bar shows its figures; off the bars, nothing.
    const auto& second = layout->Columns()[1].slot;
    const QPoint onSecond(static_cast<int>(second.left + second.width / 2),
                          static_cast<int>(second.Bottom()) - 2);
    QHelpEvent rest(QEvent::ToolTip, onSecond, chart->mapToGlobal(onSecond));
    QApplication::sendEvent(chart, &rest);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(),
              "2026-01-02\nSucceeded: 0\nFailed: 0\nAnswered: 0\nMissed: 1\nManual: 0\nAll: 1");
    EXPECT_EQ(chart->TipAt(QPointF(2, 2)), "");
    QToolTip::hideText();

    // Bars per month, when asked, the period named in the title.
    statistics->findChild<QComboBox*>("Period")->setCurrentText("Month");
    EXPECT_EQ(chart->BarLabels(), (QStringList{"2026-01"}));
    EXPECT_EQ(chart->Title(), "Calls per month, 2026-01-01 to 2026-01-02");
    statistics->findChild<QComboBox*>("Period")->setCurrentText("Week");
    EXPECT_EQ(chart->Title(), "Calls per week (from Monday), 2026-01-01 to 2026-01-02");
    EXPECT_TRUE(chart->TipAt(onSecond).startsWith("Week from 2025-12-29\n"));
    statistics->findChild<QComboBox*>("Period")->setCurrentText("Automatic");

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
    EXPECT_TRUE(statistics->findChild<QLabel*>("NoCalls")->isVisible());
    EXPECT_TRUE(chart->Layout().Empty());
    EXPECT_EQ(chart->TipAt(onSecond), "");
    statistics->findChild<QCheckBox*>("AllDays")->setChecked(true);
    EXPECT_FALSE(statistics->findChild<QLabel*>("NoCalls")->isVisible());
    EXPECT_EQ(chart->Layout().Columns().size(), 2u);

    // The lists change (as after a read): the window follows; it wrote nothing.
    const auto before = std::filesystem::last_write_time(folder.File("CallOutList.txt"));
    WriteLines(folder.File("CallOutList.txt"), {test::CallLine({.number = "1001"})});
    window.LoadGrids();
    EXPECT_EQ(statistics->Shown().total.Total(), 3u);
    EXPECT_GE(std::filesystem::last_write_time(folder.File("CallOutList.txt")), before);

    QTest::mouseClick(statistics->findChild<QPushButton*>("Close"), Qt::LeftButton);
    EXPECT_FALSE(statistics->isVisible());
}

// The chart as the operator reads it, in both languages and with a font
// half again as large (as at 150 % scaling): a day, a month of days and a
// year of weeks, every shown label whole and apart as the font measures it.
TEST_F(StatisticsWindowTest, TheChartReadsAtEveryRangeLanguageAndScaling) {
    std::vector<std::string> lines;
    for (int day = 0; day < 365; day += 2) {
        const QDate date = QDate(2026, 1, 1).addDays(day);
        lines.push_back(
            test::CallLine({.type = std::to_string(day % 5),
                            .date = date.toString("yyyy/M/d").toStdString() + " 10:00:00"}));
    }
    WriteLines(folder.File("CallOutList.txt"), lines);
    const QFont original = QApplication::font();
    for (const char* language : {"en", "zh_CN"})
        for (const double scale : {1.0, 1.5}) {
            SCOPED_TRACE(std::string(language) + " at " + std::to_string(scale));
            ASSERT_TRUE(Translation::Install(language));
            QFont font = original;
            font.setPointSizeF(original.pointSizeF() * scale);
            QApplication::setFont(font);
            StatisticsWindow window(folder, prompts);
            window.resize(760, 600);
            window.show();
            auto* chart = window.findChild<CallChart*>("CallsPerDayChart");
            window.findChild<QCheckBox*>("AllDays")->setChecked(false);
            const auto range = [&](const char* from, const char* to) {
                window.findChild<DayField*>("FromDay")->SetDate(
                    QDate::fromString(from, Qt::ISODate));
                window.findChild<DayField*>("ToDay")->SetDate(QDate::fromString(to, Qt::ISODate));
                window.Refresh();
                const QFontMetricsF metrics(chart->font(), chart);
                const auto& layout = chart->Layout();
                QRectF last;
                for (const auto& label : layout.Labels()) {
                    const QString text = chart->BarLabels()[static_cast<qsizetype>(label.bar)];
                    const QRectF box(label.box.left, label.box.top, label.box.width,
                                     label.box.height);
                    EXPECT_GE(box.width(), metrics.horizontalAdvance(text));
                    EXPECT_GE(box.left(), 0);
                    EXPECT_LE(box.right(), chart->width());
                    EXPECT_FALSE(box.intersects(last)) << text.toStdString();
                    last = box;
                }
                return layout.Labels().size();
            };
            // One day: one bar, labelled, the day in the title.
            EXPECT_EQ(range("2026-03-04", "2026-03-04"), 1u);
            EXPECT_EQ(chart->Layout().Columns().size(), 1u);
            EXPECT_TRUE(chart->Title().endsWith("2026-03-04"));
            // A month of days, a bar from the first day with calls to the
            // last (every other day has some), thinned labels.
            const auto month = range("2026-03-01", "2026-03-31");
            EXPECT_EQ(chart->Layout().Columns().size(), 29u); // 2026-03-02 to 2026-03-30
            EXPECT_TRUE(chart->Title().endsWith("2026-03-30"));
            EXPECT_GE(month, 5u);
            EXPECT_LT(month, 31u);
            // A year: weeks, as the period list chooses it by itself.
            range("2026-01-01", "2026-12-31");
            EXPECT_EQ(chart->Layout().Columns().size(), 53u);
            EXPECT_TRUE(chart->Title().contains("2026-01-01"));
            if (std::string(language) == "zh_CN") {
                EXPECT_TRUE(chart->Title().startsWith(
                    UiMarked("Calls per week (from Monday), %1").left(4)));
                EXPECT_NE(UiMarked("Succeeded"), "Succeeded");
                EXPECT_TRUE(chart->TipAt(chart->rect().center()).contains(UiMarked("Succeeded")));
            } else {
                EXPECT_TRUE(chart->Title().startsWith("Calls per week (from Monday), 2026-01-01"));
            }
            // The title and the legend whole in the window's width.
            const QFontMetricsF metrics(chart->font(), chart);
            for (const auto& entry : chart->Layout().Legend())
                EXPECT_LE(entry.text.Right(), chart->width());
            // The title on one line where it fits, else broken before its
            // days, each line whole.
            const auto& title = chart->Layout().Title();
            EXPECT_LE(title.width, chart->width());
            QFont boldFont = chart->font();
            boldFont.setBold(true);
            const QFontMetricsF titleMetrics(boldFont, chart);
            if (chart->Layout().TitleLines() == 1) {
                EXPECT_GE(title.width + 1, titleMetrics.horizontalAdvance(chart->Title()));
            } else {
                EXPECT_EQ(chart->Layout().TitleLines(), 2);
                const QString days =
                    QCoreApplication::translate("mervadin::ChartPainter", "%1 to %2")
                        .arg("2026-01-01", "2026-12-31");
                ASSERT_TRUE(chart->Title().endsWith(days));
                const QString head = chart->Title().chopped(days.size()).trimmed();
                for (const QString& line : {head, days})
                    EXPECT_GE(title.width + 1, titleMetrics.horizontalAdvance(line))
                        << line.toStdString();
            }
            window.close();
        }
    QApplication::setFont(original);
    Translation::Install("en");
}

// The PDF's pages, as its page tree counts them.
int PdfPages(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

// "Save report…": a PDF of one page for a few groups, two for many, the
// list's outcome in it when one is chosen, Chinese text in a Chinese font
// it carries; a report that fails writes nothing.
TEST_F(StatisticsWindowTest, TheReportIsAPdfOfOneOrTwoPagesWithTheListsOutcome) {
    test::Spit(folder.File("LoadNumber.txt"), "1,Ann,1001\r\n2,Bob,1002\r\n");
    WriteLines(folder.File("CallOutList.txt"), {test::CallLine({.number = "1001"}),
                                                test::CallLine({.number = "1002", .type = "1"})});
    MainWindow main(folder, prompts);
    test::Action(main, names::main::kWindowMenu, "Statistics")->trigger();
    auto* window = main.findChild<StatisticsWindow*>("StatisticsWindow");
    ASSERT_NE(window, nullptr);
    auto* list = window->findChild<QComboBox*>("ReportList");
    ASSERT_NE(list, nullptr);
    list->setCurrentText("LoadNumber.txt");
    prompts.files = {temp / "report"}; // ".pdf" is added
    test::Click(*window, "SaveReport");
    const std::string pdf = test::Slurp(temp / "report.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_NE(pdf.find("FontFile2"), std::string::npos); // its fonts go with it
    EXPECT_EQ(prompts.shown.back().text,
              "The report, 1 page(s), is in " + Utf8Of(temp / "report.pdf"));

    // Another list that cannot be read: said, and nothing written.
    prompts.openFiles = {temp.path()};
    list->setCurrentIndex(2);
    emit list->activated(2);
    EXPECT_EQ(list->currentText().toStdString(), Utf8Of(temp.path()));
    prompts.files = {temp / "broken.pdf"};
    test::Click(*window, "SaveReport");
    EXPECT_EQ(prompts.shown.back().text, Utf8Of(temp.path()) + ": is a folder, not a file");
    EXPECT_FALSE(std::filesystem::exists(temp / "broken.pdf"));

    // Sixty groups in Chinese: a second page, Chinese text in its own font.
    std::vector<std::string> lines;
    for (int group = 0; group < 60; ++group)
        lines.push_back(test::CallLine({.group = std::to_string(group)}));
    WriteLines(folder.File("CallOutList.txt"), lines);
    ASSERT_TRUE(Translation::Install("zh_CN"));
    StatisticsWindow chinese(folder, prompts);
    prompts.files = {temp / "chinese.pdf"};
    test::Click(chinese, "SaveReport");
    Translation::Install("en");
    const std::string twoPages = test::Slurp(temp / "chinese.pdf");
    EXPECT_EQ(PdfPages(twoPages), 2);
    EXPECT_NE(twoPages.find("FontFile2"), std::string::npos);
    // Where the test machine has the Chinese font scripts/setup installs,
    // the Chinese text is drawn in it, and it is carried along.
    if (QFontDatabase::families().contains("WenQuanYi Micro Hei")) {
        EXPECT_NE(twoPages.find("WenQuanYi"), std::string::npos);
    }
}

} // namespace
} // namespace mervadin
