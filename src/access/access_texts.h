#pragma once
// Texts of the password check and change, kept exactly as operators know
// them: blanks and capitals are part of the text. Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::access {

inline constexpr const char* kPasswordWrongCaption = UI_TEXT("Warning!");
inline constexpr const char* kPasswordWrong = UI_TEXT("Password ERROR!!");
inline constexpr const char* kPasswordChangedCaption = UI_TEXT("OK");
inline constexpr const char* kPasswordChanged = UI_TEXT("New Password OK!!");
inline constexpr const char* kChangeRefusedCaption = UI_TEXT("Warning");
inline constexpr const char* kOldPasswordWrong = UI_TEXT("Old Password ERROR!!");
inline constexpr const char* kNewPasswordWrong = UI_TEXT("New Password ERROR!!");
inline constexpr const char* kOldPasswordLabel = UI_TEXT("Old  Password  ");
inline constexpr const char* kNewPasswordLabel = UI_TEXT("New Password  ");

} // namespace mervadin::texts::access
