#pragma once
// The 1024 bytes into which received input reports are appended. A byte goes
// to position (write count mod 1024), so a frame that follows a clear lies
// from position 0 in arrival order; more than 1024 bytes wrap around.

#include "link/frame_codec.h"

#include <cstdint>

namespace mervadin {

class ReceiveBuffer {
public:
    void Append(Bytes data);
    void Clear();

    Bytes View() const { return bytes_; }
    std::uint32_t WriteCount() const { return count_; }

private:
    FrameBuffer bytes_{};
    std::uint32_t count_ = 0;
};

} // namespace mervadin
