#pragma once
// The object names of the number list window's controls: how tests, and
// any tool that drives the window, find them. They are the device's own
// tool's names; rename a variable freely, never one of these.

namespace mervadin::names::numbers {

inline constexpr const char* kWindow = "NumberList";
inline constexpr const char* kLoadTextButton = "Button1";
inline constexpr const char* kLoadWorkbookButton = "Button3";
inline constexpr const char* kStopButton = "Button4";
inline constexpr const char* kOpenButton = "Button5";
inline constexpr const char* kSaveButton = "Button6";
inline constexpr const char* kCloseButton = "Button2";
inline constexpr const char* kTotal = "LabeledEdit1";
inline constexpr const char* kPercent = "Label1";
inline constexpr const char* kProgress = "ProgressBar1";
inline constexpr const char* kMemo = "Memo1";

} // namespace mervadin::names::numbers
