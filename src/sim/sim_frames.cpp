#include "sim/sim_frames.h"

#include "frames/device_words.h"
#include "frames/frame_codec.h"

namespace mervadin::sim {

bool OpensWith(std::string_view text, std::string_view word) {
    return text.substr(words::kOpening.size(), word.size()) == word;
}

bool IsCommandFrame(std::string_view text) {
    for (auto word : {words::kWriteSetting, words::kWriteNumber, words::kWriteMusic,
                      words::kReadCdr, words::kStop, words::kExit})
        if (OpensWith(text, word))
            return true;
    return false;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const auto part : parts)
        text += part;
    return text;
}

std::vector<std::uint8_t> FrameAround(std::string_view payload) {
    std::string text(words::kOpening);
    text += payload;
    text += words::kChecksumTail;
    const auto built = BuildFrame(text);
    return {built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(built.length)};
}

std::vector<std::uint8_t> BlockFrame(const DataBlock& block) {
    std::vector<std::uint8_t> frame;
    frame.reserve(frames::kDataBlockFrameLength);
    frame.insert(frame.end(), words::kOpening.begin(), words::kOpening.end());
    frame.insert(frame.end(), block.begin(), block.end());
    frame.insert(frame.end(), words::kChecksumTail.begin(), words::kChecksumTail.end());
    FillChecksum(frame, FrameShape::DataBlock);
    return frame;
}

} // namespace mervadin::sim
