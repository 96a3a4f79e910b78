#pragma once
// The 1024 bytes into which received input reports are appended. A byte goes
// to position (write count mod 1024), so a frame that follows a clear lies
// from position 0 in arrival order; more than 1024 bytes wrap around.

#include "frames/frame_codec.h"

#include <algorithm>
#include <cstdint>

namespace mervadin {

class ReceiveBuffer {
public:
    void Append(Bytes data);
    void Clear();

    // The bytes received since the last clear (all 1024 once they wrapped).
    Bytes View() const { return Bytes(bytes_).first(std::min<std::size_t>(count_, bytes_.size())); }

private:
    FrameBuffer bytes_{};
    std::uint32_t count_ = 0;
};

} // namespace mervadin
