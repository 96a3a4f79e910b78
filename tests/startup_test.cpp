#include "access/password_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "ui/lamp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

LinkOptions SimLink() {
    return {DeviceSelection{DeviceSelection::Kind::Simulator, {}}, std::nullopt};
}

void LogInWith(PasswordWindow& window, const char* password) {
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
    Startup startup(folder, prompts, SimLink(), [&](PasswordWindow& window) {
        configWasEmptyAtLogin = test::Slurp(folder.File("Config.txt")).empty();
        LogInWith(window, "6093");
    });
    EXPECT_EQ(startup.Run(), std::nullopt);
    EXPECT_TRUE(configWasEmptyAtLogin);
    EXPECT_EQ(ReadLines(folder.File("Config.txt")).size(), 70u);
    ASSERT_NE(startup.Window(), nullptr);
    // The level boxes were set before the defaults existed: missing keys read 0.
    EXPECT_EQ(startup.Window()->findChild<QComboBox*>("ComboBox29")->currentIndex(), 0);
    EXPECT_EQ(startup.Window()->findChild<QLineEdit*>("Edit1")->text(), "Total:0");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(Startup, TheLinkOpensAfterLoginAndTheWindowFollowsTheDevice) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    Startup startup(WorkFolder(temp.path()), prompts, SimLink(),
                    [](PasswordWindow& window) { LogInWith(window, "6093"); });
    ASSERT_EQ(startup.Run(), std::nullopt);
    auto* window = startup.Window();
    auto* lamp = window->findChild<Lamp*>("Shape1");
    EXPECT_EQ(window->StatusText(), "USB Connected (simulated device)");
    EXPECT_EQ(lamp->Colour(), colour::kRed);
    EXPECT_TRUE(window->windowTitle().endsWith("[simulated device]"));
    EXPECT_TRUE(window->Link()->Connected());

    auto* menu = window->findChild<QMenu*>("SimulatorMenu");
    ASSERT_NE(menu, nullptr);
    menu->actions().at(0)->trigger(); // unplug
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->StatusText() == "USB No Connect (simulated device)"; }));
    EXPECT_EQ(lamp->Colour(), colour::kSilver);
    EXPECT_FALSE(window->Link()->Connected());
    menu->actions().at(1)->trigger(); // plug in again
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->StatusText() == "USB Connected (simulated device)"; }));
    EXPECT_EQ(lamp->Colour(), colour::kRed);

    // Closing the window stops the storing of received bytes.
    window->close();
    EXPECT_FALSE(window->Link()->ReadEnabled());
}

TEST(Startup, ARefusedLoginEndsWithStatusZeroAndNoDefaults) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    const WorkFolder folder(temp.path());
    Startup startup(folder, prompts, SimLink(), [](PasswordWindow& window) {
        LogInWith(window, "1234");
        window.findChild<QPushButton*>("Button2")->click();
    });
    EXPECT_EQ(startup.Run(), 0);
    EXPECT_EQ(startup.Window(), nullptr);
    EXPECT_EQ(test::Slurp(folder.File("Config.txt")), "");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Password ERROR!!");
}

TEST(Startup, AWorkingFolderThatCannotBeMadeIsReportedAtOnce) {
    test::TempFolder temp;
    test::Spit(temp / "file", "");
    test::RecordingPrompts prompts;
    bool loginShown = false;
    Startup startup(WorkFolder(temp / "file" / "wd"), prompts, SimLink(),
                    [&](PasswordWindow&) { loginShown = true; });
    EXPECT_EQ(startup.Run(), 1);
    EXPECT_FALSE(loginShown);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Message");
    EXPECT_NE(prompts.shown[0].text.find((temp / "file" / "wd").string()), std::string::npos);
}

} // namespace
} // namespace mervadin
