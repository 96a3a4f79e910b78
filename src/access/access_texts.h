#pragma once
// Texts of the password check and change, kept exactly as operators know
// them: blanks and capitals are part of the text. Do not correct them.

namespace mervadin::texts::access {

inline constexpr const char* kPasswordWrongCaption = "Warning!";
inline constexpr const char* kPasswordWrong = "Password ERROR!!";
inline constexpr const char* kPasswordChangedCaption = "OK";
inline constexpr const char* kPasswordChanged = "New Password OK!!";
inline constexpr const char* kChangeRefusedCaption = "Warning";
inline constexpr const char* kOldPasswordWrong = "Old Password ERROR!!";
inline constexpr const char* kNewPasswordWrong = "New Password ERROR!!";
inline constexpr const char* kOldPasswordLabel = "Old  Password  ";
inline constexpr const char* kNewPasswordLabel = "New Password  ";

} // namespace mervadin::texts::access
