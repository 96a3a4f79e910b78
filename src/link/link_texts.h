#pragma once
// The status line's words for the device link, shown by the window and
// printed by `mervadin-cli status`, kept exactly as operators know them.
// Do not correct them.

namespace mervadin::texts::link {

inline constexpr const char* kUsbConnected = "USB Connected";
inline constexpr const char* kUsbNoConnect = "USB No Connect";

} // namespace mervadin::texts::link
