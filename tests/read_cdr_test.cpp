#include "monitor/live_monitor.h"
#include "operation/operation_runner.h"
#include "operation/operation_texts.h"
#include "records/call_record.h"
#include "records/read_cdr_operation.h"
#include "records/record_lines.h"
#include "support/simulated_exchange.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace mervadin {
namespace {

constexpr std::string_view kEnd = ">end";

class ReadCdrTest : public ::testing::Test, public test::SimulatedExchange {
protected:
    void SetUp() override { ASSERT_EQ(folder.Prepare(), std::nullopt); }

    OperationStatus Run(unsigned maxTicks = 100000) {
        return RunTicks(
            std::make_unique<ReadCdrOperation>(link, view, RecordFiles(folder, Utf8Encoding())),
            maxTicks);
    }

    test::TempFolder temp;
    WorkFolder folder{temp.path()};
};

TEST_F(ReadCdrTest, AnEmptyDeviceStillGivesSevenBlocksThenStops) {
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("Save OK!!!"), 7);
    EXPECT_EQ(view.memo.front(), "Connecting......\r");
    EXPECT_EQ(view.memo[1], "Connected!  \r");
    const std::vector<std::string> tail(view.memo.end() - 5, view.memo.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Read OK!\r\n\n", std::string(42, '='),
                                              "Read CDR OK! \r\n\n ", "Save file OK! \r",
                                              "  Press [DisplayCDR] Button , display CDR ! "}));
    EXPECT_EQ(view.progressLabel, "100%");
    const auto frames = transport.Frames();
    ASSERT_GE(frames.size(), 3u);
    for (std::size_t i = frames.size() - 3; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], BuildStopFrame(FrameLength::Short).Text());
    EXPECT_TRUE(ReadLines(folder.File("ReadFile.txt")).empty());
}

TEST_F(ReadCdrTest, RecordsLandInTheFilesAndADamagedBlockIsAskedAgain) {
    device.AddSampleRecords(200); // 12.5 blocks
    device.Faults().damagedAnswers = 0;
    runner.Run(std::make_unique<ReadCdrOperation>(link, view, RecordFiles(folder, Utf8Encoding())));
    while (Count("Save OK!!!") < 3) {
        transport.Pass(10);
        runner.OnTick();
    }
    device.Faults().damagedAnswers = 2; // the next block, and its first repeat
    for (int tick = 0; tick < 5000 && runner.Busy(); ++tick) {
        transport.Pass(10);
        runner.OnTick();
    }
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("   Receive                          error   !"), 2);
    EXPECT_EQ(Count("Save OK!!!"), 14); // 13 blocks with records and the erased one
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), 200u);
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")).size(), 100u);
    EXPECT_EQ(ReadLines(folder.File("CallInList.txt")).size(), 100u);
}

TEST_F(ReadCdrTest, BlocksWhoseDataReadsLikeProtocolWordsAreReadThrough) {
    device.AddSampleRecords(3);
    device.AddLookalikeRecords();
    const auto& stored = device.Records();
    const auto dated = stored.back(); // a plain name: its date bytes read ">en"
    EXPECT_EQ(std::string(dated.begin() + 26, dated.begin() + 29), ">en");
    const auto named = stored[3];
    EXPECT_NE(std::search(named.begin(), named.end(), kEnd.begin(), kEnd.end()), named.end());

    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("   Receive                          error   !"), 0);
    const auto lines = ReadLines(folder.File("ReadFile.txt"));
    ASSERT_EQ(lines.size(), 8u);
    for (const char* name : {">end", "x>end>end", "checksum:>end", "velorn<>end", "Dora"})
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& l) {
                                    return l.find(std::string("Name[") + name + "]") !=
                                           std::string::npos;
                                }),
                  1)
            << name;
    EXPECT_NE(lines.back().find("Date[2026/9/30 14:25:32"), std::string::npos) << lines.back();
}

TEST_F(ReadCdrTest, SilenceDuringTheBlocksEndsAfter500TicksWithFilesUntouched) {
    WriteLines(folder.File("CallOutList.txt"), {"keep"});
    device.AddSampleRecords(16 * 20);
    runner.Run(std::make_unique<ReadCdrOperation>(link, view, RecordFiles(folder, Utf8Encoding())));
    while (Count("Save OK!!!") < 2) {
        transport.Pass(1); // one block a millisecond
        runner.OnTick();
    }
    device.Unplug(); // silent from now on; the link is not told

    unsigned ticks = 0;
    while (runner.Busy() && ticks < 1000) {
        runner.OnTick();
        ++ticks;
    }
    EXPECT_EQ(ticks + 1, 501u); // the loop above ran the first tick after the block
    EXPECT_EQ(view.memo.end()[-2], "Connect Error!  ");
    EXPECT_EQ(view.memo.back(), "The 2 blocks received were discarded: nothing was stored.");
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")), Lines{"keep"});
}

// An unplug in the middle of the blocks: the blocks received are dropped and
// the memo says so after their "Save OK!!!"; a box says that nothing was
// stored and the read must be repeated; the bar stays where it stopped and
// the lists are as they were.
TEST_F(ReadCdrTest, AnUnplugMidwayStoresNothingAndSaysSo) {
    WriteLines(folder.File("CallOutList.txt"), {"keep"});
    device.AddSampleRecords(16 * 60);
    device.Faults().unplugAfterBlocks = 50;
    int highest = 0;
    view.onProgress = [&highest](int percent) { highest = std::max(highest, percent); };
    EXPECT_EQ(Run(), OperationStatus::Failed);
    EXPECT_EQ(Count("Save OK!!!"), 50);
    const std::vector<std::string> tail(view.memo.end() - 2, view.memo.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "The 50 blocks received were discarded: nothing was stored.",
                        texts::operation::kDeviceLost}));
    EXPECT_GT(highest, 0);
    EXPECT_EQ(view.progress, highest);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].first, "Device disconnected");
    EXPECT_NE(view.boxes[0].second.find("nothing read was stored"), std::string::npos);
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")), Lines{"keep"});
    EXPECT_TRUE(ReadLines(folder.File("ReadFile.txt")).empty());
}

TEST_F(ReadCdrTest, OnceTheFilesAreWrittenNeitherUnplugNorStopUndoesTheRead) {
    const std::vector<std::string> saved = {"Save file OK! \r",
                                            "  Press [DisplayCDR] Button , display CDR ! "};
    auto runUntilSaved = [&] {
        view.memo.clear();
        runner.Run(
            std::make_unique<ReadCdrOperation>(link, view, RecordFiles(folder, Utf8Encoding())));
        while (Count("Read CDR OK! \r\n\n ") == 0) {
            transport.Pass(10);
            runner.OnTick();
        }
    };
    device.AddSampleRecords(20);

    // Stop during the closing frames: the read has succeeded.
    runUntilSaved();
    for (int tick = 0; tick < 15; ++tick) // past the settle, into the stop frames
        runner.OnTick();
    runner.StopWith(BuildStopFrame(FrameLength::Short), [](bool) {});
    while (runner.Busy())
        runner.OnTick();
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Succeeded);
    EXPECT_EQ(std::vector(view.memo.end() - 2, view.memo.end()), saved);

    // Unplugged while settling: success, and a note that the device went away.
    std::filesystem::remove(folder.File("ReadFile.txt"));
    runUntilSaved();
    device.Unplug();
    transport.Pass(1);
    EXPECT_FALSE(runner.Busy());
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Succeeded);
    EXPECT_EQ(std::vector(view.memo.end() - 3, view.memo.end() - 1), saved);
    EXPECT_EQ(view.memo.back(), texts::operation::kDeviceLostAfterWork);
    EXPECT_TRUE(view.boxes.empty()); // the read was stored: nothing to repeat
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), 20u);
}

TEST_F(ReadCdrTest, ADeviceThatAlwaysHasMoreEndsAfter4096Blocks) {
    device.AddSampleRecords(4096 * 16 + 5);
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("Save OK!!!"), 4096);
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), kDumpSlots);
}

// Stores what the device announces while monitoring, as the main window
// does.
class StoringMonitor : public MonitorView {
public:
    explicit StoringMonitor(const RecordFiles& files) : files_(files) {}
    void ShowStatus(const StatusReport& report, std::uint32_t) override {
        if (report.record)
            files_.StoreLiveRecord(report.record->line, report.record->type);
    }
    void ShowModel(const DeviceModel&) override {}
    void DeviceLost() override {}

private:
    const RecordFiles& files_;
};

// Rounds of dialing as an operator runs them from the command line, some
// ended by ZelStop in the middle of a call: every call the device announced
// comes back from the next read, and a remark typed on a later call of a
// number stays on that call, not on the number's first.
TEST_F(ReadCdrTest, CallsStoredLiveAndTheirRemarksComeBackFromARead) {
    const RecordFiles files(folder, Utf8Encoding());
    device.Timing().statusIntervalMs = 300;
    device.Dialer().SetNumbers({{1, "Alice", "13800000001"}, {2, "Carol", "5550196"}});
    StoringMonitor stored(files);
    LiveMonitor monitor(link, stored);
    monitor.Start();
    for (const std::uint64_t ms : {1500, 3000, 6000, 14000, 4000}) {
        monitor.RequestStart();
        transport.Pass(ms);
        monitor.RequestStopDialing();
        transport.Pass(1000);
    }
    monitor.Stop();
    device.Timing().statusIntervalMs = 0;
    transport.Pass(1000);

    const Lines live = ReadLines(folder.File("CallOutList.txt"));
    ASSERT_EQ(live.size(), device.Records().size());
    ASSERT_GE(live.size(), 8u);
    const auto carol = [](const std::string& line) {
        return FieldValue(line, "Number[") == "5550196";
    };
    ASSERT_GE(std::count_if(live.begin(), live.end(), carol), 3);
    // The last call to Carol that the other calls to her do not look like.
    std::optional<std::size_t> noted;
    for (std::size_t i = 0; i < live.size(); ++i)
        if (carol(live[i]) &&
            std::none_of(live.begin(), live.begin() + static_cast<long>(i),
                         [&](const std::string& earlier) { return SameCall(earlier, live[i]); }))
            noted = i;
    ASSERT_TRUE(noted && *noted > 0);
    std::string remarked;
    ASSERT_TRUE(files.CommitRemark(RecordFiles::List::CallOut, *noted, "call back", &remarked));

    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    const Lines read = ReadLines(folder.File("CallOutList.txt"));
    ASSERT_EQ(read.size(), live.size());
    for (std::size_t i = 0; i < live.size(); ++i) {
        EXPECT_TRUE(SameCall(read[i], live[i])) << read[i] << "\n" << live[i];
        EXPECT_EQ(read[i] == remarked, i == *noted) << read[i];
    }
}

} // namespace
} // namespace mervadin
