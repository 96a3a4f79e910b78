#pragma once
// Texts every window shares, kept exactly as operators know them: blanks
// and spellings are part of the text. Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::common {

//: The caption of a box that shows a file or input error (the message names
//: the path and what is wrong).
inline constexpr const char* kErrorCaption = UI_TEXT("Error");
//: Asked before a save replaces a file of the number list or the display window.
inline constexpr const char* kFileExists = UI_TEXT("The file has already exist!!");
//: The first item of every level and switch list (index 0, level 0).
inline constexpr const char* kOff = UI_TEXT("-OFF-");

} // namespace mervadin::texts::common
