#pragma once
// The object names of the settings editor's buttons and SMS box (its fields
// are named in the table of settings_form.cpp): how tests, and any tool
// that drives the window, find them. They are the device's own tool's
// names; rename a variable freely, never one of these.

namespace mervadin::names::settings {

inline constexpr const char* kWindow = "Setting";
inline constexpr const char* kDefaultButton = "Button2";
inline constexpr const char* kSaveButton = "Button1";
inline constexpr const char* kSaveExitButton = "Button4";
inline constexpr const char* kExitButton = "Button3";
inline constexpr const char* kSmsBox = "Memo7";
inline constexpr const char* kSmsBytes = "SmsBytes"; // the SMS's byte count

} // namespace mervadin::names::settings
