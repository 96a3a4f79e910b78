#include "app/app_names.h"
#include "app/main_window.h"
#include "numbers/number_list_window.h"
#include "numbers/number_names.h"
#include "round/block_list_window.h"
#include "round/number_calls_window.h"
#include "round/outcome_table.h"
#include "round/outcome_window.h"
#include "round/round_names.h"
#include "statistics/day_field.h"
#include "support/call_lines.h"
#include "support/modal.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

using namespace std::chrono;

class OutcomeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(folder.Prepare(), std::nullopt);
        // 555 on lines 1 and 4 (reached on its second call), 556 failed
        // twice, 557 never called, 558 reached on March 2 only; a call of a
        // number not on the list.
        test::Spit(folder.File("LoadNumber.txt"), kList);
        test::Spit(folder.File("CallOutList.txt"),
                   test::ListText({{.number = "555", .type = "1", .date = "2026/3/1 9:0:0"},
                                   {.number = "556", .type = "1", .date = "2026/3/1 9:1:0"},
                                   {.number = "555", .date = "2026/3/1 10:0:0"},
                                   {.number = "556", .type = "1", .date = "2026/3/2 9:0:0"},
                                   {.number = "558", .date = "2026/3/2 9:5:0"},
                                   {.number = "999", .date = "2026/3/2 9:6:0"}}));
    }

    static QStringList Column(const QTableView& table, OutcomeColumn column) {
        QStringList cells;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            cells << table.model()->index(row, static_cast<int>(column)).data().toString();
        return cells;
    }
    static QString Text(const QWidget& window, const char* name) {
        return test::Child<QLabel>(window, name)->text();
    }

    const std::string kList =
        "1\tAnn\t555\r\n2,B\xC3\xA9la,556\r\n3\tCy\t557\r\n4\tAnn2\t555\r\n5\tDo\t558\r\n";
    test::TempFolder temp;
    WorkFolder folder{temp / "wd"};
    test::RecordingPrompts prompts;
};

TEST_F(OutcomeWindowTest, ShowsEachNumberOnceSortsFiltersAndListsItsCalls) {
    MainWindow main(folder, prompts);
    test::WithModal<OutcomeWindow>(
        [&] { test::Action(main, names::main::kWindowMenu, "Outcome of the list…")->trigger(); },
        [&](OutcomeWindow& window) {
            EXPECT_EQ(Text(window, names::round::kTotals),
                      "4 numbers: 2 reached, 1 dialled and not reached, 1 never dialled");
            EXPECT_EQ(Text(window, names::round::kSetApart), "1 calls of numbers not on the list");
            auto* table = test::Child<QTableView>(window, names::round::kTable);
            EXPECT_EQ(Column(*table, OutcomeColumn::Number),
                      (QStringList{"555", "556", "557", "558"}));
            EXPECT_EQ(Column(*table, OutcomeColumn::Name)[1], QString::fromUtf8("B\xC3\xA9la"));
            EXPECT_EQ(Column(*table, OutcomeColumn::LinesOfList)[0], "1, 4");
            EXPECT_EQ(Column(*table, OutcomeColumn::LastCall)[1], "2026-03-02 09:00:00");
            // The date fields follow the records' days while all are counted.
            EXPECT_EQ(test::Child<DayField>(window, names::round::kFromDay)->Date(),
                      QDate(2026, 3, 1));

            // A click on a header sorts by its values: the calls as numbers.
            const int calls = static_cast<int>(OutcomeColumn::Attempts);
            QHeaderView* header = table->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(calls) + 5, 5));
            if (header->sortIndicatorOrder() == Qt::AscendingOrder)
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(header->sectionViewportPosition(calls) + 5, 5));
            EXPECT_EQ(Column(*table, OutcomeColumn::Attempts), (QStringList{"2", "2", "1", "0"}));

            auto* filter = test::Child<QComboBox>(window, names::round::kFilter);
            filter->setCurrentText("Not reached");
            EXPECT_EQ(Column(*table, OutcomeColumn::Number), QStringList{"556"});
            filter->setCurrentText("Never dialled");
            EXPECT_EQ(Column(*table, OutcomeColumn::Number), QStringList{"557"});
            filter->setCurrentText("Reached");
            EXPECT_EQ(Column(*table, OutcomeColumn::Number).size(), 2);

            // A double-click on 555's row (a press and release, then the
            // second press) lists its two calls.
            filter->setCurrentText("All");
            const int row = Column(*table, OutcomeColumn::Number).indexOf("555");
            const QRect cell = table->visualRect(table->model()->index(row, 0));
            test::WithModal<NumberCallsWindow>(
                [&] {
                    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                },
                [&](NumberCallsWindow& shown) {
                    auto* list = test::Child<QTableWidget>(shown, names::round::kCallsTable);
                    ASSERT_EQ(list->rowCount(), 2);
                    EXPECT_EQ(list->item(0, 0)->text(), "1");
                    EXPECT_EQ(list->item(1, 2)->text(), "connected");
                    EXPECT_EQ(Text(shown, names::round::kCallsCount), "2 calls in CallOutList.txt");
                });

            // A range of days: March 2 only; then one reversed, said.
            test::Child<QCheckBox>(window, names::round::kAllDays)->setChecked(false);
            auto* from = test::Child<DayField>(window, names::round::kFromDay);
            from->setText("2026-03-02");
            QTest::keyClick(from, Qt::Key_Return);
            EXPECT_EQ(Text(window, names::round::kTotals),
                      "4 numbers: 1 reached, 1 dialled and not reached, 2 never dialled");
            from->setText("2026-03-05");
            QTest::keyClick(from, Qt::Key_Return);
            EXPECT_EQ(Text(window, names::round::kTotals),
                      "The first day, 2026-03-05, is after the last, 2026-03-02: no day to count");
            EXPECT_EQ(table->model()->rowCount(), 0);
        });
}

TEST_F(OutcomeWindowTest, TheNextListGoesToAFileOrInPlaceOfTheListAsItStood) {
    test::Spit(folder.File("BlockList.txt"), "557\r\n");
    OutcomeWindow window(folder, prompts);
    // Failed only: 556's line, its bytes as they were.
    test::Child<QComboBox>(window, names::round::kNotReachedChoice)->setCurrentText("failed only");
    prompts.files = {temp / "next.txt"};
    test::Click(window, names::round::kSaveNotReached);
    EXPECT_EQ(test::Slurp(temp / "next.txt"), "2,B\xC3\xA9la,556\r\n");
    EXPECT_EQ(prompts.shown.back().text, "1 lines written to " + Utf8Of(temp / "next.txt") + ".");

    // Failed and never dialled, in place of LoadNumber.txt after asking: the
    // blocked 557 stays out, and the window shows the new list.
    test::Child<QComboBox>(window, names::round::kNotReachedChoice)
        ->setCurrentText("failed and never dialled");
    prompts.answers = {Prompts::Answer::No};
    test::Click(window, names::round::kReplaceList);
    EXPECT_EQ(prompts.shown.back().text,
              "Replace the 5 lines of LoadNumber.txt with the 1 lines not reached?");
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), kList);
    prompts.answers = {Prompts::Answer::Yes};
    test::Click(window, names::round::kReplaceList);
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), "2,B\xC3\xA9la,556\r\n");
    EXPECT_EQ(prompts.shown.back().text, "1 lines written to " +
                                             Utf8Of(folder.File("LoadNumber.txt")) +
                                             ". 1 lines with numbers never to call were left out.");
    EXPECT_EQ(Text(window, names::round::kTotals),
              "1 number: 0 reached, 1 dialled and not reached, 0 never dialled");

    // LoadNumber.txt changed by another program since: nothing is written.
    test::Spit(folder.File("LoadNumber.txt"), "9\tNew\t556\r\n");
    prompts.answers = {Prompts::Answer::Yes};
    test::Click(window, names::round::kReplaceList);
    EXPECT_EQ(prompts.shown.back().text,
              "LoadNumber.txt changed since its outcome was shown; nothing was written. Refresh "
              "the outcome and try again.");
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), "9\tNew\t556\r\n");

    // Another list file: a folder is named in the totals' place.
    prompts.openFiles = {temp.path()};
    test::Click(window, names::round::kChooseList);
    EXPECT_EQ(Text(window, names::round::kTotals),
              QString::fromStdString(Utf8Of(temp.path()) + ": is a folder, not a file"));
    EXPECT_EQ(window.Shown(), nullptr);
    prompts.files = {temp / "nothing.txt"};
    test::Click(window, names::round::kSaveNotReached); // nothing shown, nothing written
    EXPECT_FALSE(std::filesystem::exists(temp / "nothing.txt"));
    test::Click(window, names::round::kWorkingList);
    EXPECT_EQ(test::Child<QLineEdit>(window, names::round::kListFile)->text().toStdString(),
              Utf8Of(folder.File("LoadNumber.txt")));
}

TEST_F(OutcomeWindowTest, TheBlockListWindowAddsRemovesAndImportsThroughItsFile) {
    const auto file = folder.File("BlockList.txt");
    BlockListWindow window(file, prompts);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* number = test::Child<QLineEdit>(window, names::round::kBlockNumber);
    auto* numbers = test::Child<QListWidget>(window, names::round::kBlockNumbers);
    QTest::keyClicks(number, " 13800138000 ");
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(test::Slurp(file), "13800138000\r\n");
    EXPECT_EQ(numbers->count(), 1);
    EXPECT_TRUE(number->text().isEmpty());

    QTest::keyClicks(number, "138-0013");
    test::Click(window, names::round::kBlockAdd);
    EXPECT_EQ(prompts.shown.back().text, "\"138-0013\" is not a number: digits only");
    EXPECT_EQ(test::Slurp(file), "13800138000\r\n");

    // An import with letters names its line and adds nothing; one without
    // adds what is new.
    test::Spit(temp / "dnc.txt", "556\r\nJohn\r\n");
    prompts.openFiles = {temp / "dnc.txt"};
    test::Click(window, names::round::kBlockImport);
    EXPECT_EQ(prompts.shown.back().text,
              Utf8Of(temp / "dnc.txt") +
                  ": line 2 holds \"John\", which is not a number: one number a line, digits only");
    EXPECT_EQ(test::Slurp(file), "13800138000\r\n");
    test::Spit(temp / "dnc.txt", "556\r\n13800138000\r\n");
    prompts.openFiles = {temp / "dnc.txt"};
    test::Click(window, names::round::kBlockImport);
    EXPECT_EQ(prompts.shown.back().text,
              "1 numbers added: 556\n1 numbers were on the list already: 13800138000");
    EXPECT_EQ(numbers->count(), 2);

    numbers->item(0)->setSelected(true);
    numbers->setFocus();
    QTest::keyClick(numbers, Qt::Key_Delete);
    EXPECT_EQ(test::Slurp(file), "556\r\n");
    EXPECT_EQ(test::Child<QLabel>(window, names::round::kBlockCount)->text().toStdString(),
              "1 numbers in " + Utf8Of(file));

    // A block list spoilt by hand: said, and left as it is.
    test::Spit(file, "556\r\nx\r\n");
    window.Load();
    EXPECT_TRUE(test::Child<QLabel>(window, names::round::kBlockCount)->text().contains("line 2"));
    QTest::keyClicks(number, "557");
    test::Click(window, names::round::kBlockAdd);
    EXPECT_EQ(test::Slurp(file), "556\r\nx\r\n");
}

TEST_F(OutcomeWindowTest, TheNumberListWindowLeavesBlockedNumbersOutAndOpensTheRoundsWindows) {
    test::Spit(folder.File("BlockList.txt"), "556\r\n");
    test::Spit(temp / "new.txt", "1,A,555\r\n2,B,556-1\r\n3,C,557\r\n");
    MainWindow main(folder, prompts);
    test::WithModal<NumberListWindow>(
        [&] { test::Action(main, names::main::kWindowMenu, "LoadNumber")->trigger(); },
        [&](NumberListWindow& window) {
            EXPECT_EQ(window.size(), QSize(379, 561));
            prompts.answers = {Prompts::Answer::Yes};
            prompts.openFiles = {temp / "new.txt"};
            test::Click(window, names::numbers::kLoadTextButton);
            EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), "1,A,555\r\n3,C,557\r\n");
            EXPECT_EQ(
                prompts.shown.back(),
                (Notice{"LoadNumber(txt)", "1 lines with numbers never to call were left out."}));
            test::WithModal<BlockListWindow>(
                [&] { test::Click(window, names::numbers::kBlockListButton); },
                [&](BlockListWindow& blocks) {
                    EXPECT_EQ(test::Child<QListWidget>(blocks, names::round::kBlockNumbers)
                                  ->item(0)
                                  ->text(),
                              "556");
                });
            test::WithModal<OutcomeWindow>(
                [&] { test::Click(window, names::numbers::kOutcomeButton); },
                [&](OutcomeWindow& outcome) {
                    EXPECT_EQ(Text(outcome, names::round::kTotals),
                              "2 numbers: 1 reached, 0 dialled and not reached, 1 never dialled");
                });
        });
}

} // namespace
} // namespace mervadin
