#include "operation/operation_runner.h"
#include "operation/operation_texts.h"
#include "records/read_cdr_operation.h"
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
    EXPECT_EQ(view.memo.back(), "Connect Error!  ");
    EXPECT_EQ(ReadLines(folder.File("CallOutList.txt")), Lines{"keep"});
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
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), 20u);
}

TEST_F(ReadCdrTest, ADeviceThatAlwaysHasMoreEndsAfter4096Blocks) {
    device.AddSampleRecords(4096 * 16 + 5);
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("Save OK!!!"), 4096);
    EXPECT_EQ(ReadLines(folder.File("ReadFile.txt")).size(), kDumpSlots);
}

} // namespace
} // namespace mervadin
