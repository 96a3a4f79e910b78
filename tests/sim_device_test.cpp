#include "frames/frame_templates.h"
#include "frames/hid_report.h"
#include "numbers/write_number_operation.h"
#include "operation/handshake.h"
#include "records/read_cdr_operation.h"
#include "settings/write_settings_operation.h"
#include "sim/record_codec.h"
#include "sim/sim_device.h"
#include "support/direct_transport.h"
#include "support/temp_folder.h"
#include "voice/write_voice_operation.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class SimDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        device.Timing().statusIntervalMs = 0; // no status frames unless a test wants them
        link.Open();
    }

    std::string Buffer() const {
        const Bytes received = link.Received();
        return {reinterpret_cast<const char*>(received.data()), received.size()};
    }
    bool Holds(std::string_view word) const { return Buffer().find(word) != std::string::npos; }

    void Connect(const HandshakeProfile& profile) {
        Handshake handshake(profile, link, view);
        handshake.Start();
        for (int i = 0; i < 100 && handshake.Current() == Handshake::State::Waiting; ++i) {
            transport.Pass(1);
            handshake.OnBytes();
        }
        ASSERT_EQ(handshake.Current(), Handshake::State::Connected);
    }

    // Clears the buffer, sends, and lets the device work for `ms`.
    void Send(const OutgoingFrame& frame, std::uint64_t ms = 20) {
        link.ClearReceiveBuffer();
        link.SendFrame(frame);
        transport.Pass(ms);
    }

    DataBlock Pattern(std::uint8_t seed) {
        DataBlock block;
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<std::uint8_t>(seed + i * 3);
        return block;
    }

    sim::SimDevice device;
    test::DirectTransport transport{&device};
    DeviceLink link{transport};
    test::RecordingView view;
};

// What the device sends, and when, as a tool sees it that answers every
// status frame (first with "start!", so that calls are made and records
// announced) and writes the settings once.
using Timeline = std::vector<std::pair<std::uint64_t, std::string>>;

Timeline RunDevice(bool everyMillisecond, bool paced) {
    sim::SimDevice device;
    device.Timing().statusIntervalMs = 250;
    device.Timing().usbPacing = paced;
    Timeline sent;
    std::uint64_t now = 0;
    std::string pending;
    device.SetOutput([&](const sim::DataReport& report) {
        sent.emplace_back(now, std::string(report.begin(), report.end()));
        pending.append(report.begin(), report.end());
    });
    auto send = [&](OutgoingFrame frame, std::size_t length) {
        for (const Report& report : CutIntoReports(Bytes(frame.bytes.data(), length)))
            device.Receive(Bytes(report).subspan(1));
    };
    int answers = 0;
    std::optional<std::uint64_t> lastAtOnce;
    while (now < 40000) {
        device.Advance(now);
        if (pending.find(">end") != std::string::npos) {
            const bool accepted = pending.find("module") != std::string::npos;
            pending.clear();
            if (accepted) {
                const DataBlock block{};
                send(BuildDataBlockFrame(block), frames::kDataBlockSendLength);
            } else {
                const auto frame = ++answers == 1  ? BuildFrame(frames::kStartDialing)
                                   : answers == 30 ? BuildFrame(frames::kWriteSettingRequest)
                                                   : BuildFrame(frames::kStatusAck);
                send(frame, frame.length);
            }
        }
        if (everyMillisecond) {
            ++now;
            continue;
        }
        // Something due at once (queued within this pass) goes out on the
        // next pass; the same moment due at once again would make the clock
        // spin.
        const auto due = device.NextDueMs();
        const bool atOnce = due && *due <= now;
        if (atOnce && lastAtOnce == due)
            return {{now, "spin"}};
        lastAtOnce = atOnce ? due : std::nullopt;
        now = atOnce ? now + 1 : due.value_or(40000);
    }
    return sent;
}

// A clock that wakes only at the device's next due moment sees the same
// reports at the same milliseconds as one that ticks every millisecond.
TEST(SimDeviceClock, WakingWhenDueMissesNothing) {
    for (bool paced : {false, true}) {
        const Timeline ticked = RunDevice(true, paced);
        const Timeline woken = RunDevice(false, paced);
        std::string all;
        for (const auto& [at, report] : ticked)
            all += report;
        // Calls were made and announced, and the settings written.
        EXPECT_NE(all.find("cdr:Name:"), std::string::npos) << paced;
        EXPECT_NE(all.find("writespiok!"), std::string::npos) << paced;
        EXPECT_EQ(woken, ticked) << paced;
    }
    sim::SimDevice quiet;
    quiet.Timing().statusIntervalMs = 0;
    EXPECT_EQ(quiet.NextDueMs(), std::nullopt); // nothing to wait for: no clock at all
}

TEST_F(SimDeviceTest, PacedQueuesStayBoundedUnderAFlood) {
    sim::SimDevice flooded;
    flooded.Timing().usbPacing = true;
    flooded.Timing().statusIntervalMs = 0;
    flooded.Plug();
    std::size_t answers = 0; // reports the device sent
    flooded.SetOutput([&](const sim::DataReport&) { ++answers; });
    // Read requests, one report each and each answered with one, far faster
    // than one report a millisecond, and time hardly moving.
    const auto request = BuildFrame(frames::kReadCdrRequest);
    ASSERT_LE(request.length, 64u);
    std::array<std::uint8_t, 64> report{};
    std::copy_n(request.bytes.begin(), 64, report.begin());
    for (int i = 0; i < 100000; ++i) {
        flooded.Receive(report);
        if (i % 50 == 0)
            flooded.Advance(static_cast<std::uint64_t>(i / 50));
    }
    // What it still holds then goes out, a report a millisecond: no more
    // than its two queues hold, where the flood would be a hundred thousand
    // answers; and they were full.
    answers = 0;
    for (std::uint64_t now = 2000; now < 12000; ++now)
        flooded.Advance(now);
    EXPECT_LE(answers, 2 * sim::SimDevice::kMaxPacedReports);
    EXPECT_GT(answers, sim::SimDevice::kMaxPacedReports / 2);
}

TEST_F(SimDeviceTest, SettingsWriteStoresTheBlockAndReportsFaults) {
    Connect(WriteSettingsHandshake());
    device.Faults().dataErrors = 1;
    device.Faults().timeouts = 1;
    const auto block = Pattern(1);
    Send(BuildDataBlockFrame(block));
    EXPECT_TRUE(Holds("data_err!"));
    Send(BuildDataBlockFrame(block));
    EXPECT_TRUE(Holds("timeout!"));
    auto damaged = BuildDataBlockFrame(block);
    damaged.bytes[100] ^= 0xFF;
    Send(damaged);
    EXPECT_TRUE(Holds("data_err!"));
    EXPECT_FALSE(device.Settings().has_value());

    Send(BuildDataBlockFrame(block));
    EXPECT_TRUE(VerifyChecksum(link.Received()));
    EXPECT_TRUE(ShortSearch(link.Received(), "writespiok!").has_value());
    ASSERT_TRUE(device.Settings().has_value());
    EXPECT_EQ(*device.Settings(), block);
    EXPECT_EQ(device.SettingsWrites(), 1u);
}

TEST_F(SimDeviceTest, NumberWriteErasesThenStoresEachBlock) {
    Connect(WriteNumberHandshake());
    link.ClearReceiveBuffer();
    std::vector<std::string> erase;
    for (int ms = 0; ms < 200 && (erase.empty() || erase.back() != "earsespiok!"); ++ms) {
        transport.Pass(1);
        for (auto word : {"earsespiok!", "earsespi!", "earse:"}) {
            if (Holds(word)) {
                erase.push_back(word);
                link.ClearReceiveBuffer();
                break;
            }
        }
    }
    EXPECT_EQ(erase,
              (std::vector<std::string>{"earsespi!", "earse:", "earse:", "earse:", "earsespiok!"}));

    record::Record alice{};
    alice.fill(0xFF);
    const std::uint8_t packed[] = {'A', 'l', 'i', 'c', 'e', 0};
    std::copy(std::begin(packed), std::end(packed), alice.begin());
    const std::uint8_t tail[] = {0x00, 0x00, 0xC8, 0x64, 0x2F, 0xFF};
    std::copy(std::begin(tail), std::end(tail), alice.begin() + 16);
    DataBlock first;
    first.fill(0xFF);
    std::copy(alice.begin(), alice.end(), first.begin());

    link.ClearReceiveBuffer();
    link.SendFrame(BuildDataBlockFrame(first));
    transport.Pass(1);
    EXPECT_TRUE(Holds("writingspi!"));
    transport.Pass(10);
    EXPECT_TRUE(Holds("writespiok!"));
    Send(BuildDataBlockFrame(Pattern(9)));
    EXPECT_TRUE(Holds("writespiok!"));
    ASSERT_EQ(device.NumberBlocks().size(), 2u);
    EXPECT_EQ(device.NumberBlocks()[0], first);

    Send(BuildStopFrame(FrameLength::Padded));
    EXPECT_EQ(device.Dialer().State(), 1);
    const auto entry = sim::DecodeNumberRecord(std::span<const std::uint8_t, 32>(alice));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->name, "Alice");
    EXPECT_EQ(entry->group, 12u);
    EXPECT_EQ(entry->number, "8642");
}

TEST_F(SimDeviceTest, ReadSendsBlocksOnAcknowledgementAndRepeatsOnRejection) {
    sim::CallRecord record;
    record.name = "Bob";
    record.group = 7;
    record.number = "5550196";
    record.type = 2;
    device.AddRecord(record);
    Connect(ReadCdrHandshake());
    link.ClearReceiveBuffer();
    transport.Pass(60);
    ASSERT_TRUE(Holds(">end"));
    EXPECT_TRUE(VerifyChecksum(link.Received()));
    const auto first = Buffer();
    EXPECT_EQ(first.substr(7, 3), "Bob");
    EXPECT_EQ(static_cast<std::uint8_t>(first[7 + 32]), 0xFF); // the second slot is erased

    Send(BuildFrame(frames::kCdrResend), 5);
    EXPECT_EQ(Buffer().substr(0, 539), first.substr(0, 539));
    // The request repeated before block 0 was taken (a tool that missed the
    // answer) starts the read afresh: the answer, then block 0 once.
    Send(BuildFrame(frames::kReadCdrRequest), 60);
    EXPECT_TRUE(Holds("module"));
    const std::string again = Buffer();
    ASSERT_NE(again.find("Bob"), std::string::npos);
    EXPECT_EQ(again.find("Bob", again.find("Bob") + 1), std::string::npos);
    Send(BuildFrame(frames::kCdrAck), 5);
    EXPECT_EQ(static_cast<std::uint8_t>(Buffer()[7]), 0xFF); // block 1: erased flash
    Send(BuildStopFrame(FrameLength::Short), 5);
    Send(BuildFrame(frames::kCdrAck), 5);
    EXPECT_FALSE(Holds(">end")); // the session is over
}

TEST_F(SimDeviceTest, StatusFramesCarryTheStateAndAnswersDriveTheDevice) {
    device.Timing().statusIntervalMs = 100;
    device.Dialer().SetModel("kemo0005");
    transport.Pass(101);
    ASSERT_TRUE(Holds(">end"));
    EXPECT_TRUE(VerifyChecksum(link.Received()));
    for (auto tag : {"kemo0005", "masterstation:01;", "mastercsq:", "number:", "cdr:;", "dtmf:",
                     "counter:000000;", "talkingtime:0;", "masterspk:06;", "mastermic:08;"})
        EXPECT_TRUE(Holds(tag)) << tag;

    const std::string first = Buffer();
    Send(BuildFrame(frames::kStatusResend), 2); // a damaged frame is sent again
    EXPECT_EQ(Buffer(), first);

    Send(BuildLevelFrame(LevelKind::Speaker, 3), 2);
    EXPECT_EQ(device.Dialer().Speaker(), 3);
    Send(BuildFrame(frames::kStartDialing), 101);
    EXPECT_TRUE(device.Dialer().Dialing());
    EXPECT_TRUE(Holds("masterstation:06;")) << Buffer();
    EXPECT_TRUE(Holds("counter:000001;"));

    // Answer every frame until the first call ends and is announced.
    std::string announced;
    for (int i = 0; i < 200 && announced.empty(); ++i) {
        Send(BuildFrame(frames::kStatusAck), 100);
        if (Holds("cdr:Name:"))
            announced = Buffer();
    }
    ASSERT_FALSE(announced.empty());
    EXPECT_NE(announced.find("Type:0;"), std::string::npos);
    EXPECT_EQ(device.Records().size(), 1u);
    Send(BuildFrame(frames::kStopDialing), 1);
    EXPECT_FALSE(device.Dialer().Dialing());
}

TEST_F(SimDeviceTest, FaultsSilenceDamageGarbageAndUnplug) {
    device.Faults().silentRequests = 1;
    Send(BuildFrame(frames::kWriteSettingRequest));
    EXPECT_FALSE(Holds(">end"));
    device.Faults().damagedAnswers = 1;
    device.Faults().garbageReports = 1;
    Send(BuildFrame(frames::kWriteSettingRequest));
    EXPECT_TRUE(Holds("module"));
    EXPECT_EQ(Buffer().substr(0, 9), "@#noise#@");
    EXPECT_FALSE(VerifyChecksum(link.Received()));

    device.Faults().unplugAfterBlocks = 1;
    Send(BuildFrame(frames::kReadCdrRequest), 60); // block 0 goes out
    EXPECT_TRUE(link.Connected());
    Send(BuildFrame(frames::kCdrAck), 5); // block 1 would be the second
    EXPECT_FALSE(link.Connected());
    EXPECT_FALSE(device.Plugged());
    device.Plug();
    transport.Deliver();
    EXPECT_TRUE(link.Connected());
}

TEST_F(SimDeviceTest, ContentSurvivesSaveAndLoad) {
    test::TempFolder folder;
    Connect(WriteVoiceHandshake());
    transport.Pass(200);
    Send(BuildDataBlockFrame(Pattern(3)));
    Send(BuildDataBlockFrame(Pattern(4)));
    device.AddSampleRecords(20);
    device.Save(folder / "state.txt");

    sim::SimDevice copy;
    copy.Load(folder / "state.txt");
    EXPECT_EQ(copy.Voice(), device.Voice());
    EXPECT_EQ(copy.Voice().size(), 1024u);
    EXPECT_EQ(copy.Records(), device.Records());
    EXPECT_EQ(copy.Dialer().Model(), "kemo0001");

    test::Spit(folder / "bad.txt", "something else\n");
    EXPECT_THROW(copy.Load(folder / "bad.txt"), FileError);
}

} // namespace
} // namespace mervadin
