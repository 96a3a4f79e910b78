#pragma once
// The object names of what every operation window holds: how tests, and any
// tool that drives the windows, find them. They are the device's own tool's
// names; rename a variable freely, never one of these.

namespace mervadin::names::operation {

inline constexpr const char* kMemo = "DisplayMessage";
inline constexpr const char* kPercent = "Label1";
inline constexpr const char* kProgress = "ProgressBar1";
inline constexpr const char* kClock = "Timer1";

} // namespace mervadin::names::operation
