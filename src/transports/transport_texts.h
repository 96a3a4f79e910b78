#pragma once
// Texts of the device link's start, kept exactly as operators know them.
// Do not correct them.

namespace mervadin::texts::transports {

// The HID layer could not start: the message the start-up shows.
inline constexpr const char* kHidInitFailed = "fpInit Fail!";

} // namespace mervadin::texts::transports
