#pragma once
// The status line's words for the device link, shown by the window and
// printed by `mervadin-cli status`, kept exactly as operators know them.
// Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::link {

inline constexpr const char* kUsbConnected = UI_TEXT("USB Connected");
inline constexpr const char* kUsbNoConnect = UI_TEXT("USB No Connect");

} // namespace mervadin::texts::link
