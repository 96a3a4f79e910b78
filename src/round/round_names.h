#pragma once
// The object names of the calling round's windows' controls: how tests, and
// any tool that drives the windows, find them.

namespace mervadin::names::round {

// The outcome of a list.
inline constexpr const char* kOutcomeWindow = "OutcomeWindow";
inline constexpr const char* kListFile = "OutcomeListFile";
inline constexpr const char* kChooseList = "ChooseList";
inline constexpr const char* kWorkingList = "WorkingList";
inline constexpr const char* kAllDays = "AllDays";
inline constexpr const char* kFromDay = "FromDay";
inline constexpr const char* kToDay = "ToDay";
inline constexpr const char* kRefresh = "Refresh";
inline constexpr const char* kTotals = "OutcomeTotals";
inline constexpr const char* kSetApart = "SetApart";
inline constexpr const char* kFilter = "OutcomeFilter";
inline constexpr const char* kTable = "OutcomeTable";
inline constexpr const char* kNotReachedChoice = "NotReachedChoice";
inline constexpr const char* kSaveNotReached = "SaveNotReached";
inline constexpr const char* kReplaceList = "ReplaceList";
inline constexpr const char* kClose = "Close";

// The calls of one number, from a double-click on its row.
inline constexpr const char* kCallsWindow = "NumberCalls";
inline constexpr const char* kCallsTable = "CallsTable";
inline constexpr const char* kCallsCount = "CallsCount";

// The numbers never to call.
inline constexpr const char* kBlockWindow = "BlockListWindow";
inline constexpr const char* kBlockNumbers = "BlockedNumbers";
inline constexpr const char* kBlockNumber = "NumberToBlock";
inline constexpr const char* kBlockAdd = "AddBlocked";
inline constexpr const char* kBlockRemove = "RemoveBlocked";
inline constexpr const char* kBlockImport = "ImportBlocked";
inline constexpr const char* kBlockCount = "BlockedCount";

} // namespace mervadin::names::round
