#include "frames/frame_templates.h"
#include "operation/operation_runner.h"
#include "support/simulated_exchange.h"
#include "support/temp_folder.h"
#include "voice/voice_buffer.h"
#include "voice/write_voice_operation.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

std::string Pattern(std::size_t size, int seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(seed)) % 251);
    return bytes;
}

TEST(VoiceBuffer, LoadsKeepAnEarlierLongerTailAndRefuseWhatTheyCannotHold) {
    test::TempFolder temp;
    VoiceBuffer voice;
    test::Spit(temp / "long.bin", Pattern(4000, 1));
    test::Spit(temp / "short.bin", Pattern(2000, 2));
    voice.Load(temp / "long.bin");
    voice.Load(temp / "short.bin");
    EXPECT_EQ(voice.BlockCount(), 4u); // 2000 bytes
    const auto last = voice.Block(3);  // bytes 1536-2047
    EXPECT_EQ(std::string(last.begin(), last.begin() + 464), Pattern(2000, 2).substr(1536));
    EXPECT_EQ(std::string(last.begin() + 464, last.end()), Pattern(4000, 1).substr(2000, 48));

    test::Spit(temp / "b1024.bin", Pattern(1024, 3));
    voice.Load(temp / "b1024.bin");
    EXPECT_EQ(voice.BlockCount(), 2u);
    test::Spit(temp / "b1025.bin", Pattern(1025, 3));
    voice.Load(temp / "b1025.bin");
    EXPECT_EQ(voice.BlockCount(), 3u);

    std::filesystem::create_directory(temp / "folder.bin");
    std::filesystem::resize_file(temp / "short.bin", VoiceBuffer::kCapacity + 1);
    for (const char* bad : {"missing.bin", "folder.bin", "short.bin"})
        EXPECT_THROW(voice.Load(temp / bad), FileError) << bad;
    EXPECT_EQ(voice.BlockCount(), 3u); // the 1025 bytes loaded last stay
    EXPECT_EQ(voice.Block(2)[0], static_cast<std::uint8_t>(Pattern(1025, 3)[1024]));
}

class WriteVoiceTest : public ::testing::Test, public test::SimulatedExchange {
protected:
    void SetUp() override { device.Timing().eraseSteps = 2; }
    OperationStatus Run(unsigned maxTicks = 200000) {
        return RunTicks(std::make_unique<WriteVoiceOperation>(link, view, voice), maxTicks);
    }

    test::TempFolder temp;
    VoiceBuffer voice;
};

TEST_F(WriteVoiceTest, SendsEveryBlockAndTheDeviceKeepsIt) {
    // Data that reads like protocol words must pass as it is.
    std::string data = Pattern(1025, 5);
    data.replace(100, 20, "checksum:000000;>end");
    test::Spit(temp / "voice.bin", data);
    voice.Load(temp / "voice.bin");
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    ASSERT_EQ(device.Voice().size(), 3 * 512u);
    EXPECT_EQ(std::string(device.Voice().begin(), device.Voice().begin() + 1025), data);
    EXPECT_EQ(view.memo.front(), "   连接中......\r");
    EXPECT_EQ(Count("Connected \r"), 1);
    EXPECT_EQ(Count("EarseEnd \r"), 1);
    EXPECT_EQ(Count("Trasmit......\r"), 3);
    EXPECT_EQ(Count("SaveEnd!!!\r"), 3);
    EXPECT_EQ(Count("             写语音完成!!!\r"), 1);
    EXPECT_EQ(view.boxes.back(), (std::pair<std::string, std::string>{"OK", "  写语音完成!"}));
    EXPECT_EQ(view.progressLabel, "100%");
    const auto frames = transport.Frames();
    for (std::size_t i = frames.size() - 3; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], BuildStopFrame(FrameLength::Padded).Text());
}

TEST_F(WriteVoiceTest, TheChecksumLeavesOutTheLastByteAndErrorsCountPerBlock) {
    DataBlock one{}, other{};
    other[511] = 0x77;
    EXPECT_EQ(BuildDataBlockFrame(one).Text().substr(519, 15),
              BuildDataBlockFrame(other).Text().substr(519, 15));

    test::Spit(temp / "voice.bin", Pattern(600, 9));
    voice.Load(temp / "voice.bin");
    device.Faults().dataErrors = 50; // fifty rejections, then stored
    EXPECT_EQ(Run(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("ReSend!!!\r"), 50);

    device.Faults().dataErrors = 51;
    EXPECT_EQ(Run(), OperationStatus::Failed);
    EXPECT_EQ(view.boxes.back(), (std::pair<std::string, std::string>{"OK", "DataError!"}));

    // Nothing loaded: connect, erase, complete without a block.
    VoiceBuffer empty;
    runner.Run(std::make_unique<WriteVoiceOperation>(link, view, empty));
    for (unsigned tick = 0; tick < 10000 && runner.Busy(); ++tick) {
        transport.Pass(10);
        runner.OnTick();
    }
    EXPECT_EQ(runner.LastOutcome(), OperationStatus::Succeeded);
    EXPECT_EQ(Count("Trasmit......\r"), 0);
}

} // namespace
} // namespace mervadin
