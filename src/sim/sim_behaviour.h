#pragma once
// How the simulated device behaves: its reports, its timing and the faults it
// shows on request so that the tool's error paths can be exercised.

#include <array>
#include <cstdint>
#include <optional>

namespace mervadin::sim {

using DataReport = std::array<std::uint8_t, 64>;

// Misbehaviour, each counted down as it is used.
struct SimFaults {
    unsigned silentRequests = 0;               // ignore this many request frames
    unsigned damagedAnswers = 0;               // spoil the checksum of this many answers
    unsigned dataErrors = 0;                   // answer "data_err!" to this many blocks
    unsigned timeouts = 0;                     // answer "timeout!" to this many blocks
    std::optional<unsigned> unplugAfterBlocks; // unplug once this many blocks went either way
    unsigned garbageReports = 0;               // precede this many frames by a report of garbage
};

struct SimTiming {
    std::uint64_t flashWriteMs = 5;       // from "writingspi!" to "writespiok!"
    std::uint64_t eraseStepMs = 20;       // between erase answers
    unsigned eraseSteps = 3;              // "earse:" answers per erase
    std::uint64_t statusIntervalMs = 300; // between status frames; 0: none
    std::uint64_t statusRetryMs = 1000;   // resend a status frame nobody answered
    bool usbPacing = false;               // one report per millisecond each way
};

} // namespace mervadin::sim
