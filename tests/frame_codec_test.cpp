#include "frames/frame_codec.h"
#include "frames/frame_templates.h"
#include "support/buffers.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace mervadin {
namespace {

using test::BufferWith;

std::string Digits(const OutgoingFrame& frame) {
    const std::string text = frame.Text();
    return text.substr(text.find("checksum:") + 9, 6);
}

TEST(FrameCodec, ChecksumLeavesOutThePayloadsLastByte) {
    const auto ack = BuildFrame(frames::kStatusAck);
    EXPECT_EQ(ack.Text(), "velorn<okok!okok!okok!okok!checksum:000A05;>end");

    // The ";" that ends the record resend payload is not summed either:
    // the sum equals that of the same frame without it.
    const std::string withSemicolon(frames::kCdrResend);
    std::string withoutSemicolon = withSemicolon;
    withoutSemicolon.erase(withoutSemicolon.find(";checksum"), 1);
    std::string plusOne = withoutSemicolon; // "...err!X" sums the "!" instead
    plusOne.insert(plusOne.find("checksum"), "X");
    EXPECT_EQ(Digits(BuildFrame(withSemicolon)), Digits(BuildFrame(plusOne)));
    EXPECT_NE(Digits(BuildFrame(withSemicolon)), Digits(BuildFrame(withoutSemicolon)));
}

TEST(FrameCodec, EveryBuiltFrameVerifies) {
    for (auto text :
         {frames::kWriteSettingRequest, frames::kWriteNumberRequest, frames::kWriteMusicRequest,
          frames::kReadCdrRequest, frames::kCdrAck, frames::kCdrResend, frames::kStatusAck,
          frames::kStatusResend, frames::kStartDialing, frames::kStopDialing, frames::kForward,
          frames::kSendSms}) {
        const auto frame = BuildFrame(text);
        EXPECT_EQ(frame.length, text.size()) << text;
        EXPECT_TRUE(VerifyChecksum(frame.bytes)) << frame.Text();
    }
}

TEST(FrameCodec, VerifyRejectsDamageAndWrongDigits) {
    auto frame = BuildFrame(frames::kStatusAck);
    EXPECT_TRUE(VerifyChecksum(frame.bytes));

    auto damaged = frame;
    damaged.bytes[10] ^= 0x01;
    EXPECT_FALSE(VerifyChecksum(damaged.bytes));

    // Right value, lower-case digits: rejected.
    auto lower = BufferWith("velorn<okok!okok!okok!okok!checksum:000a05;>end");
    EXPECT_FALSE(VerifyChecksum(lower));

    // The summed region does not include the last payload byte, so changing
    // it keeps the frame intact, as the device sees it.
    auto lastByte = frame;
    lastByte.bytes[*Search(frame.bytes, "checksum:") - 9] = '?';
    EXPECT_TRUE(VerifyChecksum(lastByte.bytes));

    EXPECT_FALSE(VerifyChecksum(BufferWith("okok!checksum:000000;>end")));
    EXPECT_FALSE(VerifyChecksum(BufferWith("velorn<okok!okok!;>end")));
    FrameBuffer empty{};
    EXPECT_FALSE(VerifyChecksum(empty));
}

TEST(FrameCodec, DecodeHexDigit) {
    EXPECT_EQ(DecodeHexDigit('0'), 0);
    EXPECT_EQ(DecodeHexDigit('9'), 9);
    EXPECT_EQ(DecodeHexDigit('A'), 10);
    EXPECT_EQ(DecodeHexDigit('F'), 15);
    EXPECT_EQ(DecodeHexDigit('a'), 42);
    EXPECT_EQ(DecodeHexDigit('\x10'), static_cast<std::uint8_t>(0x10 - 55));
}

TEST(FrameCodec, TextLengthStopsAtZeroOrSixHundred) {
    EXPECT_EQ(TextLength(BufferWith("velorn<")), 7u);
    FrameBuffer full;
    full.fill('x');
    EXPECT_EQ(TextLength(full), kMaxTextLength);
}

TEST(FrameTemplates, StopAndExitFramesInTwoLengths) {
    const auto shortStop = BuildStopFrame(FrameLength::Short);
    EXPECT_EQ(shortStop.length, 77u);
    std::string words;
    for (int i = 0; i < 10; ++i)
        words += "stop?";
    EXPECT_EQ(shortStop.Text().substr(0, 66), "velorn<" + words + "checksum:");
    EXPECT_EQ(shortStop.Text().substr(72), ";>end");
    const auto padded = BuildExitFrame(FrameLength::Padded);
    EXPECT_EQ(padded.length, 539u);
    const std::string text = padded.Text();
    EXPECT_EQ(text.find("checksum:"), 519u);
    EXPECT_EQ(text.substr(57, 519 - 57), std::string(519 - 57, '9'));
    EXPECT_EQ(text.substr(7, 5), "exit?");
    EXPECT_TRUE(VerifyChecksum(padded.bytes));
    EXPECT_TRUE(VerifyChecksum(shortStop.bytes));
}

TEST(FrameTemplates, DataBlockFrameIsSentAsFiveHundredSeventySixBytes) {
    DataBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7 + 1); // no "checksum:" inside
    const auto frame = BuildDataBlockFrame(block);
    EXPECT_EQ(frame.length, 576u);
    EXPECT_EQ(frame.Text().substr(519, 9), "checksum:");
    EXPECT_EQ(frame.Text().substr(534, 5), ";>end");
    EXPECT_TRUE(std::all_of(frame.bytes.begin() + 539, frame.bytes.begin() + 576,
                            [](auto b) { return b == 0; }));
    EXPECT_TRUE(VerifyChecksum(frame.bytes));
    // The sum covers "velorn<" and the first 511 data bytes: its six digits
    // follow "checksum:".
    std::uint32_t sum = 0;
    for (char c : std::string_view("velorn<"))
        sum += static_cast<std::uint8_t>(c);
    for (std::size_t i = 0; i < 511; ++i)
        sum += block[i];
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(sum));
    EXPECT_EQ(frame.Text().substr(528, 6), digits);
}

TEST(FrameCodec, AFrameEndsOnlyAtTheEndMarkAfterItsChecksumDigits) {
    const std::string text(BuildFrame("velorn<Name:>end;okok!checksum:000000;>end").Text());
    const std::size_t colon = text.find("checksum:") + 8;
    EXPECT_FALSE(FrameComplete(AsBytes(text.substr(0, colon + 7)))); // ">end" in the payload
    EXPECT_FALSE(FrameComplete(AsBytes(text.substr(0, text.size() - 1))));
    EXPECT_TRUE(FrameComplete(AsBytes(text)));
    EXPECT_FALSE(FrameComplete(AsBytes("velorn<okok!>end")));

    // A block full of protocol words: only its last byte completes it, and
    // its checksum is found at its fixed place, not at the "checksum:" inside.
    DataBlock block{};
    const std::string_view words = "checksum:123456;>end velorn<";
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(words[i % words.size()]);
    const auto frame = BuildDataBlockFrame(block);
    const Bytes sent = frame.Sent();
    for (std::size_t length : {64u, 128u, 512u, 538u})
        EXPECT_FALSE(FrameComplete(sent.first(length), FrameShape::DataBlock)) << length;
    EXPECT_TRUE(FrameComplete(sent.first(539), FrameShape::DataBlock));
    EXPECT_EQ(frame.Text().substr(519, 20), "checksum:" + frame.Text().substr(528, 6) + ";>end");
    EXPECT_TRUE(VerifyChecksum(sent, FrameShape::DataBlock));
    EXPECT_FALSE(VerifyChecksum(sent)); // the first "checksum:" is data
}

TEST(FrameTemplates, LevelFramesCarryTwoDecimalDigits) {
    const auto speaker = BuildLevelFrame(LevelKind::Speaker, 5);
    EXPECT_EQ(speaker.Text().substr(0, 20), "velorn<masterspk:05;");
    EXPECT_TRUE(VerifyChecksum(speaker.bytes));
    const auto mic = BuildLevelFrame(LevelKind::Microphone, 15);
    EXPECT_EQ(mic.Text().substr(0, 20), "velorn<mastermic:15;");
    EXPECT_TRUE(VerifyChecksum(mic.bytes));
    EXPECT_THROW(BuildLevelFrame(LevelKind::Speaker, -1), std::out_of_range);
}

} // namespace
} // namespace mervadin
