#include "frames/frame_templates.h"
#include "monitor/level_step.h"
#include "monitor/live_monitor.h"
#include "monitor/status_decoder.h"
#include "support/direct_transport.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

OutgoingFrame Status(const std::string& payload) {
    return BuildFrame("velorn<" + payload + "checksum:000000;>end");
}

StatusReport Decode(const std::string& payload) {
    return DecodeStatus(Status(payload).bytes);
}

TEST(StatusDecoder, FieldsAndTheStatusLine) {
    const auto report = Decode("kemo0001;masterstation:01;mastercsq:23;number:13800000001;cdr:;"
                               "dtmf:1a2*3f;counter:000012;talkingtime:007;masterspk:06;"
                               "mastermic:08;");
    EXPECT_EQ(report.statusLine, "M-Station:Idel; M-number:13800000001; key:123; No.:12;"
                                 "Talking:7; M-SPK:06; M-MIC:08; ");
    EXPECT_EQ(report.signal, 23);
    EXPECT_EQ(report.signalBars, 4);
    EXPECT_FALSE(report.record);
    EXPECT_TRUE(Decode("cdr:Name:A;").record);

    EXPECT_EQ(SignalBars(0), 0);
    EXPECT_EQ(SignalBars(6), 1);
    EXPECT_EQ(SignalBars(7), 2);
    EXPECT_EQ(SignalBars(12), 3);
    EXPECT_EQ(SignalBars(31), 4);
    EXPECT_EQ(SignalBars(32), 0);

    EXPECT_EQ(Decode("counter:100094;").counter, "100094");
    EXPECT_EQ(Decode("counter:100095;").counter, "");
    EXPECT_EQ(Decode("talkingtime:1x;").talking, "1x"); // shown as it came
    EXPECT_EQ(Decode("talkingtime:+5;").talking, "5");  // read like every other integer
    EXPECT_EQ(Decode("masterstation:18;").stateName, "");
    EXPECT_EQ(Decode("masterstation:16;").stateName, "SmsSending");

    // Absent tags give empty values, not bytes from elsewhere.
    const auto bare = Decode("okok!");
    EXPECT_EQ(bare.statusLine, "M-Station:; M-number:; key:; No.:;Talking:; M-SPK:; M-MIC:; ");
    EXPECT_FALSE(bare.signal.has_value());
    EXPECT_FALSE(bare.record);
}

// Add stops at the device's top level or the box's last item, Sub at
// "-OFF-"; with no item chosen there is nothing to step.
TEST(LevelStep, StaysWithinTheDeviceAndTheBox) {
    EXPECT_EQ(SteppedLevel(8, +1, kSpeakerTopLevel, 17), 9);
    EXPECT_EQ(SteppedLevel(9, +1, kSpeakerTopLevel, 17), 9);  // chosen again
    EXPECT_EQ(SteppedLevel(13, +1, kSpeakerTopLevel, 17), 9); // min(index + 1, 9)
    EXPECT_EQ(SteppedLevel(15, +1, kMicrophoneTopLevel, 17), 15);
    EXPECT_EQ(SteppedLevel(8, +1, kSpeakerTopLevel, 9), std::nullopt); // past the box
    EXPECT_EQ(SteppedLevel(0, -1, kSpeakerTopLevel, 9), 0);
    EXPECT_EQ(SteppedLevel(5, -1, kSpeakerTopLevel, 9), 4);
    for (int step : {+1, -1}) {
        EXPECT_EQ(SteppedLevel(-1, step, kSpeakerTopLevel, 17), std::nullopt);
        EXPECT_EQ(SteppedLevel(0, step, kSpeakerTopLevel, 0), std::nullopt);
    }
}

// A live record's fields take their first character whatever it is, then
// run to ";" or "]", each within its width; missing ones are empty, and the
// type comes from "Type:" alone (a name may hold "Type[").
TEST(StatusDecoder, LiveRecordsBecomeTheLinesTheListsKeep) {
    const auto live = [](const std::string& frame) {
        return DecodeLiveRecord(
            std::span(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size()));
    };
    const LiveRecord full = live("velorn<kemo0001;cdr:Name:Alice;Id:1234567;Number:8642;"
                                 "Date:2026/12/17 10:15:33;Type:2;Duration:0:1:5;dtmf:ffffff;");
    EXPECT_EQ(full.line, "Group[123456],\tName[Alice],\tNumber[8642],\tType[2],\t"
                         "Date[2026/12/17 10:15],\tDuration[0:1:5],\tRemark[]");
    EXPECT_EQ(full.type, '2');
    EXPECT_EQ(live("velorn<cdr:Type:1;").line,
              "Group[],\tName[],\tNumber[],\tType[1],\tDate[],\tDuration[],\tRemark[]");
    const LiveRecord odd = live("cdr:Name:;x;Id:7]8;Number:Type[2];Type:0;");
    EXPECT_EQ(odd.line,
              "Group[7],\tName[;x],\tNumber[Type[2],\tType[0],\tDate[],\tDuration[],\tRemark[]");
    EXPECT_EQ(odd.type, '0');
    EXPECT_EQ(live("cdr:Name:A;").type, '\0');
}

TEST(StatusDecoder, ModelsAreRecognisedOncePerChange) {
    const auto five = Status("kemo0005;");
    ASSERT_EQ(ModelsNamed(five.bytes, "").size(), 1u);
    EXPECT_EQ(ModelsNamed(five.bytes, "")[0]->displayName, "KEMO-0005");
    EXPECT_TRUE(ModelsNamed(five.bytes, "kemo0005").empty());
    const auto three = ModelsNamed(Status("kemo0003;").bytes, "kemo0005");
    ASSERT_EQ(three.size(), 1u);
    EXPECT_EQ(three[0]->speakerMax, 8);
    EXPECT_EQ(three[0]->micIndex, 4);
}

class RecordingMonitor : public MonitorView {
public:
    explicit RecordingMonitor(test::DirectTransport& transport) : transport_(transport) {}
    void ShowStatus(const StatusReport& report, std::uint32_t count) override {
        lines.push_back(report.statusLine);
        counts.push_back(count);
        writtenBeforeDecode.push_back(transport_.written.size());
    }
    void ShowModel(const DeviceModel& model) override { models.push_back(model.id); }
    void DeviceLost() override { ++lost; }

    std::vector<std::string> lines, models;
    std::vector<std::uint32_t> counts;
    std::vector<std::size_t> writtenBeforeDecode;
    int lost = 0;

private:
    test::DirectTransport& transport_;
};

class LiveMonitorTest : public ::testing::Test {
protected:
    void SetUp() override {
        link.Open();
        monitor.Start();
    }
    // The device sends a status frame; returns the tool's answer.
    std::string Frame(const std::string& payload = "kemo0001;masterstation:01;") {
        const auto before = transport.Frames().size();
        transport.Inject(Status(payload).Text());
        const auto frames = transport.Frames();
        return frames.size() > before ? frames.back() : "<none>";
    }

    test::DirectTransport transport;
    DeviceLink link{transport};
    RecordingMonitor view{transport};
    LiveMonitor monitor{link, view};
};

TEST_F(LiveMonitorTest, OneAnswerPerFrameSentBeforeDecoding) {
    EXPECT_EQ(Frame(), BuildFrame(frames::kStatusAck).Text());
    EXPECT_EQ(view.writtenBeforeDecode, std::vector<std::size_t>{1});
    EXPECT_EQ(view.models, std::vector<std::string>{"kemo0001"});
    EXPECT_EQ(Frame(), BuildFrame(frames::kStatusAck).Text());
    EXPECT_EQ(view.models.size(), 1u); // the same model again changes nothing
    EXPECT_EQ(view.counts, (std::vector<std::uint32_t>{1, 2}));

    auto damaged = Status("masterstation:01;");
    damaged.bytes[9] ^= 1;
    transport.Inject(damaged.Text());
    EXPECT_EQ(transport.Frames().back(), BuildFrame(frames::kStatusResend).Text());
    EXPECT_EQ(view.lines.size(), 2u); // nothing shown for it
    monitor.OnTick();
    EXPECT_EQ(transport.Frames().size(), 3u); // and nothing more sent
}

TEST_F(LiveMonitorTest, RequestsGoOutOnceInTheirOrder) {
    monitor.RequestSpeaker(5);
    monitor.RequestStart();
    monitor.RequestStart();
    monitor.RequestSms();
    monitor.RequestForward();
    monitor.RequestMicrophone(12);
    monitor.RequestStopDialing();
    EXPECT_EQ(Frame(), BuildFrame(frames::kStartDialing).Text());
    EXPECT_EQ(Frame(), BuildFrame(frames::kStopDialing).Text());
    EXPECT_EQ(Frame(), BuildFrame(frames::kForward).Text());
    EXPECT_EQ(Frame(), BuildLevelFrame(LevelKind::Speaker, 5).Text());
    EXPECT_EQ(Frame(), BuildLevelFrame(LevelKind::Microphone, 12).Text());
    EXPECT_EQ(Frame(), BuildFrame(frames::kSendSms).Text());
    EXPECT_EQ(Frame(), BuildFrame(frames::kStatusAck).Text());

    monitor.RequestSpeaker(-1); // a box with no item chosen: nothing to send
    EXPECT_EQ(Frame(), BuildFrame(frames::kStatusAck).Text());
    monitor.RequestSpeaker(0);
    EXPECT_EQ(Frame(), BuildLevelFrame(LevelKind::Speaker, 0).Text());
}

// A device that sends its next frame the moment it has the answer.
class EagerDevice : public test::DirectTransport {
public:
    void Write(const Report& report) override {
        DirectTransport::Write(report);
        if (eager && --eager >= 0)
            Inject(BuildFrame("velorn<masterstation:02;checksum:000000;>end").Text());
    }
    int eager = 0;
};

TEST(LiveMonitor, NothingThatArrivesAfterTheAnswerIsLost) {
    EagerDevice transport;
    DeviceLink link(transport);
    RecordingMonitor view(transport);
    LiveMonitor monitor(link, view);
    link.Open();
    monitor.Start();
    transport.eager = 1;
    transport.Inject(Status("masterstation:01;").Text());
    monitor.OnTick();
    ASSERT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.lines[1].rfind("M-Station:Ring; ", 0), 0u);
}

TEST_F(LiveMonitorTest, StopAndLossEndTheLoop) {
    monitor.Stop();
    EXPECT_EQ(Frame(), "<none>");
    EXPECT_FALSE(monitor.Active());

    monitor.Start();
    link.ClearReceiveBuffer();
    transport.SetCount(0);
    EXPECT_EQ(view.lost, 1);
    EXPECT_TRUE(monitor.Active()); // the window shows it as still switched on
    transport.SetCount(1);
    EXPECT_EQ(Frame(), "<none>");
}

} // namespace
} // namespace mervadin
