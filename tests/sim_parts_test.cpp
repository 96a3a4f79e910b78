#include "files/file_batch.h"
#include "files/file_error.h"
#include "sim/sim_frames.h"
#include "sim/sim_report_line.h"
#include "sim/sim_store.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mervadin {
namespace {

using sim::DataReport;
using sim::SimReportLine;

DataReport ReportOf(std::uint8_t first) {
    DataReport report{};
    report[0] = first;
    return report;
}

TEST(SimReportLine, PacedReportsTakeAMillisecondEachAndAFullEndpointDropsTheRest) {
    sim::SimTiming timing;
    sim::SimFaults faults;
    SimReportLine line(timing, faults);
    ASSERT_TRUE(line.Take(ReportOf(1), 0)); // unpaced: handled at once

    timing.usbPacing = true;
    for (std::size_t i = 0; i < SimReportLine::kMaxPacedReports + 5; ++i)
        EXPECT_FALSE(line.Take(ReportOf(static_cast<std::uint8_t>(i)), 10));
    EXPECT_EQ(line.NextDueMs(), 11u);
    EXPECT_FALSE(line.NextArrived(10)); // not before its millisecond is over
    std::vector<std::uint8_t> arrived;
    while (const auto report = line.NextArrived(5000))
        arrived.push_back((*report)[0]);
    ASSERT_EQ(arrived.size(), SimReportLine::kMaxPacedReports);
    EXPECT_EQ(arrived[0], 0);
    EXPECT_EQ(arrived[1], 1); // in the order they came
    EXPECT_FALSE(line.NextDueMs());
}

TEST(SimReportLine, FramesGoOutInTheirOrderAsReportsSpoiledOnlyOnRequest) {
    sim::SimTiming timing;
    sim::SimFaults faults;
    SimReportLine line(timing, faults);
    std::vector<DataReport> out;
    line.SetOutput([&](const DataReport& report) { out.push_back(report); });

    line.Schedule(30, {3});
    line.Schedule(10, {1});
    line.Schedule(30, {4}); // after the one due at the same time
    line.Schedule(20, {});  // a mark
    EXPECT_EQ(line.NextDueMs(), 10u);
    EXPECT_FALSE(line.NextDue(9));
    std::vector<std::vector<std::uint8_t>> due;
    while (auto frame = line.NextDue(30))
        due.push_back(*frame);
    EXPECT_EQ(due, (std::vector<std::vector<std::uint8_t>>{{1}, {}, {3}, {4}}));
    EXPECT_TRUE(line.NothingScheduled());

    // A frame longer than a report goes as several, the last padded.
    const auto frame = sim::FrameAround(std::string(100, 'x'));
    line.Send(frame, 0);
    ASSERT_EQ(out.size(), (frame.size() + 63) / 64);
    EXPECT_EQ(std::vector<std::uint8_t>(out[0].begin(), out[0].end()),
              std::vector<std::uint8_t>(frame.begin(), frame.begin() + 64));
    EXPECT_EQ(out.back()[frame.size() % 64], 0);

    // One damaged answer after a report of garbage; the next is whole again.
    faults.damagedAnswers = 1;
    faults.garbageReports = 1;
    out.clear();
    line.Send(frame, 0);
    ASSERT_EQ(out.size(), (frame.size() + 63) / 64 + 1);
    EXPECT_EQ(out[0][0], '@');
    std::vector<std::uint8_t> sent;
    for (std::size_t i = 1; i < out.size(); ++i)
        sent.insert(sent.end(), out[i].begin(), out[i].end());
    sent.resize(frame.size());
    EXPECT_NE(sent, frame);
    out.clear();
    line.Send(frame, 0);
    EXPECT_EQ(out.size(), (frame.size() + 63) / 64);
    EXPECT_EQ(out[0][0], frame[0]);
}

TEST(SimStore, RecordBlocksAndTheStateFileKeepWhatWasStored) {
    sim::SimStore store;
    store.AddSampleRecords(17);
    const DataBlock first = store.RecordBlock(0);
    const DataBlock second = store.RecordBlock(1);
    EXPECT_TRUE(std::equal(store.Records()[16].begin(), store.Records()[16].end(), second.begin()));
    EXPECT_TRUE(std::all_of(second.begin() + 32, second.end(), [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::equal(store.Records()[15].begin(), store.Records()[15].end(),
                           first.begin() + 15 * 32));

    DataBlock block;
    block.fill(0x5A);
    store.StoreSettings(block);
    store.StoreBlock(sim::SimStore::Area::Voice, block);
    store.StoreBlock(sim::SimStore::Area::Voice, block);
    EXPECT_EQ(store.Voice().size(), 1024u);
    EXPECT_EQ(store.SettingsWrites(), 1u);

    test::TempFolder temp;
    const auto file = temp.path() / "device.state";
    store.Save(file, "kemo0003");
    sim::SimStore loaded;
    EXPECT_EQ(loaded.Load(file), "kemo0003");
    EXPECT_EQ(loaded.Settings(), store.Settings());
    EXPECT_EQ(loaded.Voice(), store.Voice());
    EXPECT_EQ(loaded.Records(), store.Records());

    // A broken state file is refused and what was held stays.
    WriteFileAtomically(file, "mervadin-sim-state 1\nmodel kemo0001\nsettings 1\nZZ\n");
    EXPECT_THROW(loaded.Load(file), FileError);
    EXPECT_EQ(loaded.Records(), store.Records());
    store.EraseArea(sim::SimStore::Area::Voice);
    EXPECT_TRUE(store.Voice().empty());
}

} // namespace
} // namespace mervadin
