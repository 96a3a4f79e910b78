#pragma once
// The object names of the call record grids and of the read and display
// windows' controls: how tests, and any tool that drives the windows, find
// them. They are the device's own tool's names; rename a variable freely,
// never one of these.

namespace mervadin::names {

namespace grids {
inline constexpr const char* kCallOut = "DialOutGrid";
inline constexpr const char* kCallIn = "DialInGrid";
// The filter bar above each grid, and its fields.
inline constexpr const char* kCallOutFilter = "DialOutFilter";
inline constexpr const char* kCallInFilter = "DialInFilter";
inline constexpr const char* kFilterNumber = "FilterNumber";
inline constexpr const char* kFilterType = "FilterType";
inline constexpr const char* kFilterGroup = "FilterGroup";
inline constexpr const char* kFilterFrom = "FilterFrom";
inline constexpr const char* kFilterTo = "FilterTo";
inline constexpr const char* kFilterCount = "FilterCount";
} // namespace grids

namespace read {
inline constexpr const char* kWindow = "ReadData";
inline constexpr const char* kReadButton = "Button4";
inline constexpr const char* kStopButton = "Button1";
inline constexpr const char* kExitButton = "Button2";
} // namespace read

namespace display {
inline constexpr const char* kWindow = "CDRDisplay";
// The five boxes, left to right: their memos and Save buttons.
inline constexpr const char* kMemos[] = {"Memo3", "Memo4", "Memo5", "Memo2", "Memo6"};
inline constexpr const char* kSaveButtons[] = {"Button10", "Button11", "Button12", "Button16",
                                               "Button17"};
inline constexpr const char* kMenu = "PopupMenu1";
} // namespace display

} // namespace mervadin::names
