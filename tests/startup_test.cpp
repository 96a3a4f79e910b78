#include "access/access_names.h"
#include "access/password_window.h"
#include "app/app_names.h"
#include "app/main_window.h"
#include "app/simulator_window.h"
#include "app/startup.h"
#include "monitor/monitor_names.h"
#include "operation/operation_texts.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "records/call_list_grid.h"
#include "records/read_window.h"
#include "records/record_names.h"
#include "support/modal.h"
#include "support/recording_prompts.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/lamp.h"
#include "ui/ui_names.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

LinkOptions SimLink() {
    return {DeviceSelection{DeviceSelection::Kind::Simulator, {}}, std::nullopt};
}

void LogInWith(PasswordWindow& window, const char* password) {
    window.show();
    auto* edit = window.findChild<QLineEdit*>(names::login::kPassword);
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
    EXPECT_EQ(startup.Window()->findChild<QComboBox*>(names::panel::kSpeakerBox)->currentIndex(),
              0);
    EXPECT_EQ(startup.Window()->findChild<QLineEdit*>(names::panel::kTotal)->text(), "Total:0");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(Startup, TheLinkOpensAfterLoginAndTheWindowFollowsTheDevice) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    Startup startup(WorkFolder(temp.path()), prompts, SimLink(),
                    [](PasswordWindow& window) { LogInWith(window, "6093"); });
    ASSERT_EQ(startup.Run(), std::nullopt);
    auto* window = startup.Window();
    auto* lamp = window->findChild<Lamp*>(names::main::kUsbLamp);
    EXPECT_EQ(window->StatusText(), "USB Connected (simulated device)");
    EXPECT_EQ(test::ShownColour(*lamp), colour::kRed);
    EXPECT_TRUE(window->windowTitle().endsWith("[simulated device]"));
    EXPECT_TRUE(window->Link()->Connected());
    // The status line with the device's button keeps the whole area in view.
    window->show();
    QApplication::processEvents();
    auto* scroll = window->findChild<QScrollArea*>("ClientScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());

    // The "Simulator" button opens the device's own window beside this one.
    QTest::mouseClick(window->findChild<QToolButton*>("SimulatorButton"), Qt::LeftButton);
    auto* simulator = window->findChild<SimulatorWindow*>();
    EXPECT_EQ(simulator, nullptr); // not a child: the tool windows' modality leaves it alone
    for (auto* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<SimulatorWindow*>(widget))
            simulator = found;
    ASSERT_NE(simulator, nullptr);
    EXPECT_TRUE(simulator->isVisible());
    const auto button = [&](const char* name) { return simulator->findChild<QPushButton*>(name); };
    const auto contents = [&] { return simulator->findChild<QLabel*>("Contents")->text(); };
    EXPECT_TRUE(contents().contains("40 call records"));
    EXPECT_TRUE(contents().contains("No settings written"));
    EXPECT_FALSE(button("PlugIn")->isEnabled());

    QTest::mouseClick(button("Unplug"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->StatusText() == "USB No Connect (simulated device)"; }));
    EXPECT_EQ(test::ShownColour(*lamp), colour::kSilver);
    EXPECT_FALSE(window->Link()->Connected());
    EXPECT_FALSE(button("Unplug")->isEnabled());
    EXPECT_EQ(simulator->findChild<QLabel*>("PlugState")->text(), "Unplugged");
    QTest::mouseClick(button("PlugIn"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->StatusText() == "USB Connected (simulated device)"; }));
    EXPECT_EQ(test::ShownColour(*lamp), colour::kRed);

    // The model: the current one marked, another chosen from the box.
    auto* model = simulator->findChild<QComboBox*>("Model");
    EXPECT_EQ(model->currentIndex(), 0);
    model->setFocus();
    QTest::keyClick(model, Qt::Key_Down);
    simulator->Refresh(); // shows the device's model again: the one chosen
    EXPECT_EQ(model->currentText(), "KEMO-0002");

    // A read's window waits over the main window only: the device can be
    // unplugged from its own window in the middle of the read.
    test::WithModal<ReadWindow>(
        [&] { window->OpenRead(); },
        [&](ReadWindow& read) {
            EXPECT_EQ(read.windowModality(), Qt::WindowModal);
            auto* readButton = read.findChild<QPushButton*>(names::read::kReadButton);
            readButton->click();
            EXPECT_FALSE(readButton->isEnabled()); // refused while the read runs
            // The device's window follows the device, with no clock of its own.
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return contents().contains("In a read or write now"); }));
            for (const auto* clock : simulator->findChildren<QTimer*>())
                EXPECT_FALSE(clock->isActive());
            QTest::mouseClick(button("Unplug"), Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([&] { return readButton->isEnabled(); }, 10000));
            // Ended by the unplug, not done.
            EXPECT_EQ(test::ShownLines(read, names::operation::kMemo).back(),
                      texts::operation::kDeviceLost);
        });
    EXPECT_FALSE(window->Link()->Connected());

    // Closing the window stops the storing of received bytes.
    window->close();
    window->Link()->ClearReceiveBuffer();
    window->Link()->OnInputReport(AsBytes("velorn<okok!"));
    EXPECT_TRUE(window->Link()->Received().empty());
}

TEST(Startup, ARefusedLoginEndsWithStatusZeroAndNoDefaults) {
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    const WorkFolder folder(temp.path());
    Startup startup(folder, prompts, SimLink(), [](PasswordWindow& window) {
        LogInWith(window, "1234");
        window.findChild<QPushButton*>(names::login::kExitButton)->click();
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

TEST(Startup, AFolderFromAChineseWindowsPcIsOfferedGb18030OnceAndTheMenuChangesIt) {
    if (TextCodec::SystemDefault() != "UTF-8")
        GTEST_SKIP() << "the offer is made where the system's encoding is UTF-8; here it is "
                     << TextCodec::SystemDefault();
    test::TempFolder temp;
    test::ScopedEnvironment config("XDG_CONFIG_HOME", (temp / "config").string());
    EncodingChoice::Remember(""); // nothing chosen yet
    test::RecordingPrompts prompts;
    const WorkFolder folder(temp / "wd");
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    const std::string gb = "\xB2\xE2\xCA\xD4", utf8 = "\xE6\xB5\x8B\xE8\xAF\x95";
    test::Spit(folder.File("CallOutList.txt"),
               "Group[1],\tName[n],\tNumber[1],\tType[0],\tDate[2026/1/2 3:4:5],"
               "\tDuration[0:0:1],\tRemark[" +
                   gb + "]\r\n");
    const auto remark = [](Startup& startup) {
        return startup.Window()->Grid(RecordFiles::List::CallOut)->model()->index(0, 6).data();
    };
    {
        prompts.answers = {Prompts::Answer::Yes};
        Startup startup(folder, prompts, SimLink(),
                        [](PasswordWindow& window) { LogInWith(window, "6093"); });
        ASSERT_EQ(startup.Run(), std::nullopt);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].caption, "Text encoding");
        EXPECT_NE(prompts.shown[0].text.find("read cleanly as GB18030"), std::string::npos);
        EXPECT_EQ(TextCodec::Chosen().Name(), "GB18030");
        EXPECT_EQ(EncodingChoice::Remembered(), "GB18030");
        EXPECT_EQ(remark(startup).toString(), QString::fromUtf8(utf8));

        // The popup menu chooses another; the grids follow at once.
        auto* menu = startup.Window()->findChild<QMenu*>("EncodingMenu");
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
        for (auto* action : menu->actions())
            EXPECT_EQ(action->isChecked(), action->text() == "GB18030")
                << action->text().toStdString();
        menu->actions().front()->trigger(); // UTF-8, the first
        EXPECT_EQ(TextCodec::Chosen().Name(), "UTF-8");
        EXPECT_EQ(EncodingChoice::Remembered(), "UTF-8");
        EXPECT_NE(remark(startup).toString(), QString::fromUtf8(utf8));
        EXPECT_EQ(startup.Window()->StatusText(), "Text encoding: UTF-8");
        // A moment later the status line says again that a device is there.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return startup.Window()->StatusText() == "USB Connected (simulated device)"; },
            MainWindow::kNoticeMs + 5000));
    }
    // Chosen once, never asked again.
    TextCodec::Choose(TextCodec::Named("UTF-8"), TextCodec::Source::Remembered);
    prompts.shown.clear();
    Startup again(folder, prompts, SimLink(),
                  [](PasswordWindow& window) { LogInWith(window, "6093"); });
    ASSERT_EQ(again.Run(), std::nullopt);
    EXPECT_TRUE(prompts.shown.empty());
    TextCodec::Choose(TextCodec::Named("UTF-8"), TextCodec::Source::Default);
}

} // namespace
} // namespace mervadin
