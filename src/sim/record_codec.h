#pragma once
// The simulated device's side of the two 32-byte records: it makes call
// records as the device keeps them in flash, and reads back the number
// records the tool wrote into its number area.

#include "frames/record_layout.h"
#include "sim/sim_dialer.h"

#include <optional>

namespace mervadin::sim {

record::Record EncodeCallRecord(const CallRecord& call);

// Reads a number record back; nothing for an erased (0xFF) or empty slot.
std::optional<DialEntry> DecodeNumberRecord(record::View r);

} // namespace mervadin::sim
