#pragma once
// Texts of the main window and the download window, kept exactly as
// operators know them: blanks and spellings are part of the text. Do not
// correct them.

namespace mervadin::texts {

inline constexpr const char* kMainTitle = "Mervadin Ver:A00-002";
inline constexpr const char* kUsbConnected = "USB Connected";
inline constexpr const char* kUsbNoConnect = "USB No Connect";
// DownLoad and ReadCdr without a device (the caption is kGuardCaption).
inline constexpr const char* kDownloadNoDevice = "   No Connect!  ";
inline constexpr const char* kReadNoDevice = "   No Connect!!  ";
inline constexpr const char* kNumbersCleared = "   ClearOk  !!";
// "ClearNumber" asks first; %1 is the count.
inline constexpr const char* kClearNumbersCaption = "ClearNumber";
inline constexpr const char* kClearNumbersQuestion = "Clear all %1 numbers?";
// A start-up failure's caption.
inline constexpr const char* kMessageCaption = "Message";
// The download window's first memo lines, after the date.
inline constexpr const char* kConnectZel = "Connect ZEL";

} // namespace mervadin::texts
