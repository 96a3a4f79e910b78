#include "frames/frame_templates.h"

#include <algorithm>
#include <stdexcept>

namespace mervadin {

namespace {

void CopyInto(OutgoingFrame& frame, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), frame.bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

OutgoingFrame BuildRepeatedWordFrame(std::string_view word, FrameLength length) {
    std::string text(words::kOpening);
    for (int i = 0; i < 10; ++i)
        text += word;
    if (length == FrameLength::Padded)
        text.resize(frames::kPaddedTextBeforeChecksum, '9');
    text += words::kChecksumTail;
    return BuildFrame(text);
}

} // namespace

OutgoingFrame BuildFrame(std::string_view frameTemplate) {
    if (frameTemplate.size() > kFrameBufferSize)
        throw std::length_error("frame template longer than 1024 bytes");
    OutgoingFrame frame;
    CopyInto(frame, 0, frameTemplate);
    FillChecksum(frame.bytes);
    frame.length = TextLength(frame.bytes);
    return frame;
}

OutgoingFrame BuildLevelFrame(LevelKind kind, int level) {
    if (level < 0 || level > 99)
        throw std::out_of_range("level outside 0-99");
    const bool speaker = kind == LevelKind::Speaker;
    OutgoingFrame frame;
    CopyInto(frame, 0, speaker ? frames::kMasterSpeaker : frames::kMasterMic);
    const std::size_t colon = *Search(frame.bytes, speaker ? words::kSpeaker : words::kMicrophone);
    frame.bytes[colon + 1] = static_cast<std::uint8_t>('0' + level / 10);
    frame.bytes[colon + 2] = static_cast<std::uint8_t>('0' + level % 10);
    FillChecksum(frame.bytes);
    frame.length = TextLength(frame.bytes);
    return frame;
}

OutgoingFrame BuildDataBlockFrame(DataBlockView block) {
    OutgoingFrame frame;
    CopyInto(frame, 0, words::kOpening);
    std::copy(block.begin(), block.end(), frame.bytes.begin() + words::kOpening.size());
    CopyInto(frame, words::kOpening.size() + block.size(), words::kChecksumTail);
    FillChecksum(frame.bytes, FrameShape::DataBlock);
    frame.length = frames::kDataBlockSendLength;
    return frame;
}

OutgoingFrame BuildStopFrame(FrameLength length) {
    return BuildRepeatedWordFrame(words::kStop, length);
}

OutgoingFrame BuildExitFrame(FrameLength length) {
    return BuildRepeatedWordFrame(words::kExit, length);
}

} // namespace mervadin
