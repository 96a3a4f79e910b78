// The device session on the simulated device: the live monitor it runs,
// the call records it stores and announces, and the clocks that pace it.

#include "app/main_window.h"
#include "files/file_read.h"
#include "link/device_clocks.h"
#include "monitor/monitor_names.h"
#include "records/call_grid_model.h"
#include "records/call_list_grid.h"
#include "records/record_names.h"
#include "session/device_session.h"
#include "sim/sim_device.h"
#include "support/recording_prompts.h"
#include "support/simulated_setup.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace mervadin {
namespace {

// A view of the monitor, as the panel and the command line are: it notes
// the frames it is told of and, for a frame that carries a call record, how
// many lines the call-out list held by then.
class ListWatcher : public MonitorView {
public:
    explicit ListWatcher(std::filesystem::path list) : list_(std::move(list)) {}
    void ShowStatus(const StatusReport& report, std::uint32_t count) override {
        frames = count;
        if (report.record)
            linesWhenTold.push_back(
                std::filesystem::is_regular_file(list_) ? ReadLines(list_).size() : 0);
    }
    void ShowModel(const DeviceModel&) override {}
    void DeviceLost() override { lost = true; }
    void StoppedByRequest() override { stopped = true; }

    std::uint32_t frames = 0;
    std::vector<std::size_t> linesWhenTold;
    bool lost = false, stopped = false;

private:
    std::filesystem::path list_;
};

class DeviceSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(folder.Prepare(), std::nullopt);
        device().Timing().statusIntervalMs = 20;
        session().AddView(watcher);
    }
    DeviceSession& session() { return simulated.Session(); }
    sim::SimDevice& device() { return *simulated.Simulator(); }
    bool WaitFrames(std::uint32_t count) {
        return QTest::qWaitFor([&] { return watcher.frames >= count; }, 5000);
    }
    // Dials and stops while connecting: the device announces a failed call.
    void AnnounceAFailedCall() {
        session().Monitor().RequestStart();
        ASSERT_TRUE(QTest::qWaitFor([&] { return device().Dialer().Dialing(); }, 5000));
        session().Monitor().RequestStopDialing();
    }

    test::TempFolder temp;
    WorkFolder folder{temp.path()};
    test::SimulatedSession simulated{folder};
    ListWatcher watcher{folder.File("CallOutList.txt")};
};

TEST_F(DeviceSessionTest, ALiveRecordIsStoredOnceAndItsListAnnounced) {
    QSignalSpy changed(&session(), &DeviceSession::ListChanged);
    session().Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session().DeviceConnected(); }, 5000));
    ASSERT_TRUE(session().StartMonitor());
    ASSERT_TRUE(WaitFrames(1));
    AnnounceAFailedCall();
    ASSERT_TRUE(changed.wait(5000));
    // More frames come, the record is not stored again.
    ASSERT_TRUE(WaitFrames(watcher.frames + 3));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].value<RecordFiles::List>(), RecordFiles::List::CallOut);
    EXPECT_EQ(changed[0][1].value<qsizetype>(), 0);
    const Lines out = ReadLines(folder.File("CallOutList.txt"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NE(out[0].find("\tType[1],"), std::string::npos) << out[0];
    EXPECT_TRUE(ReadLines(folder.File("CallInList.txt")).empty());
    // The views hear of the frame once the record is in its list.
    EXPECT_EQ(watcher.linesWhenTold, std::vector<std::size_t>{1});
    // A view removed hears nothing more; another goes on hearing.
    ListWatcher other{folder.File("CallOutList.txt")};
    session().AddView(other);
    session().RemoveView(watcher);
    const std::uint32_t heard = watcher.frames;
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.frames >= heard + 2; }, 5000));
    EXPECT_EQ(watcher.frames, heard);
    session().RemoveView(other);
}

TEST_F(DeviceSessionTest, ARecordThatCannotBeStoredIsSaidNamingItsList) {
    QSignalSpy changed(&session(), &DeviceSession::ListChanged);
    QSignalSpy failed(&session(), &DeviceSession::StoreFailed);
    session().Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session().DeviceConnected(); }, 5000));
    ASSERT_TRUE(session().StartMonitor());
    ASSERT_TRUE(WaitFrames(1));
    std::filesystem::remove(folder.File("CallOutList.txt"));
    std::filesystem::create_directory(folder.File("CallOutList.txt"));
    AnnounceAFailedCall();
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed[0][0].toString().contains("CallOutList.txt"))
        << failed[0][0].toString().toStdString();
    EXPECT_EQ(changed.count(), 0);
    // The monitor goes on answering.
    EXPECT_TRUE(WaitFrames(watcher.frames + 2));
}

// The main window shows what the session could not store, and its grid
// stays as the list was.
TEST_F(DeviceSessionTest, TheWindowSaysWhatTheSessionCouldNotStore) {
    test::RecordingPrompts prompts;
    MainWindow window(folder, prompts);
    window.AttachSession(session(), simulated.Simulator());
    session().Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session().DeviceConnected(); }, 5000));
    test::Click(window, names::panel::kMonitorOnButton);
    ASSERT_TRUE(WaitFrames(1));
    std::filesystem::remove(folder.File("CallOutList.txt"));
    std::filesystem::create_directory(folder.File("CallOutList.txt"));
    const std::size_t before = prompts.shown.size();
    AnnounceAFailedCall();
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.shown.size() > before; }, 5000));
    EXPECT_EQ(prompts.shown.back().caption, "Error");
    EXPECT_NE(prompts.shown.back().text.find("CallOutList.txt"), std::string::npos)
        << prompts.shown.back().text;
    EXPECT_EQ(window.findChild<CallListGrid*>(names::grids::kCallOut)->Model()->LineCount(), 0u);
    // Said once; the monitor goes on.
    ASSERT_TRUE(WaitFrames(watcher.frames + 2));
    EXPECT_EQ(prompts.shown.size(), before + 1);

    // A list that stays unwritable is not said again at the next call; once
    // a record is stored again, a new failure is said again.
    QSignalSpy failed(&session(), &DeviceSession::StoreFailed);
    AnnounceAFailedCall();
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_EQ(prompts.shown.size(), before + 1);
    std::filesystem::remove(folder.File("CallOutList.txt"));
    std::ofstream(folder.File("CallOutList.txt")).close(); // writable again, empty
    QSignalSpy stored(&session(), &DeviceSession::ListChanged);
    AnnounceAFailedCall();
    ASSERT_TRUE(stored.wait(5000));
    EXPECT_EQ(window.findChild<CallListGrid*>(names::grids::kCallOut)->Model()->LineCount(), 1u);
    std::filesystem::remove(folder.File("CallOutList.txt"));
    std::filesystem::create_directory(folder.File("CallOutList.txt"));
    AnnounceAFailedCall();
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.shown.size() > before + 1; }, 5000));
    EXPECT_EQ(prompts.shown.size(), before + 2);
}

// The monitor's clocks run only while it does: not before a device is
// there, not after MonitorOFF, not after an unplug; its views are told why
// it ended.
TEST_F(DeviceSessionTest, TheMonitorsClocksRunOnlyWithTheMonitor) {
    device().Unplug();
    session().Open();
    EXPECT_FALSE(session().StartMonitor());
    EXPECT_FALSE(session().Monitor().Active());
    EXPECT_FALSE(session().Clocks().Running());

    device().Plug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session().DeviceConnected(); }, 5000));
    ASSERT_TRUE(session().StartMonitor());
    EXPECT_TRUE(session().Clocks().Running());
    ASSERT_TRUE(WaitFrames(1));
    session().StopMonitor();
    EXPECT_TRUE(watcher.stopped);
    EXPECT_FALSE(session().Monitor().Active());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session().Clocks().Running(); }, 5000));

    ASSERT_TRUE(session().StartMonitor());
    ASSERT_TRUE(WaitFrames(watcher.frames + 1));
    device().Unplug();
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.lost; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session().Clocks().Running(); }, 5000));
}

// One pair of clocks for every piece of device work: both start and stop
// together, and both tick while they run.
TEST(DeviceClocks, StartAndStopTogetherAndTickWhileRunning) {
    DeviceClocks clocks;
    clocks.Name("Tick", "Fast");
    QSignalSpy ticks(&clocks, &DeviceClocks::Ticked);
    QSignalSpy fast(&clocks, &DeviceClocks::FastTicked);
    EXPECT_FALSE(clocks.Running());
    EXPECT_FALSE(clocks.findChild<QTimer*>("Fast")->isActive());
    clocks.Start();
    EXPECT_TRUE(clocks.Running());
    EXPECT_TRUE(clocks.findChild<QTimer*>("Fast")->isActive());
    EXPECT_TRUE(ticks.wait(5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fast.count() > 0; }, 5000));
    clocks.Stop();
    EXPECT_FALSE(clocks.Running());
    EXPECT_FALSE(clocks.findChild<QTimer*>("Fast")->isActive());
}

} // namespace
} // namespace mervadin
