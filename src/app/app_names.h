#pragma once
// The object names of the main window's and the download window's
// controls: how tests, and any tool that drives the windows, find them.
// They are the device's own tool's names; rename a variable freely, never
// one of these.

namespace mervadin::names {

namespace main {
inline constexpr const char* kWindow = "MainSetting";
inline constexpr const char* kUsbLamp = "Shape1";
inline constexpr const char* kLoadNumberButton = "Button4";
inline constexpr const char* kSettingButton = "Button1";
inline constexpr const char* kDownLoadButton = "Button3";
inline constexpr const char* kReadCdrButton = "Button41";
inline constexpr const char* kDisplayCdrButton = "Button5";
inline constexpr const char* kCloseButton = "Button15";
inline constexpr const char* kRemarkButton = "Button2";     // hidden
inline constexpr const char* kLoadVoiceButton = "Button24"; // hidden
inline constexpr const char* kCallOutBox = "GroupBox2";
inline constexpr const char* kCallInBox = "GroupBox3";
inline constexpr const char* kStatusLine = "StatusBar1";
inline constexpr const char* kMonitorClock = "Timer1";
inline constexpr const char* kWindowMenu = "PopupMenu1";
inline constexpr const char* kCallOutMenu = "PopupMenu2";
inline constexpr const char* kCallInMenu = "PopupMenu3";
} // namespace main

namespace download {
inline constexpr const char* kWindow = "WriteData";
inline constexpr const char* kWriteSettingButton = "Button3";
inline constexpr const char* kWriteNumberButton = "Button5";
inline constexpr const char* kWriteVoiceButton = "Button6";
inline constexpr const char* kStopButton = "Button1";
inline constexpr const char* kExitButton = "Button2";
inline constexpr const char* kErrorMemo = "Memo1";
} // namespace download

} // namespace mervadin::names
