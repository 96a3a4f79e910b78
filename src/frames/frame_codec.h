#pragma once
// Device frames: "velorn<" + payload + "checksum:" + six upper-case hex
// digits + ";>end". The checksum that guards a frame, and the one test of
// whether a frame has arrived whole.

#include "common/byte_search.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mervadin {

// Frames are built in, and received into, buffers of this size.
inline constexpr std::size_t kFrameBufferSize = 1024;
// A built frame is sent up to its first zero byte, but never more than this.
inline constexpr std::size_t kMaxTextLength = 600;
using FrameBuffer = std::array<std::uint8_t, kFrameBufferSize>;

// Value of one checksum digit: '0'-'9' give 0-9, any other character c
// gives (c - 55) mod 256, so 'A'-'F' give 10-15.
std::uint8_t DecodeHexDigit(char c);

// Text frames carry words; their "checksum:" is the first one in the buffer.
// Data-block frames carry 512 raw bytes, which may hold any byte ("checksum:"
// and ">end" included), so their tag is found at its fixed place: 512 bytes
// after "velorn<".
enum class FrameShape { Text, DataBlock };

// The checksum is the sum of the bytes from the "v" of "velorn<" through the
// second-to-last payload byte (the byte before "checksum:" is not summed;
// the device sums the same way), as six upper-case hex digits.

// Writes the six checksum digits after "checksum:". Returns the position of
// that ":" or 0 when the frame lacks "velorn<" or "checksum:" (nothing is
// written then).
std::size_t FillChecksum(std::span<std::uint8_t> frame, FrameShape shape = FrameShape::Text);

// True when the six digits after "checksum:" equal the sum. A buffer without
// "velorn<" or "checksum:" counts as damaged.
bool VerifyChecksum(Bytes buffer, FrameShape shape = FrameShape::Text);

// True once the buffer holds a whole frame: for a text frame, a ">end" that
// begins after the frame's "checksum:" tag and its six digits (a ">end" met
// earlier is data, and the frame is still arriving); for a data-block frame,
// all 539 bytes from its "velorn<". Every exchange that waits for frames asks
// this one question before it looks at one.
bool FrameComplete(Bytes buffer, FrameShape shape = FrameShape::Text);

// Number of bytes before the first zero byte, at most 600.
std::size_t TextLength(Bytes frame);

} // namespace mervadin
