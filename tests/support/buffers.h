#pragma once
// Receive buffers for tests: zeros with a text at a given place.

#include "frames/frame_codec.h"

#include <algorithm>
#include <string_view>

namespace mervadin::test {

inline FrameBuffer BufferWith(std::string_view text, std::size_t at = 0) {
    FrameBuffer buffer{};
    std::copy(text.begin(), text.end(), buffer.begin() + static_cast<std::ptrdiff_t>(at));
    return buffer;
}

} // namespace mervadin::test
