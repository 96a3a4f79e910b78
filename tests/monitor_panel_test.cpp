#include "app/app_names.h"
#include "app/download_window.h"
#include "app/main_window.h"
#include "files/file_read.h"
#include "monitor/live_monitor.h"
#include "monitor/monitor_names.h"
#include "records/call_grid_model.h"
#include "records/call_list_grid.h"
#include "records/read_window.h"
#include "records/record_names.h"
#include "settings/settings_file.h"
#include "sim/sim_device.h"
#include "sim/sim_transport.h"
#include "support/modal.h"
#include "support/recording_prompts.h"
#include "support/simulated_setup.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/lamp.h"
#include "ui/ui_names.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class MonitorPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(folder.Prepare(), std::nullopt);
        FillDefaultSettingsIfShort(folder.File("Config.txt")); // as the tool's start does
        sim().Timing().statusIntervalMs = 20;
        window.AttachSession(setup.Session(), setup.Simulator());
        setup.Link().Open();
        window.show();
    }
    sim::SimDevice& sim() { return *setup.Simulator(); }
    bool Enabled(const char* name) { return window.findChild<QPushButton*>(name)->isEnabled(); }
    void Click(const char* name) { test::Click(window, name); }
    QString Text(const char* name) { return window.findChild<QLineEdit*>(name)->text(); }
    QAction* Action(const char* menu, const QString& text) {
        return test::Action(window, menu, text);
    }
    // However the monitor ended, the panel and the status line agree: the
    // lamps and signal show it ended, only MonitorON of the live commands
    // can be pressed, and the status line says whether a device is there.
    void ExpectEnded(bool connected) {
        EXPECT_EQ(window.StatusText(), connected ? "USB Connected (simulated device)"
                                                 : "USB No Connect (simulated device)");
        EXPECT_EQ(test::ShownColour(*window.findChild<Lamp*>(names::main::kUsbLamp)),
                  connected ? colour::kRed : colour::kSilver);
        EXPECT_EQ(test::ShownColour(*window.findChild<Lamp*>(names::panel::kMonitorLamp)),
                  colour::kSilver);
        EXPECT_TRUE(Enabled(names::panel::kMonitorOnButton));
        for (const char* off : {names::panel::kMonitorOffButton, names::panel::kZelStartButton,
                                names::panel::kZelStopButton, names::panel::kForwardButton,
                                names::panel::kSendSmsButton})
            EXPECT_FALSE(Enabled(off)) << off;
        for (const char* on : {names::main::kSettingButton, names::main::kLoadNumberButton,
                               names::main::kDisplayCdrButton, names::main::kDownLoadButton,
                               names::main::kReadCdrButton, names::main::kCloseButton})
            EXPECT_TRUE(Enabled(on)) << on;
        EXPECT_EQ(Text(names::panel::kFrameCounter), "");
        EXPECT_EQ(Text(names::panel::kSignal), "");
    }
    bool WaitFrames(int count) {
        return QTest::qWaitFor([&] { return Text(names::panel::kFrameCounter).toInt() >= count; },
                               5000);
    }

    test::TempFolder temp;
    WorkFolder folder{temp.path()};
    test::RecordingPrompts prompts;
    test::SimulatedSession setup{folder};
    MainWindow window{folder, prompts};
};

TEST_F(MonitorPanelTest, MonitorShowsTheDeviceAndTakesCommands) {
    sim().Dialer().SetModel("kemo0005");
    sim().Dialer().SetSpeaker(4); // the level the device reports
    Click(names::panel::kMonitorOnButton);
    EXPECT_EQ(test::ShownColour(*window.findChild<Lamp*>(names::panel::kMonitorLamp)),
              colour::kGreen);
    for (const char* off :
         {names::main::kSettingButton, names::main::kLoadNumberButton,
          names::main::kDisplayCdrButton, names::main::kDownLoadButton, names::main::kReadCdrButton,
          names::main::kCloseButton, names::panel::kMonitorOnButton, names::panel::kForwardButton,
          names::panel::kZelStopButton})
        EXPECT_FALSE(Enabled(off)) << off;
    for (const char* on : {names::panel::kZelStartButton, names::panel::kMonitorOffButton,
                           names::panel::kSendSmsButton})
        EXPECT_TRUE(Enabled(on)) << on;
    ASSERT_TRUE(WaitFrames(2));
    EXPECT_TRUE(window.StatusText().startsWith("M-Station:Idel; M-number:; key:; No.:0;"));
    EXPECT_EQ(window.findChild<QGroupBox*>(names::panel::kMonitorBox)->title(), "KEMO-0005");
    auto* speaker = window.findChild<QComboBox*>(names::panel::kSpeakerBox);
    EXPECT_EQ(speaker->count(), 9);
    EXPECT_EQ(speaker->currentIndex(), 4);
    EXPECT_EQ(speaker->itemText(1), "SpkVol:0");
    EXPECT_EQ(window.findChild<QComboBox*>(names::panel::kMicrophoneBox)->count(), 5);
    EXPECT_EQ(Text(names::panel::kSignal), "23");
    EXPECT_EQ(Text(names::panel::kTotal), "Total:0/0");
    EXPECT_EQ(test::ShownColour(*window.findChild<Lamp*>(names::panel::kSignalBars[3])),
              colour::kGreen);

    // A level step is sent with the next answer; then dialing starts.
    Action(names::panel::kLevelMenu, "M-module Spk Vol Sub")->trigger();
    EXPECT_EQ(speaker->currentIndex(), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim().Dialer().Speaker() == 3; }, 5000));
    // Add stops at the model's top item (SpkVol:7), never past it.
    for (int press = 0; press < 8; ++press)
        Action(names::panel::kLevelMenu, "M-module Spk Vol Add")->trigger();
    EXPECT_EQ(speaker->currentIndex(), 8);
    EXPECT_EQ(speaker->currentText(), "SpkVol:7");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim().Dialer().Speaker() == 8; }, 5000));
    auto* mic = window.findChild<QComboBox*>(names::panel::kMicrophoneBox);
    for (int press = 0; press < 9; ++press)
        Action(names::panel::kLevelMenu, "M-module Mic Vol Sub")->trigger();
    EXPECT_EQ(mic->currentIndex(), 0); // "-OFF-", the bottom item
    Click(names::panel::kZelStartButton);
    EXPECT_TRUE(Enabled(names::panel::kZelStopButton));
    EXPECT_TRUE(Enabled(names::panel::kForwardButton));
    EXPECT_FALSE(
        Enabled(names::panel::kMonitorOffButton)); // MonitorOFF waits for the dialing to stop
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim().Dialer().Dialing(); }, 5000));
    Click(names::panel::kZelStopButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sim().Dialer().Dialing(); }, 5000));
    EXPECT_TRUE(Enabled(names::panel::kMonitorOffButton));

    Click(names::panel::kMonitorOffButton);
    ExpectEnded(true);
    // The level boxes keep their last values.
    EXPECT_EQ(speaker->currentText(), "SpkVol:7");
    EXPECT_EQ(mic->currentIndex(), 0);
}

// Add and Sub stay within what the device takes (speaker 9, microphone 15)
// on every model's box, and a step with nowhere to go sends nothing: the
// simulated device keeps a level it was given behind the tool's back.
TEST_F(MonitorPanelTest, LevelStepsStayWithinTheDevicesRange) {
    auto* speaker = window.findChild<QComboBox*>(names::panel::kSpeakerBox);
    auto* mic = window.findChild<QComboBox*>(names::panel::kMicrophoneBox);
    auto press = [&](const char* entry, int times) {
        for (int i = 0; i < times; ++i)
            Action(names::panel::kLevelMenu, entry)->trigger();
    };
    auto settle = [&] { ASSERT_TRUE(WaitFrames(Text(names::panel::kFrameCounter).toInt() + 3)); };
    sim().Dialer().SetModel("kemo0001");
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(2));
    ASSERT_EQ(speaker->count(), 17);
    press("M-module Spk Vol Add", 12);
    press("M-module Mic Vol Add", 12);
    EXPECT_EQ(speaker->currentIndex(), 9);
    EXPECT_EQ(mic->currentIndex(), 15);
    settle();
    EXPECT_EQ(sim().Dialer().Speaker(), 9);
    EXPECT_EQ(sim().Dialer().Microphone(), 15);

    // No item chosen (as "phone=" beyond the box leaves it): nothing moves.
    speaker->setCurrentIndex(-1);
    sim().Dialer().SetSpeaker(5);
    press("M-module Spk Vol Add", 1);
    press("M-module Spk Vol Sub", 1);
    EXPECT_EQ(speaker->currentIndex(), -1);
    settle();
    EXPECT_EQ(sim().Dialer().Speaker(), 5);

    // A short box: Add at its last item neither moves nor sends again.
    Click(names::panel::kMonitorOffButton);
    sim().Dialer().SetModel("kemo0005");
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(2));
    ASSERT_EQ(speaker->count(), 9);
    press("M-module Spk Vol Add", 4);
    EXPECT_EQ(speaker->currentIndex(), 8);
    settle();
    sim().Dialer().SetSpeaker(2);
    press("M-module Spk Vol Add", 1);
    EXPECT_EQ(speaker->currentIndex(), 8);
    settle();
    EXPECT_EQ(sim().Dialer().Speaker(), 2);
}

// The level boxes follow what the device reports, also after the monitor
// was switched off and on while the device's level changed; a level the
// box cannot show leaves it as it is.
TEST_F(MonitorPanelTest, ThePanelShowsTheLevelsTheDeviceReports) {
    auto* speaker = window.findChild<QComboBox*>(names::panel::kSpeakerBox);
    auto* mic = window.findChild<QComboBox*>(names::panel::kMicrophoneBox);
    sim().Dialer().SetModel("kemo0003"); // nine levels each; the model selects 6 and 4
    sim().Dialer().SetSpeaker(3);
    sim().Dialer().SetMicrophone(2);
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(2));
    EXPECT_EQ(speaker->currentIndex(), 3);
    EXPECT_EQ(mic->currentIndex(), 2);
    Click(names::panel::kMonitorOffButton);
    sim().Dialer().SetSpeaker(7);
    sim().Dialer().SetMicrophone(40); // not in the box
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(2));
    EXPECT_EQ(speaker->currentIndex(), 7);
    EXPECT_EQ(mic->currentIndex(), 4); // the model's, as the report cannot be shown
    EXPECT_TRUE(window.StatusText().contains("M-SPK:07;"));
}

// A call the device announces goes into its list file once, and the grid
// shows the very line stored, at its place, without reading the file again.
TEST_F(MonitorPanelTest, ACallAnnouncedLiveLandsInItsListAndGrid) {
    WriteLines(folder.File("CallOutList.txt"),
               {"Group[1],\tName[Old],\tNumber[1],\tType[0],\t"
                "Date[2026/1/1 1:1:1],\tDuration[0:0:1],\tRemark[x];"});
    window.LoadGrids();
    auto* grid = window.findChild<CallListGrid*>(names::grids::kCallOut);
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(1));
    Click(names::panel::kZelStartButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim().Dialer().Dialing(); }, 5000));
    Click(names::panel::kZelStopButton); // stopped while connecting: a failed call is announced
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->Model()->LineCount() == 2; }, 5000));
    const Lines stored = ReadLines(folder.File("CallOutList.txt"));
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(grid->Model()->Line(0), stored[0]);
    EXPECT_EQ(grid->Model()->Line(1), stored[1]);
    EXPECT_NE(stored[1].find("\tType[1],"), std::string::npos) << stored[1];
    EXPECT_TRUE(ReadLines(folder.File("CallInList.txt")).empty());
    // The device keeps the call it announced, though ZelStop ended it.
    EXPECT_EQ(sim().Records().size(), SimTransport::kSampleRecords + 1);
}

// The menu bar's monitor entries follow the buttons; SendSms answers in the
// status line, while the monitor runs and when it does not.
TEST_F(MonitorPanelTest, TheMenuBarFollowsTheMonitorAndSendSmsAnswers) {
    const auto entry = [&](const char* name) { return window.findChild<QAction*>(name); };
    const auto notice = [&] { return window.statusBar()->currentMessage(); };
    Action(names::panel::kMonitorMenu, "Send SMS")->trigger(); // the popup's, never disabled
    EXPECT_EQ(notice(), "SendSms: the monitor is off; press MonitorON first");

    entry("MonitorOnEntry")->trigger();
    ASSERT_TRUE(WaitFrames(1));
    EXPECT_FALSE(entry("MonitorOnEntry")->isEnabled());
    EXPECT_FALSE(entry("SettingEntry")->isEnabled()); // refused while monitoring, as its button
    EXPECT_TRUE(entry("SendSmsEntry")->isEnabled());
    entry("SendSmsEntry")->trigger();
    EXPECT_EQ(notice(), "SendSms: the device is asked to send the SMS (with the next answer)");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim().Dialer().State() == 16; }, 5000));
    entry("MonitorOffEntry")->trigger();
    ExpectEnded(true);
    EXPECT_TRUE(entry("SettingEntry")->isEnabled());
    EXPECT_FALSE(entry("SendSmsEntry")->isEnabled());
}

// The 1-ms clock runs only while the monitor does: not at rest, not after
// MonitorOFF, not after an unplug.
TEST_F(MonitorPanelTest, TheMainClockRunsOnlyWithTheMonitor) {
    auto* timer1 = setup.Session().findChild<QTimer*>(names::main::kMonitorClock);
    ASSERT_NE(timer1, nullptr);
    EXPECT_FALSE(timer1->isActive());
    Click(names::panel::kMonitorOnButton);
    EXPECT_TRUE(timer1->isActive());
    ASSERT_TRUE(WaitFrames(1));
    Click(names::panel::kMonitorOffButton);
    QTest::qWait(20);
    EXPECT_FALSE(timer1->isActive());
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(Text(names::panel::kFrameCounter).toInt() + 1));
    sim().Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer1->isActive(); }, 5000));
}

TEST_F(MonitorPanelTest, AnUnplugResetsTheWindow) {
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(1));
    sim().Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Enabled(names::panel::kMonitorOnButton); }, 5000));
    EXPECT_EQ(window.StatusText(), "USB No Connect (simulated device) - the device was "
                                   "disconnected while monitoring");
    sim().Plug(); // back: the line says so, and the panel is as after any end
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Link()->Connected(); }, 5000));
    ExpectEnded(true);
    EXPECT_TRUE(setup.Session().Monitor().Active());
}

bool WaitForLine(OperationWindow& window, const std::string& line) {
    return QTest::qWaitFor([&] { return test::Shows(window, names::operation::kMemo, line); },
                           20000);
}

TEST_F(MonitorPanelTest, ToolWindowsOpenedWhileMonitoringHaveTheLinkToThemselves) {
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(2));
    test::WithModal<ReadWindow>(
        [&] { Action(names::main::kWindowMenu, "ReadCDR")->trigger(); },
        [&](ReadWindow& read) {
            EXPECT_EQ(setup.Link().Holder(), "the read window");
            QTest::mouseClick(read.findChild<QPushButton*>(names::read::kReadButton),
                              Qt::LeftButton);
            EXPECT_TRUE(WaitForLine(read, "  Press [DisplayCDR] Button , display CDR ! "));
            EXPECT_TRUE(setup.Session().Monitor().Active()); // the read's own Stop leaves it alone
        });
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), 40u);
    EXPECT_EQ(setup.Link().Holder(), "");
    // Once the window is gone the monitor goes on answering status frames.
    const int before = Text(names::panel::kFrameCounter).toInt();
    EXPECT_TRUE(WaitFrames(before + 2));

    test::WithModal<DownloadWindow>(
        [&] { Action(names::main::kWindowMenu, "DownLoad")->trigger(); },
        [&](DownloadWindow& download) {
            QTest::mouseClick(
                download.findChild<QPushButton*>(names::download::kWriteSettingButton),
                Qt::LeftButton);
            EXPECT_TRUE(WaitForLine(download, "            Write Setting OK!\r"));
            // The download window's Stop ends the monitor as well.
            QTest::mouseClick(download.findChild<QPushButton*>(names::download::kStopButton),
                              Qt::LeftButton);
            EXPECT_TRUE(WaitForLine(download, "================Stop==================\r"));
            EXPECT_FALSE(setup.Session().Monitor().Active());
        });
    ExpectEnded(true);

    // The same after dialing was started and the download window's Exit
    // ended the monitor: Forward goes with it.
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(1));
    Click(names::panel::kZelStartButton);
    EXPECT_TRUE(Enabled(names::panel::kForwardButton));
    test::WithModal<DownloadWindow>(
        [&] { Action(names::main::kWindowMenu, "DownLoad")->trigger(); },
        [&](DownloadWindow& download) {
            QTest::mouseClick(download.findChild<QPushButton*>(names::download::kExitButton),
                              Qt::LeftButton);
        });
    EXPECT_FALSE(setup.Session().Monitor().Active());
    ExpectEnded(true);
}

TEST_F(MonitorPanelTest, CloseFromAPopupEndsTheMonitor) {
    Click(names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(1));
    Action(names::main::kCallOutMenu, "Close")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(setup.Session().Monitor().Active());
    setup.Link().ClearReceiveBuffer(); // and nothing received is stored from now on
    setup.Link().OnInputReport(AsBytes("velorn<okok!"));
    EXPECT_TRUE(setup.Link().Received().empty());
}

} // namespace
} // namespace mervadin
