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

// The number list editor, opened from the number list window.
inline constexpr const char* kEditButton = "EditList";
inline constexpr const char* kEditor = "NumberEditor";
inline constexpr const char* kEditorTable = "NumberTable";
inline constexpr const char* kEditorAdd = "AddRow";
inline constexpr const char* kEditorDelete = "DeleteRows";
inline constexpr const char* kEditorUndo = "UndoEdit";
inline constexpr const char* kEditorRedo = "RedoEdit";
inline constexpr const char* kEditorCheck = "CheckList";
inline constexpr const char* kEditorSave = "SaveList";
inline constexpr const char* kEditorClose = "CloseEditor";
inline constexpr const char* kEditorFind = "FindText";
inline constexpr const char* kEditorFindings = "Findings";
inline constexpr const char* kEditorTotal = "EditTotal";
inline constexpr const char* kEditorStatus = "EditStatus";

// The calling round's windows, opened from the number list window.
inline constexpr const char* kBlockListButton = "BlockListButton";
inline constexpr const char* kOutcomeButton = "OutcomeButton";

} // namespace mervadin::names::numbers
