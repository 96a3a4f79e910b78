#include "app/app_names.h"
#include "app/main_window.h"
#include "numbers/number_list_window.h"
#include "numbers/number_names.h"
#include "qtcore/translation.h"
#include "support/recording_prompts.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "support/workbook.h"
#include "ui/colours.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class NumberListWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(folder.Prepare(), std::nullopt); }

    static QString Memo(NumberListWindow& window) {
        return window.findChild<QPlainTextEdit*>(names::numbers::kMemo)->toPlainText();
    }
    static QString Total(NumberListWindow& window) {
        return window.findChild<QLineEdit*>(names::numbers::kTotal)->text();
    }
    std::string List() const { return test::Slurp(folder.File("LoadNumber.txt")); }
    std::filesystem::path Sheet(const std::string& name, int lastRow) {
        std::string rows;
        for (int row = 3; row <= lastRow; ++row)
            rows += test::InlineRow(row, "1", "n" + std::to_string(row), std::to_string(row));
        test::Workbook book;
        book.sheets = {rows};
        test::WriteWorkbook(temp / name, book);
        return temp / name;
    }

    test::TempFolder temp;
    WorkFolder folder{temp / "wd"};
    test::RecordingPrompts prompts;
};

TEST_F(NumberListWindowTest, OpensOnTheListAndImportsText) {
    WriteLines(folder.File("LoadNumber.txt"), Lines(36000, "1,Anna,5"));
    {
        NumberListWindow window(folder, prompts);
        test::ExpectUsualSize(window.size(), {379, 521});
        EXPECT_EQ(window.palette().color(QPalette::Window), colour::kTeal);
        EXPECT_EQ(Total(window), "36000");
        EXPECT_TRUE(Memo(window).endsWith("1,Anna,5\nAll: 36000;\nOnly Read:36000 Number"));
    }
    WriteLines(temp / "src.csv", Lines(9000, "2,Bob,6"));
    prompts.openFiles = {temp / "src.csv"};
    NumberListWindow window(folder, prompts);
    // The list holds numbers: the import asks before it replaces them, and
    // No leaves list and window as they were.
    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
    test::Click(window, names::numbers::kLoadTextButton);
    EXPECT_EQ(prompts.shown.back(),
              (Notice{"LoadNumber(txt)", "Replace the 36000 numbers of the list?"}));
    EXPECT_TRUE(prompts.openDialogs.empty());
    EXPECT_EQ(Total(window), "36000");
    test::Click(window, names::numbers::kLoadTextButton);
    EXPECT_EQ(prompts.openDialogs.back().second.at(1), "CSV Files(*.csv)");
    EXPECT_EQ(Total(window), "9000");
    EXPECT_TRUE(Memo(window).endsWith("2,Bob,6\nLaod Max:9000 Number"));
    EXPECT_EQ(ReadLines(folder.File("LoadNumber.txt")), Lines(9000, "2,Bob,6"));

    // A text file is stored at once: its progress is whole. A source that
    // cannot be read changes nothing and leaves no figure of an earlier
    // import behind.
    auto* label = window.findChild<QLabel*>(names::numbers::kPercent);
    EXPECT_EQ(label->text(), "100%");
    const std::string before = List();
    prompts.openFiles = {temp / "nothing.txt"};
    prompts.answers = {Prompts::Answer::Yes};
    test::Click(window, names::numbers::kLoadTextButton);
    EXPECT_EQ(prompts.shown.back().caption, "Error");
    EXPECT_EQ(label->text(), "0%");
    EXPECT_EQ(List(), before);

    // Open shows the call record lines of a file; save writes what is shown,
    // asking again after No.
    WriteLines(temp / "log.txt", {"x", "cdr: [1] \xB2\xE2", "y"});
    prompts.openFiles = {temp / "log.txt"};
    test::Click(window, names::numbers::kOpenButton);
    WriteLines(temp / "out.txt", {"old"});
    prompts.files = {temp / "out.txt", temp / "out.txt"};
    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
    test::Click(window, names::numbers::kSaveButton);
    EXPECT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(test::Slurp(temp / "out.txt"), "cdr: [1] \xB2\xE2\r\n"); // bytes kept
    EXPECT_EQ(List(), before);
    // A name typed without an ending is saved as a text file.
    prompts.files = {temp / "saved"};
    test::Click(window, names::numbers::kSaveButton);
    EXPECT_EQ(prompts.dialogs.back().second, "Text Files(*.txt)|*.txt");
    EXPECT_EQ(test::Slurp(temp / "saved.txt"), "cdr: [1] \xB2\xE2\r\n");
}

// In Chinese the window's own memo lines read in Chinese; "save" still
// writes them as the files have always held them, wherever they moved.
// Lines left as shown go out as they were loaded, bytes the encoding
// cannot show included, so the same edits give the same file in every
// language.
TEST_F(NumberListWindowTest, SaveWritesTheSameBytesInEveryLanguage) {
    WriteLines(folder.File("LoadNumber.txt"),
               {"1,Anna,5", "1,\xB2\xE2,6", "All: 7;", "2,\xB2\xE2,8", "3,Carl,9"});
    const auto saved = [&](const char* language, const std::string& name) {
        EXPECT_TRUE(Translation::Install(language));
        {
            NumberListWindow window(folder, prompts);
            if (std::string(language) == "zh_CN") {
                EXPECT_TRUE(
                    Memo(window).endsWith(u"\n全部: 7;\n2,\uFFFD\uFFFD,8\n3,Carl,9\n全部: 5;"));
            }
            auto* memo = window.findChild<QPlainTextEdit*>(names::numbers::kMemo);
            memo->setFocus();
            // A line typed above the others, the first list line deleted,
            // a line typed between the two that hold bytes UTF-8 cannot show.
            QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClicks(memo, "9,Dora,4");
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
            QTest::keyClick(memo, Qt::Key_Delete);
            QTest::keyClick(memo, Qt::Key_Delete);
            QTest::keyClick(memo, Qt::Key_Down);
            QTest::keyClick(memo, Qt::Key_Down);
            QTest::keyClick(memo, Qt::Key_Home);
            QTest::keyClicks(memo, "8,Emil,3");
            QTest::keyClick(memo, Qt::Key_Return);
            prompts.files = {temp / name};
            test::Click(window, names::numbers::kSaveButton);
        }
        Translation::Install("en");
        return test::Slurp(temp / name);
    };
    const std::string english = saved("en", "en.txt");
    EXPECT_EQ(english, "9,Dora,4\r\n1,\xB2\xE2,6\r\nAll: 7;\r\n8,Emil,3\r\n2,\xB2\xE2,8\r\n"
                       "3,Carl,9\r\nAll: 5;\r\n");
    EXPECT_EQ(saved("zh_CN", "zh.txt"), english);
}

// Tab and Shift+Tab move through the window as in every text box of the
// tool: no TAB reaches the list, and "save" writes only what was typed.
TEST_F(NumberListWindowTest, TabMovesOnAndNeverTypesIntoTheList) {
    WriteLines(folder.File("LoadNumber.txt"), {"1,Anna,5"});
    NumberListWindow window(folder, prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* total = window.findChild<QLineEdit*>(names::numbers::kTotal);
    auto* memo = window.findChild<QPlainTextEdit*>(names::numbers::kMemo);
    total->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), memo); // the lines follow the count
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(),
              window.findChild<QPushButton*>(names::numbers::kEditButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    for (const auto modifiers : {Qt::ControlModifier, Qt::NoModifier}) {
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Tab, modifiers);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "xy");
    EXPECT_EQ(Memo(window), "1,Anna,5\nAll: 1;");
    prompts.files = {temp / "out.txt"};
    test::Click(window, names::numbers::kSaveButton);
    EXPECT_EQ(test::Slurp(temp / "out.txt"), "1,Anna,5\r\nAll: 1;\r\n");
}

TEST_F(NumberListWindowTest, DialogsStartInTheDocumentsFolderOrAtHomeWithoutOne) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows finds the documents folder through its shell, not HOME";
#endif
    test::ScopedEnvironment home("HOME", (temp / "home").string());
    test::ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt); // no user-dirs.dirs
    std::filesystem::create_directories(temp / "home");
    EXPECT_EQ(DocumentsFolder(), temp / "home"); // no documents folder yet
    std::filesystem::create_directories(temp / "home" / "Documents");
    EXPECT_EQ(DocumentsFolder(), temp / "home" / "Documents");
    NumberListWindow window(folder, prompts);
    test::Click(window, names::numbers::kLoadTextButton); // cancelled
    EXPECT_EQ(prompts.openDialogs.back().first, temp / "home" / "Documents");
}

TEST_F(NumberListWindowTest, ImportsAWorkbookAndStopLeavesTheListAlone) {
    WriteLines(folder.File("LoadNumber.txt"), {"old"});
    NumberListWindow window(folder, prompts);
    auto* label = window.findChild<QLabel*>(names::numbers::kPercent);
    prompts.openFiles = {Sheet("long.xlsx", 9102)};
    prompts.answers = {Prompts::Answer::Yes, Prompts::Answer::Yes, Prompts::Answer::Yes};
    test::Click(window, names::numbers::kLoadWorkbookButton);
    EXPECT_EQ(prompts.shown,
              (std::vector<Notice>{{"LoadNumber(xlsx)", "Replace the 1 numbers of the list?"}}));
    prompts.shown.clear();
    EXPECT_TRUE(window.Importing());
    EXPECT_FALSE(window.findChild<QPushButton*>(names::numbers::kLoadTextButton)->isEnabled());
    EXPECT_EQ(Memo(window), "LoadStart...");
    test::Click(window, names::numbers::kStopButton); // Stop, before the first rows are read
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Importing(); }, 5000));
    EXPECT_EQ(Memo(window), "LoadStart...");
    EXPECT_EQ(Total(window), "");
    EXPECT_EQ(List(), "old\r\n");
    EXPECT_TRUE(prompts.shown.empty());

    prompts.openFiles = {Sheet("short.xlsx", 102)};
    test::Click(window, names::numbers::kLoadWorkbookButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Importing(); }, 5000));
    EXPECT_EQ(label->text(), "100%");
    EXPECT_EQ(Total(window), "100");
    EXPECT_EQ(ReadLines(folder.File("LoadNumber.txt")).front(), "1\tn3\t3");
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK!!", "Load file OK! "}));
    EXPECT_TRUE(window.findChild<QPushButton*>(names::numbers::kLoadTextButton)->isEnabled());

    // Not a workbook: said, and the list stays.
    test::Spit(temp / "fake.xlsx", "not a zip");
    prompts.openFiles = {temp / "fake.xlsx"};
    const std::string before = List();
    test::Click(window, names::numbers::kLoadWorkbookButton);
    EXPECT_FALSE(window.Importing());
    EXPECT_NE(prompts.shown.back().text.find("not a zip archive"), std::string::npos);
    EXPECT_EQ(label->text(), "0%"); // not the last import's 100 %
    EXPECT_EQ(List(), before);
}

TEST_F(NumberListWindowTest, MainWindowOpensTheListAndClearsIt) {
    WriteLines(folder.File("LoadNumber.txt"), {"1\ta\t1", "1\tb\t2"});
    MainWindow window(folder, prompts);
    EXPECT_EQ(window.NumberCount(), 2);
    prompts.openFiles = {Sheet("three.xlsx", 5)};
    prompts.answers = {Prompts::Answer::Yes}; // replace the 2 numbers
    QTimer::singleShot(0, [&] {
        auto* list = qobject_cast<NumberListWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        list->LoadWorkbook();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !list->Importing(); }, 5000));
        list->close();
    });
    test::Click(window, names::main::kLoadNumberButton);
    EXPECT_EQ(window.NumberCount(), 3);

    // ClearNumber asks first; No keeps the list, Yes empties it.
    const auto clear = [&] {
        test::Action(window, names::main::kWindowMenu, "ClearNumber")->trigger();
    };
    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
    clear();
    EXPECT_EQ(prompts.shown.back(), (Notice{"ClearNumber", "Clear all 3 numbers?"}));
    EXPECT_EQ(window.NumberCount(), 3);
    clear();
    EXPECT_EQ(List(), "");
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK", "   ClearOk  !!"}));
    EXPECT_EQ(window.NumberCount(), 0);
}

} // namespace
} // namespace mervadin
