#pragma once
// Texts of the main window and the download window, kept exactly as
// operators know them: blanks and spellings are part of the text. Do not
// correct them.

#include "common/ui_text.h"

namespace mervadin::texts::app {

inline constexpr const char* kMainTitle = UI_TEXT("Mervadin Ver:A00-002");
//: DownLoad and ReadCdr without a device (the caption is kGuardCaption).
inline constexpr const char* kDownloadNoDevice = UI_TEXT("   No Connect!  ");
inline constexpr const char* kReadCdrNoDevice = UI_TEXT("   No Connect!!  ");
//: "ClearNumber" (the menu entry, and the caption of its question) asks
//: first; %1 is the count.
inline constexpr const char* kClearNumbersCommand = UI_TEXT("ClearNumber");
inline constexpr const char* kClearNumbersQuestion = UI_TEXT("Clear all %1 numbers?");
//: A start-up failure's caption.
inline constexpr const char* kMessageCaption = UI_TEXT("Message");
//: The download window's first memo lines: the date and time after this, then
//: kConnectZel.
inline constexpr const char* kCurrentData = UI_TEXT("Current Data: ");
inline constexpr const char* kConnectZel = UI_TEXT("Connect ZEL");

//: The grids' clear commands (entries of PopupMenu2 and PopupMenu3), also the
//: captions of their questions.
inline constexpr const char* kClearCallOutCommand = UI_TEXT("Clear Callout CDR List");
inline constexpr const char* kClearCallInCommand = UI_TEXT("Clear Callin CDR list");

} // namespace mervadin::texts::app
