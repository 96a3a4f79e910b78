#include "frames/receive_buffer.h"

namespace mervadin {

void ReceiveBuffer::Append(Bytes data) {
    for (std::uint8_t byte : data)
        bytes_[count_++ % kFrameBufferSize] = byte;
}

void ReceiveBuffer::Clear() {
    bytes_.fill(0);
    count_ = 0;
}

} // namespace mervadin
