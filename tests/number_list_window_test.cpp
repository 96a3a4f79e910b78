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
    test::Click(window, names::numbers::kLoadTextButton);
    EXPECT_EQ(prompts.openDialogs.back().second.at(1), "CSV Files(*.csv)");
    EXPECT_EQ(Total(window), "9000");
    EXPECT_TRUE(Memo(window).endsWith("2,Bob,6\nLaod Max:9000 Number"));
    EXPECT_EQ(ReadLines(folder.File("LoadNumber.txt")), Lines(9000, "2,Bob,6"));

    // A source that cannot be read changes nothing.
    const std::string before = List();
    prompts.openFiles = {temp / "nothing.txt"};
    test::Click(window, names::numbers::kLoadTextButton);
    EXPECT_EQ(prompts.shown.back().caption, "Error");
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
// writes them as the files have always held them.
TEST_F(NumberListWindowTest, ItsOwnLinesAreTranslatedButSavedAsWritten) {
    WriteLines(folder.File("LoadNumber.txt"), {"1,Anna,5", "All: 7;"});
    ASSERT_TRUE(Translation::Install("zh_CN"));
    {
        NumberListWindow window(folder, prompts);
        EXPECT_EQ(Memo(window), "1,Anna,5\n全部: 7;\n全部: 2;");
        prompts.files = {temp / "shown.txt"};
        test::Click(window, names::numbers::kSaveButton);
    }
    Translation::Install("en");
    EXPECT_EQ(test::Slurp(temp / "shown.txt"), "1,Anna,5\r\nAll: 7;\r\nAll: 2;\r\n");
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
    test::Click(window, names::numbers::kLoadWorkbookButton);
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
    EXPECT_EQ(prompts.shown, (std::vector<Notice>{{"OK!!", "Load file OK! "}}));
    EXPECT_TRUE(window.findChild<QPushButton*>(names::numbers::kLoadTextButton)->isEnabled());

    // Not a workbook: said, and the list stays.
    test::Spit(temp / "fake.xlsx", "not a zip");
    prompts.openFiles = {temp / "fake.xlsx"};
    const std::string before = List();
    test::Click(window, names::numbers::kLoadWorkbookButton);
    EXPECT_FALSE(window.Importing());
    EXPECT_NE(prompts.shown.back().text.find("not a zip archive"), std::string::npos);
    EXPECT_EQ(List(), before);
}

TEST_F(NumberListWindowTest, MainWindowOpensTheListAndClearsIt) {
    WriteLines(folder.File("LoadNumber.txt"), {"1\ta\t1", "1\tb\t2"});
    MainWindow window(folder, prompts);
    EXPECT_EQ(window.NumberCount(), 2);
    prompts.openFiles = {Sheet("three.xlsx", 5)};
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
