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

} // namespace mervadin::texts::numbers
