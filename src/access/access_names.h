#pragma once
// The object names of the password windows' controls: how tests, and any
// tool that drives the windows, find them. They are the device's own tool's
// names; rename a variable freely, never one of these.

namespace mervadin::names {

namespace login {
inline constexpr const char* kWindow = "PasswordCheck";
inline constexpr const char* kPassword = "Edit1";
inline constexpr const char* kLogInButton = "Button1";
inline constexpr const char* kChangeButton = "Button3";
inline constexpr const char* kExitButton = "Button2";
} // namespace login

namespace change {
inline constexpr const char* kWindow = "ChangePassword";
inline constexpr const char* kOldPassword = "OlderPassWord";
inline constexpr const char* kNewPassword = "LabeledEdit1";
inline constexpr const char* kConfirmation = "LabeledEdit2";
inline constexpr const char* kEnterButton = "Button1";
inline constexpr const char* kExitButton = "Button2";
} // namespace change

} // namespace mervadin::names
