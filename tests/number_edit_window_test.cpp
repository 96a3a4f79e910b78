#include "numbers/number_check.h"
#include "numbers/number_edit_window.h"
#include "numbers/number_list_window.h"
#include "numbers/number_names.h"
#include "numbers/number_table.h"
#include "qtcore/translation.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class NumberEditWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(folder.Prepare(), std::nullopt); }

    std::string List() const { return test::Slurp(folder.File("LoadNumber.txt")); }
    static QTableView* View(NumberEditWindow& window) {
        return test::Child<QTableView>(window, names::numbers::kEditorTable);
    }
    // Types `text` into the cell as an operator would: F2, the text, Enter.
    static void TypeInto(NumberEditWindow& window, int row, int column, const QString& text) {
        QTableView* view = View(window);
        view->setCurrentIndex(view->model()->index(row, column));
        QTest::keyClick(view, Qt::Key_F2);
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        if (!text.isNull())
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::sendPostedEvents(); // the delegate commits and closes the editor queued
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QString Cell(NumberEditWindow& window, int row, int column) {
        return View(window)->model()->index(row, column).data().toString();
    }
    static QString Text(NumberEditWindow& window, const char* name) {
        return test::Child<QLabel>(window, name)->text();
    }

    test::TempFolder temp;
    WorkFolder folder{temp / "wd"};
    test::RecordingPrompts prompts;
};

TEST_F(NumberEditWindowTest, CellsAreEditedInPlaceAndSavedWithEveryOtherByteKept) {
    test::Spit(folder.File("LoadNumber.txt"),
               "1\tAnna\t13800000001\r\n2,Bob,13900000002,extra\r\n3,\xFF\xFE,140\r\n");
    NumberEditWindow window(folder, prompts);
    EXPECT_EQ(Text(window, names::numbers::kEditorTotal), "Total: 3");
    EXPECT_EQ(Cell(window, 1, 2), "13900000002");

    TypeInto(window, 0, 1, "Anne");
    TypeInto(window, 1, 2, "13900000009");
    TypeInto(window, 2, 1, QString()); // opened and left as shown: its bytes stay
    TypeInto(window, 1, 1, "Bob,Jr");  // would move the number into another field
    EXPECT_TRUE(Text(window, names::numbers::kEditorStatus).contains("comma"));
    EXPECT_EQ(Cell(window, 1, 1), "Bob");

    EXPECT_TRUE(window.Save());
    EXPECT_EQ(List(), "1\tAnne\t13800000001\r\n2,Bob,13900000009,extra\r\n3,\xFF\xFE,140\r\n");
    EXPECT_TRUE(prompts.shown.empty());

    // Closing after a save asks nothing.
    window.show();
    test::Click(window, names::numbers::kEditorClose);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NumberEditWindowTest, RowsAreAddedDeletedSortedFoundAndEveryStepUndone) {
    const std::string list = "2,Carl,300\r\n1,Anna,100\r\n10,Bob,200\r\n";
    test::Spit(folder.File("LoadNumber.txt"), list);
    NumberEditWindow window(folder, prompts);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTableView* view = View(window);
    NumberTable& table = window.table();

    // Add goes below the current row with its group; the new row's NAME is typed.
    view->setCurrentIndex(table.index(0, 0));
    test::Click(window, names::numbers::kEditorAdd);
    EXPECT_EQ(Text(window, names::numbers::kEditorTotal), "Total: 4");
    EXPECT_EQ(table.lines().at(1), "2,,");

    // Several rows deleted at once.
    view->clearSelection();
    view->selectionModel()->select(table.index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(table.index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    test::Click(window, names::numbers::kEditorDelete);
    EXPECT_EQ(table.lines(), (Lines{"2,,", "1,Anna,100"}));
    EXPECT_EQ(Text(window, names::numbers::kEditorTotal), "Total: 2");

    // Ctrl+Z takes the steps back, Ctrl+Y does them again.
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(table.lines(), (Lines{"2,Carl,300", "2,,", "1,Anna,100", "10,Bob,200"}));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(JoinLines(table.lines()), list);
    EXPECT_FALSE(test::Child<QPushButton>(window, names::numbers::kEditorUndo)->isEnabled());
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(table.lines().size(), 4u);
    test::Click(window, names::numbers::kEditorUndo);
    EXPECT_EQ(JoinLines(table.lines()), list);

    // A click on a header sorts by that column; GROUP by its value.
    QHeaderView* header = view->horizontalHeader();
    const auto clickHeader = [&](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    clickHeader(0);
    EXPECT_EQ(table.lines(), (Lines{"1,Anna,100", "2,Carl,300", "10,Bob,200"}));
    clickHeader(0);
    EXPECT_EQ(table.lines(), (Lines{"10,Bob,200", "2,Carl,300", "1,Anna,100"}));
    clickHeader(1);
    EXPECT_EQ(table.lines(), (Lines{"1,Anna,100", "10,Bob,200", "2,Carl,300"}));
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    // Each undone sort shows the order the lines are back in: the sort
    // before it, then the file's own order with no arrow at all.
    test::Click(window, names::numbers::kEditorUndo);
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    for (int sorts = 0; sorts < 2; ++sorts)
        test::Click(window, names::numbers::kEditorUndo);
    EXPECT_EQ(JoinLines(table.lines()), list);
    EXPECT_EQ(header->sortIndicatorSection(), -1);
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    test::Click(window, names::numbers::kEditorUndo);

    // Find selects the next row holding the text, wrapping round.
    auto* find = test::Child<QLineEdit>(window, names::numbers::kEditorFind);
    view->setCurrentIndex(table.index(2, 0));
    QTest::keyClicks(find, "ANN");
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(view->currentIndex().row(), 1);
    find->setText("nobody");
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(Text(window, names::numbers::kEditorStatus), "Not found: nobody");
    EXPECT_EQ(view->currentIndex().row(), 1);
    EXPECT_EQ(List(), list); // nothing saved yet
}

TEST_F(NumberEditWindowTest, CheckListsWhatTheWriteWouldWarnOfAndLeadsToTheLine) {
    const Lines lines = {"1,Anna,13800000001", "1,,13800000001", "x,Carl,12a",
                         "-3,A name longer than sixteen,12345678901234"};
    WriteLines(folder.File("LoadNumber.txt"), lines);
    NumberEditWindow window(folder, prompts);
    window.show();
    test::Click(window, names::numbers::kEditorCheck);
    auto* findings = test::Child<QListWidget>(window, names::numbers::kEditorFindings);
    EXPECT_TRUE(findings->isVisible());
    const auto expected = CheckNumberList(lines);
    ASSERT_EQ(findings->count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(findings->item(static_cast<int>(i))->text().toStdString(), expected[i].Text());
    EXPECT_EQ(findings->item(1)->text(), "line 2: the NUMBER is also on line 1");
    findings->setCurrentRow(3); // a finding of line 3
    EXPECT_EQ(View(window)->currentIndex().row(), 2);

    // Mended, checked again: nothing left.
    window.table().DeleteRows({1, 2, 3});
    test::Click(window, names::numbers::kEditorCheck);
    EXPECT_FALSE(findings->isVisible());
    EXPECT_EQ(Text(window, names::numbers::kEditorStatus), "Nothing found in 1 lines");
}

// By keyboard: Tab goes from cell to cell and past the last one out of the
// table (an open cell stored first), Shift+Tab before the first one back
// to the find box, Ctrl+Tab out at once; Space selects, never blanks.
TEST_F(NumberEditWindowTest, TheKeyboardLeavesTheTableAndSpaceBlanksNothing) {
    WriteLines(folder.File("LoadNumber.txt"), {"1,Anna,100", "2,Bob,200"});
    NumberEditWindow window(folder, prompts);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTableView* view = View(window);
    const auto focus = [] { return QApplication::focusWidget(); };
    auto* add = test::Child<QPushButton>(window, names::numbers::kEditorAdd);
    auto* find = test::Child<QLineEdit>(window, names::numbers::kEditorFind);

    view->setFocus();
    view->setCurrentIndex(window.table().index(0, 1));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(view->viewport()->findChild<QLineEdit*>(), nullptr); // no cell opened
    EXPECT_EQ(Cell(window, 0, 1), "Anna");
    EXPECT_TRUE(view->selectionModel()->isRowSelected(0, {}));

    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_EQ(view->currentIndex(), window.table().index(0, 2));
    EXPECT_EQ(focus(), view);
    QTest::keyClick(view, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focus(), add); // the table's cells are not the window's only controls
    QTest::keyClick(add, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), view);
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(focus(), find);

    view->setFocus();
    view->setCurrentIndex(window.table().index(0, 0));
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), find); // before the first cell

    // The last cell, open: Tab stores it and leaves.
    view->setFocus();
    view->setCurrentIndex(window.table().index(1, 2));
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "201");
    QTest::keyClick(editor, Qt::Key_Tab);
    QApplication::sendPostedEvents();
    EXPECT_EQ(Cell(window, 1, 2), "201");
    EXPECT_EQ(focus(), add);
    EXPECT_EQ(window.table().lines(), (Lines{"1,Anna,100", "2,Bob,201"}));
}

// Check's findings follow every step of the list: an edit that mends a line
// takes its finding away, and a delete leaves none naming a line past the
// end. In Chinese the editor's own lines read in Chinese.
TEST_F(NumberEditWindowTest, FindingsFollowEveryEditAndReadInTheLanguageOfTheWindows) {
    WriteLines(folder.File("LoadNumber.txt"), {"1,Anna,100", "1,Bob,100", "1,,300", "1,Dan,12a"});
    ASSERT_TRUE(Translation::Install("zh_CN"));
    {
        NumberEditWindow window(folder, prompts);
        window.show();
        auto* findings = test::Child<QListWidget>(window, names::numbers::kEditorFindings);
        const auto lines = [&] {
            std::vector<int> named;
            for (int i = 0; i < findings->count(); ++i)
                named.push_back(findings->item(i)->data(Qt::UserRole).toInt());
            return named;
        };
        test::Click(window, names::numbers::kEditorCheck);
        EXPECT_EQ(lines(), (std::vector<int>{2, 3, 4}));
        const QString status = Text(window, names::numbers::kEditorStatus);
        EXPECT_TRUE(status.contains(QString::fromUtf8("项"))) << status.toStdString();

        TypeInto(window, 1, 2, "200"); // no longer a duplicate
        EXPECT_EQ(lines(), (std::vector<int>{3, 4}));
        window.table().DeleteRows({2, 3});
        EXPECT_FALSE(findings->isVisible());
        window.table().undoStack().undo();
        EXPECT_EQ(lines(), (std::vector<int>{3, 4}));
        window.table().DeleteRows({0, 1});
        EXPECT_EQ(lines(), (std::vector<int>{1, 2}));

        // A refused edit says why in Chinese.
        TypeInto(window, 0, 1, "a,b");
        const QString refused = Text(window, names::numbers::kEditorStatus);
        EXPECT_FALSE(refused.contains("A field")) << refused.toStdString();
        EXPECT_TRUE(refused.contains("\"a,b\"")) << refused.toStdString();
    }
    Translation::Install("en");
}

TEST_F(NumberEditWindowTest, LeavingWithUnsavedEditsAsksAndAnotherWritersListIsNotLostUnasked) {
    WriteLines(folder.File("LoadNumber.txt"), {"1,Anna,100"});
    NumberEditWindow window(folder, prompts);
    window.show();
    TypeInto(window, 0, 1, "Anne");
    ASSERT_EQ(window.table().lines().at(0), "1,Anne,100");

    prompts.answers = {Prompts::Answer::Cancel};
    test::Click(window, names::numbers::kEditorClose);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(prompts.shown.back(),
              (Notice{"Edit number list", "Save the changes to LoadNumber.txt?"}));

    // Another program replaced the list meanwhile: Yes to saving, then No
    // to replacing that list, keeps it and the window.
    WriteLines(folder.File("LoadNumber.txt"), {"7,Other,700"});
    prompts.answers = {Prompts::Answer::Yes, Prompts::Answer::No};
    test::Click(window, names::numbers::kEditorClose);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(prompts.shown.back().text.starts_with("LoadNumber.txt was changed by another"));
    EXPECT_EQ(List(), "7,Other,700\r\n");

    // No leaves without saving.
    prompts.answers = {Prompts::Answer::No};
    test::Click(window, names::numbers::kEditorClose);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(List(), "7,Other,700\r\n");
}

TEST_F(NumberEditWindowTest, TheNumberListWindowOpensTheEditorAndShowsWhatItSaved) {
    WriteLines(folder.File("LoadNumber.txt"), {"1,Anna,100", "1,Bob,200"});
    NumberListWindow list(folder, prompts);
    bool edited = false;
    QTimer::singleShot(0, [&] {
        for (auto* widget : QApplication::topLevelWidgets())
            if (auto* editor = qobject_cast<NumberEditWindow*>(widget);
                editor && editor->isVisible()) {
                editor->table().DeleteRows({0});
                edited = editor->Save();
                test::Click(*editor, names::numbers::kEditorClose);
            }
    });
    test::Click(list, names::numbers::kEditButton);
    EXPECT_TRUE(edited);
    EXPECT_EQ(test::Child<QLineEdit>(list, names::numbers::kTotal)->text(), "1");
    EXPECT_EQ(test::Child<QPlainTextEdit>(list, names::numbers::kMemo)->toPlainText(),
              "1,Bob,200\nAll: 1;");
    EXPECT_EQ(List(), "1,Bob,200\r\n");
}

} // namespace
} // namespace mervadin
