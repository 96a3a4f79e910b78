#pragma once
// HID output reports: 65 bytes, byte 0 the report number (always 0), bytes
// 1-64 the next 64 bytes of a frame, zero after the frame's end.

#include "frames/frame_codec.h"

#include <array>
#include <cstdint>
#include <vector>

namespace mervadin {

inline constexpr std::size_t kReportSize = 65;
inline constexpr std::size_t kReportPayload = 64;
// A frame never takes more reports than this.
inline constexpr std::size_t kMaxReportsPerFrame = 50;

using Report = std::array<std::uint8_t, kReportSize>;

// Cuts the first `frame.size()` bytes into ceil(size / 64) reports, at most
// 50; a 576-byte data-block frame is exactly nine reports.
std::vector<Report> CutIntoReports(Bytes frame);

} // namespace mervadin
