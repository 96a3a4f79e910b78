#pragma once
// Texts of the device link's start, kept exactly as operators know them.
// Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::transports {

//: The HID layer could not start: the message the start-up shows.
inline constexpr const char* kHidInitFailed = UI_TEXT("fpInit Fail!");

} // namespace mervadin::texts::transports
