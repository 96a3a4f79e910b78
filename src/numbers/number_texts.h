#pragma once
// Texts of the number list's windows and write, kept exactly as operators
// know them: blanks, carriage returns and spellings ("Earse") are part of
// the text. Do not correct them.

namespace mervadin::texts::numbers {

// The number write's handshake.
inline constexpr const char* kNumberConnecting = "Connecting......\r";
inline constexpr const char* kNumberConnected = "Connected! \r";
inline constexpr const char* kNumberConnectError = "ConnectError! \r";
inline constexpr const char* kNumberNoDevice = "No Connect  ";

// The number write's erase and blocks.
inline constexpr const char* kNumberEraseEnd = "EarseEnd!!!\r";
inline constexpr const char* kNumberSend = "Send Data......\r";
inline constexpr const char* kNumberChecksumError = "ChecksumError!\r";
inline constexpr const char* kNumberWriting = "SaveData......\r";
inline constexpr const char* kNumberStored = "SaveDataEnd!\r";
inline constexpr const char* kNumberRejected = "ResendData!\r";
inline constexpr const char* kNumberRejectedError = "Resend Data!!\r";
inline constexpr const char* kNumberWriteOk[] = {
    " \r\n", " \r\n", " ======================================\r\n",
    "                Write Number OK!\r\n", " ======================================\r\n"};

// The number list window, and the main window's "ClearNumber".
inline constexpr const char* kMaxNumbersLine = "Laod Max:9000 Number";
inline constexpr const char* kReadWarningLine = "Only Read:36000 Number";
// The count line after the lines shown: kShownCount, the count, ";".
inline constexpr const char* kShownCount = "All: ";
inline constexpr const char* kLoadStart = "LoadStart...\r";
inline constexpr const char* kLoadedLine = "Load file OK! \r";
inline constexpr const char* kWorkbookErrorCaption = "ERROR";
inline constexpr const char* kNumbersLoadedCaption = "OK!!";
inline constexpr const char* kNumbersLoaded = "Load file OK! ";
inline constexpr const char* kNumbersClearedCaption = "OK";
inline constexpr const char* kNumbersCleared = "   ClearOk  !!";

// The number list editor.
inline constexpr const char* kEditTitle = "Edit number list";
inline constexpr const char* kEditSaveChanges = "Save the changes to LoadNumber.txt?";
inline constexpr const char* kEditChangedElsewhere =
    "LoadNumber.txt was changed by another program since this list was opened. "
    "Replace it with this list?";
inline constexpr const char* kEditNothingFound = "Nothing found in %1 lines";
inline constexpr const char* kEditFound = "%1 findings; click one to go to its line";
inline constexpr const char* kEditNotFound = "Not found: %1";
inline constexpr const char* kEditSavedLines = "Saved %1 lines to LoadNumber.txt";
inline constexpr const char* kEditTotal = "Total: %1";
inline constexpr const char* kEditFindHint = "Find a group, name or number (Enter: next)";

} // namespace mervadin::texts::numbers
