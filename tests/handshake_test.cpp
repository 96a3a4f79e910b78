#include "numbers/write_number_operation.h"
#include "operation/handshake.h"
#include "operation/operation.h"
#include "operation/operation_runner.h"
#include "operation/operation_texts.h"
#include "records/read_cdr_operation.h"
#include "settings/write_settings_operation.h"
#include "support/direct_transport.h"
#include "voice/write_voice_operation.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace mervadin {
namespace {

class HandshakeTest : public ::testing::Test {
protected:
    void SetUp() override { link.Open(); }

    // Ticks until the handshake leaves Waiting; returns the tick count.
    unsigned TickUntilDone(Handshake& handshake, std::vector<unsigned>* sends = nullptr) {
        for (unsigned tick = 1; tick < 100000; ++tick) {
            const auto before = transport.written.size();
            const auto state = handshake.OnTick();
            if (sends && transport.written.size() != before)
                sends->push_back(tick);
            if (state != Handshake::State::Waiting)
                return tick;
        }
        return 0;
    }

    // How many times `request` has been sent: the handshake's attempts.
    std::size_t Sent(std::string_view request) const {
        const auto frames = transport.Frames();
        return static_cast<std::size_t>(
            std::count(frames.begin(), frames.end(), BuildFrame(request).Text()));
    }

    test::DirectTransport transport; // a device that never answers
    DeviceLink link{transport};
    test::RecordingView view;
};

TEST_F(HandshakeTest, SilentDeviceWriteSettingsResendsEvery101TicksAndGivesUpAfter2500) {
    Handshake handshake(WriteSettingsHandshake(), link, view);
    handshake.Start();
    ASSERT_EQ(transport.Frames().size(), 1u);
    EXPECT_EQ(transport.Frames()[0], BuildFrame(frames::kWriteSettingRequest).Text());
    EXPECT_EQ(view.memo, std::vector<std::string>{"Connecting......"});

    std::vector<unsigned> sends;
    EXPECT_EQ(TickUntilDone(handshake, &sends), 2501u);
    ASSERT_EQ(sends.size(), 24u);
    for (std::size_t i = 0; i < sends.size(); ++i)
        EXPECT_EQ(sends[i], 101u * (i + 1));
    EXPECT_EQ(handshake.Current(), Handshake::State::GaveUp);
    EXPECT_EQ(view.memo, std::vector<std::string>{"Connect Error!"});
    EXPECT_EQ(transport.written.size(), 25u * 2); // 86 bytes: two reports each
}

TEST_F(HandshakeTest, OtherOperationsUseTheirOwnLimitsAndMessages) {
    Handshake number(WriteNumberHandshake(), link, view);
    number.Start();
    std::vector<unsigned> sends;
    EXPECT_EQ(TickUntilDone(number, &sends), 1501u);
    EXPECT_EQ(sends.front(), 51u);
    EXPECT_EQ(sends.size(), 29u);
    EXPECT_EQ(view.memo, std::vector<std::string>{"ConnectError! \r"});

    Handshake voice(WriteVoiceHandshake(), link, view);
    voice.Start();
    EXPECT_EQ(TickUntilDone(voice), 1501u);
    EXPECT_EQ(view.memo.size(), 4u);
    EXPECT_EQ(view.memo[0], "   连接失败 \r");

    // The read shows "Connecting......\r" afresh before every attempt.
    Handshake read(ReadCdrHandshake(), link, view);
    read.Start();
    for (int i = 0; i < 52; ++i)
        read.OnTick();
    EXPECT_EQ(Sent(frames::kReadCdrRequest), 2u);
    EXPECT_EQ(view.memo, std::vector<std::string>{"Connecting......\r"});
    EXPECT_EQ(TickUntilDone(read), 1501u - 52u);
    EXPECT_EQ(view.memo, std::vector<std::string>{"Connect Error! \r"});
}

TEST_F(HandshakeTest, WrongAnswersAreAskedAgainAtOnceAndAGoodOneConnects) {
    Handshake handshake(WriteSettingsHandshake(), link, view);
    handshake.Start();
    auto answer = [&](std::string_view payload, bool damage = false) {
        auto frame = BuildFrame("velorn<" + std::string(payload) + "checksum:000000;>end");
        if (damage)
            frame.bytes[8] ^= 1;
        transport.Inject(frame.Text());
        return handshake.OnBytes();
    };
    EXPECT_EQ(answer("okok!okok!kemo0001;"), Handshake::State::Waiting); // no "module"
    EXPECT_EQ(Sent(frames::kWriteSettingRequest), 2u);
    EXPECT_EQ(answer("okok!module;okok!", true), Handshake::State::Waiting); // damaged
    EXPECT_EQ(Sent(frames::kWriteSettingRequest), 3u);

    // A write operation needs "velorn<" as well as ">end".
    transport.Inject("okok!module;>end");
    EXPECT_EQ(handshake.OnBytes(), Handshake::State::Waiting);
    EXPECT_EQ(Sent(frames::kWriteSettingRequest), 3u);

    link.ClearReceiveBuffer();
    EXPECT_EQ(answer("okok!module:kemo0001;okok!"), Handshake::State::Connected);
    EXPECT_EQ(view.memo.back(), "Connected   ");
    EXPECT_EQ(Sent(frames::kWriteSettingRequest), 3u);
}

// An operation that ends as soon as the device has answered.
class ConnectOnly : public Operation {
public:
    ConnectOnly(DeviceLink& link, OperationView& view)
        : Operation(WriteNumberHandshake(), link, view) {}
    void Start() override { StartHandshake(); }

private:
    void OnConnected() override { End(OperationStatus::Succeeded); }
    void TickConnected() override {}
    void BytesConnected() override {}
};

TEST_F(HandshakeTest, StopWhileConnectingSendsThreeStopFramesThenEndsSilently) {
    OperationRunner runner(link, view);
    ASSERT_TRUE(runner.Run(std::make_unique<ConnectOnly>(link, view)));
    bool afterwards = false;
    runner.StopWith(BuildStopFrame(FrameLength::Padded), [&](bool) {
        view.AppendMemo("================Stop==================\r");
        afterwards = true;
    });
    std::vector<unsigned> stopTicks;
    for (unsigned tick = 1; tick <= 200; ++tick) {
        const auto before = transport.written.size();
        runner.OnTick();
        if (transport.written.size() != before)
            stopTicks.push_back(tick);
    }
    EXPECT_EQ(stopTicks, (std::vector<unsigned>{20, 40, 60}));
    EXPECT_TRUE(afterwards);
    EXPECT_FALSE(runner.Busy());
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Stopped);
    const auto frames = transport.Frames();
    ASSERT_EQ(frames.size(), 4u); // the request, then three padded stop frames
    EXPECT_EQ(frames[3], BuildStopFrame(FrameLength::Padded).Text());
    EXPECT_EQ(view.memo, (std::vector<std::string>{"Connecting......\r",
                                                   "================Stop==================\r"}));
}

TEST_F(HandshakeTest, AnUnplugWhileStopFramesGoOutSaysSoInsteadOfTheStopLine) {
    OperationRunner runner(link, view);
    std::optional<bool> allSent;
    runner.StopWith(BuildStopFrame(FrameLength::Padded), [&](bool sent) { allSent = sent; });
    EXPECT_TRUE(runner.Busy()); // no command may start before the frames are out
    EXPECT_TRUE(runner.Stopping());
    for (int tick = 0; tick < 30; ++tick)
        runner.OnTick();
    transport.SetCount(0);
    EXPECT_EQ(allSent, false);
    EXPECT_FALSE(runner.Busy());
    EXPECT_EQ(transport.Frames().size(), 1u);
    EXPECT_EQ(view.memo, std::vector<std::string>{texts::operation::kFramesCut});
}

TEST_F(HandshakeTest, GuardRefusesWithoutDeviceAndLossEndsAtOnce) {
    OperationRunner runner(link, view);
    transport.SetCount(0);
    EXPECT_FALSE(runner.Run(std::make_unique<ConnectOnly>(link, view)));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0], std::make_pair(std::string("  Error  "), std::string("No Connect  ")));
    EXPECT_TRUE(transport.written.empty());

    transport.SetCount(1);
    ASSERT_TRUE(runner.Run(std::make_unique<ConnectOnly>(link, view)));
    for (int i = 0; i < 10; ++i)
        runner.OnTick();
    transport.SetCount(0);
    EXPECT_FALSE(runner.Busy());
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Failed);
    EXPECT_EQ(view.memo.back(), texts::operation::kDeviceLost);
    const auto sent = transport.written.size();
    for (int i = 0; i < 500; ++i)
        runner.OnTick();
    EXPECT_EQ(transport.written.size(), sent); // nothing more goes out
}

} // namespace
} // namespace mervadin
