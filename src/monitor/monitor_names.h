#pragma once
// The object names of the monitor and level panels' controls: how tests,
// and any tool that drives the window, find them. They are the device's own
// tool's names; rename a variable freely, never one of these.

namespace mervadin::names::panel {

inline constexpr const char* kMonitorBox = "GroupBox20";
inline constexpr const char* kMonitorLamp = "Shape6";
inline constexpr const char* kFrameCounter = "Edit10";
inline constexpr const char* kFrameCounterCaption = "FrameCounterCaption"; // in Edit10
inline constexpr const char* kMonitorOnButton = "Button13";
inline constexpr const char* kMonitorOffButton = "Button14";
inline constexpr const char* kZelStartButton = "Button9";
inline constexpr const char* kZelStopButton = "Button19";
inline constexpr const char* kForwardButton = "Button20";
inline constexpr const char* kSendSmsButton = "Button23";
inline constexpr const char* kMonitorMenu = "PopupMenu4";

inline constexpr const char* kLevelBox = "GroupBox15";
inline constexpr const char* kSpeakerBox = "ComboBox29";
inline constexpr const char* kMicrophoneBox = "ComboBox30";
inline constexpr const char* kTotal = "Edit1";
inline constexpr const char* kSignal = "Edit2";
inline constexpr const char* kSignalCaption = "SignalCaption"; // over Edit2
inline constexpr const char* kSignalBars[] = {"Shape2", "Shape3", "Shape4", "Shape5"};
inline constexpr const char* kLevelMenu = "PopupMenu5";

} // namespace mervadin::names::panel
