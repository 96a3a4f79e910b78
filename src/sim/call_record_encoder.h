#pragma once
// The 32-byte call record as the device keeps it in flash, and the 32-byte
// number record the tool writes into the device's number area.

#include "sim/sim_dialer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace mervadin::sim {

using Record32 = std::array<std::uint8_t, 32>;

Record32 EncodeCallRecord(const CallRecord& record);

// Reads a number record back; nothing for an erased (0xFF) or empty slot.
std::optional<DialEntry> DecodeNumberRecord(std::span<const std::uint8_t, 32> record);

} // namespace mervadin::sim
