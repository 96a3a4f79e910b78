#pragma once
// The frames the tool sends, as templates whose "000000" the checksum fill
// overwrites, and the builders that turn a template into bytes to send.
// The words of these frames are the device's own, repeats and all: the
// device answers nothing else. Keep them byte for byte.

#include "frames/device_words.h"
#include "frames/frame_codec.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mervadin {

namespace frames {
inline constexpr std::string_view kWriteSettingRequest =
    "velorn<writesetting?writesetting?writesetting?okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kWriteNumberRequest =
    "velorn<writenumber?writenumber?writenumber?writenumber?okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kWriteMusicRequest =
    "velorn<writemusic?writemusic?writemusic?writemusic?okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kReadCdrRequest =
    "velorn<readcdr?readcdr?readcdr?okok!okok!checksum:000000;>end";
inline constexpr std::string_view kCdrAck = "velorn<okok!okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kCdrResend =
    "velorn<data_err!data_err!data_err!;checksum:000000;>end";
inline constexpr std::string_view kStatusAck = "velorn<okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kStatusResend =
    "velorn<data_err!data_err!data_err!data_err!checksum:000000;>end";
inline constexpr std::string_view kStartDialing =
    "velorn<start!start!start!okok!okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kStopDialing =
    "velorn<end!end!end!end!okok!okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kForward =
    "velorn<server!server!server!okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kSendSms =
    "velorn<sendsms!sendsms!sendsms!okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kMasterSpeaker =
    "velorn<masterspk:00;okok!okok!okok!okok!checksum:000000;>end";
inline constexpr std::string_view kMasterMic =
    "velorn<mastermic:00;okok!okok!okok!okok!checksum:000000;>end";

// Data blocks carry this many raw bytes and always go out as this many bytes.
inline constexpr std::size_t kDataBlockSize = 512;
inline constexpr std::size_t kDataBlockFrameLength = 539;
inline constexpr std::size_t kDataBlockSendLength = 576;
// Padded stop and exit frames have this many bytes before "checksum:",
// which gives them the length of a data-block frame.
inline constexpr std::size_t kPaddedTextBeforeChecksum = 519;
} // namespace frames

// The 512 bytes a data-block frame carries: the settings, sixteen number or
// call records, or a part of the voice prompt.
using DataBlock = std::array<std::uint8_t, frames::kDataBlockSize>;
using DataBlockView = std::span<const std::uint8_t, frames::kDataBlockSize>;

// A frame ready for the link: its buffer and the number of bytes to send.
struct OutgoingFrame {
    FrameBuffer bytes{};
    std::size_t length = 0;

    Bytes Sent() const { return {bytes.data(), length}; }
    std::string Text() const { return {reinterpret_cast<const char*>(bytes.data()), length}; }
};

// Copies a template (at most 1024 bytes) into a zero-filled buffer and fills
// its checksum; the length is the text length.
OutgoingFrame BuildFrame(std::string_view frameTemplate);

enum class LevelKind { Speaker, Microphone };

// The master module's speaker or microphone level frame: the two characters
// after the tag's ":" become the level's decimal digits (0-99).
OutgoingFrame BuildLevelFrame(LevelKind kind, int level);

// "velorn<" + 512 data bytes + "checksum:000000;>end", sent as 576 bytes.
OutgoingFrame BuildDataBlockFrame(DataBlockView block);

enum class FrameLength { Short, Padded };

// "stop?" or "exit?" ten times, padded with "9" up to 519 bytes before
// "checksum:" when asked for.
OutgoingFrame BuildStopFrame(FrameLength length);
OutgoingFrame BuildExitFrame(FrameLength length);

} // namespace mervadin
