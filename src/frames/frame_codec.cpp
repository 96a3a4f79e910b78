#include "frames/frame_codec.h"

#include "frames/device_words.h"

#include <algorithm>

namespace mervadin {

namespace {

using words::kChecksumTag;
using words::kEndMark;
using words::kOpening;
constexpr std::size_t kDigits = 6;
// From the "v" of "velorn<" to the ":" of a data block's "checksum:".
constexpr std::size_t kBlockColonOffset = 7 + 512 + 8;
// "velorn<", 512 bytes, "checksum:", six digits, ";>end".
constexpr std::size_t kBlockFrameLength = kBlockColonOffset + 1 + kDigits + 5;
constexpr char kHexDigits[] = "0123456789ABCDEF";

struct ChecksumPlace {
    std::size_t first = 0; // the "v" of "velorn<"
    std::size_t colon = 0; // the ":" of "checksum:"
};

std::size_t ChecksumColon(Bytes frame, std::size_t first, FrameShape shape) {
    if (shape == FrameShape::Text)
        return Search(frame, kChecksumTag).value_or(0);
    const std::size_t colon = first + kBlockColonOffset;
    if (colon >= frame.size())
        return 0;
    const auto tag = frame.subspan(colon + 1 - kChecksumTag.size(), kChecksumTag.size());
    return std::equal(tag.begin(), tag.end(), kChecksumTag.begin()) ? colon : 0;
}

// Both markers must be present and the six digits must fit in the buffer.
bool LocateChecksum(Bytes frame, FrameShape shape, ChecksumPlace& place) {
    const auto opening = Search(frame, kOpening);
    if (!opening)
        return false;
    const std::size_t first = *opening + 1 - kOpening.size();
    const std::size_t colon = ChecksumColon(frame, first, shape);
    if (colon == 0 || colon + kDigits >= frame.size())
        return false;
    place = {first, colon};
    return true;
}

std::uint32_t SumBetween(Bytes frame, const ChecksumPlace& place) {
    // Summed: positions first .. colon - 10; the byte at colon - 9 (the
    // payload's last) is left out.
    std::uint32_t sum = 0;
    for (std::size_t i = place.first; i + 10 <= place.colon; ++i)
        sum += frame[i];
    return sum;
}

} // namespace

std::uint8_t DecodeHexDigit(char c) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (c >= '0' && c <= '9')
        return byte & 0x0F;
    return static_cast<std::uint8_t>(byte - 55);
}

std::size_t FillChecksum(std::span<std::uint8_t> frame, FrameShape shape) {
    ChecksumPlace place;
    if (!LocateChecksum(frame, shape, place))
        return 0;
    const std::uint32_t sum = SumBetween(frame, place);
    for (std::size_t d = 0; d < kDigits; ++d) {
        const unsigned shift = 4 * static_cast<unsigned>(kDigits - 1 - d);
        frame[place.colon + 1 + d] = static_cast<std::uint8_t>(kHexDigits[(sum >> shift) & 0xF]);
    }
    return place.colon;
}

bool VerifyChecksum(Bytes buffer, FrameShape shape) {
    ChecksumPlace place;
    if (!LocateChecksum(buffer, shape, place))
        return false;
    std::uint32_t written = 0;
    for (std::size_t d = 0; d < kDigits; ++d) {
        const unsigned shift = 4 * static_cast<unsigned>(kDigits - 1 - d);
        written += std::uint32_t{DecodeHexDigit(static_cast<char>(buffer[place.colon + 1 + d]))}
                   << shift;
    }
    return written == SumBetween(buffer, place);
}

bool FrameComplete(Bytes buffer, FrameShape shape) {
    if (shape == FrameShape::DataBlock) {
        // All of a block's bytes have come; its checksum then tells whether
        // they are whole.
        const auto opening = Search(buffer, kOpening);
        return opening && buffer.size() >= *opening + 1 - kOpening.size() + kBlockFrameLength;
    }
    const auto colon = Search(buffer, kChecksumTag);
    if (!colon)
        return false;
    const std::size_t after = *colon + 1 + kDigits;
    return after < buffer.size() && Search(buffer.subspan(after), kEndMark).has_value();
}

std::size_t TextLength(Bytes frame) {
    const std::size_t limit = std::min(frame.size(), kMaxTextLength);
    const auto* end = std::find(frame.data(), frame.data() + limit, std::uint8_t{0});
    return static_cast<std::size_t>(end - frame.data());
}

} // namespace mervadin
