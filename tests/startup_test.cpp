#include "access/password_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace mervadin {
namespace {

void LogInWith(TPasswordCheck& window, const char* password) {
    window.show();
    auto* edit = window.findChild<QLineEdit*>("Edit1");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, password);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(Startup, FirstStartLogsInThenFillsTheDefaults) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    const WorkFolder folder(temp / "wd");
    bool configWasEmptyAtLogin = false;
    Startup startup(folder, prompts, [&](TPasswordCheck& window) {
        configWasEmptyAtLogin = test::Slurp(folder.File("Config.txt")).empty();
        LogInWith(window, "6093");
    });
    EXPECT_EQ(startup.Run(), std::nullopt);
    EXPECT_TRUE(configWasEmptyAtLogin);
    EXPECT_EQ(ReadLines(folder.File("Config.txt")).size(), 70u);
    ASSERT_NE(startup.MainWindow(), nullptr);
    // The level boxes were set before the defaults existed: missing keys read 0.
    EXPECT_EQ(startup.MainWindow()->findChild<QComboBox*>("ComboBox29")->currentIndex(), 0);
    EXPECT_EQ(startup.MainWindow()->findChild<QLineEdit*>("Edit1")->text(), "Total:0");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(Startup, ARefusedLoginEndsWithStatusZeroAndNoDefaults) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    const WorkFolder folder(temp.path());
    Startup startup(folder, prompts, [](TPasswordCheck& window) {
        LogInWith(window, "1234");
        window.findChild<QPushButton*>("Button2")->click();
    });
    EXPECT_EQ(startup.Run(), 0);
    EXPECT_EQ(startup.MainWindow(), nullptr);
    EXPECT_EQ(test::Slurp(folder.File("Config.txt")), "");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Password ERROR!!");
}

TEST(Startup, AWorkingFolderThatCannotBeMadeIsReportedAtOnce) {
    test::TempFolder temp;
    test::Spit(temp / "file", "");
    test::RecordingPrompts prompts;
    bool loginShown = false;
    Startup startup(WorkFolder(temp / "file" / "wd"), prompts,
                    [&](TPasswordCheck&) { loginShown = true; });
    EXPECT_EQ(startup.Run(), 1);
    EXPECT_FALSE(loginShown);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Message");
    EXPECT_NE(prompts.shown[0].text.find((temp / "file" / "wd").string()), std::string::npos);
}

} // namespace
} // namespace mervadin
