#pragma once
// Texts of the number list's windows and write, kept exactly as operators
// know them: blanks, carriage returns and spellings ("Earse") are part of
// the text. Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::numbers {

//: The number write's handshake.
inline constexpr const char* kNumberConnecting = UI_TEXT("Connecting......\r");
inline constexpr const char* kNumberConnected = UI_TEXT("Connected! \r");
inline constexpr const char* kNumberConnectError = UI_TEXT("ConnectError! \r");
inline constexpr const char* kNumberNoDevice = UI_TEXT("No Connect  ");
// The device went away before the number list was written.
inline constexpr const char* kNumbersLost =
    UI_TEXT("The device was disconnected while the number list was written: the device's "
            "number list may now be incomplete. Connect it again and write the number list "
            "again.");

//: The number write's erase and blocks. "Earse" is the spelling operators
//: know: the English stays as it is; keep the "!!!" and the line end.
inline constexpr const char* kNumberEraseEnd = UI_TEXT("EarseEnd!!!\r");
inline constexpr const char* kNumberSend = UI_TEXT("Send Data......\r");
inline constexpr const char* kNumberChecksumError = UI_TEXT("ChecksumError!\r");
inline constexpr const char* kNumberWriting = UI_TEXT("SaveData......\r");
inline constexpr const char* kNumberStored = UI_TEXT("SaveDataEnd!\r");
inline constexpr const char* kNumberRejected = UI_TEXT("ResendData!\r");
inline constexpr const char* kNumberRejectedError = UI_TEXT("Resend Data!!\r");
inline constexpr const char* kNumberWriteOk[] = {
    UI_TEXT(" \r\n"), UI_TEXT(" \r\n"), UI_TEXT(" ======================================\r\n"),
    UI_TEXT("                Write Number OK!\r\n"),
    UI_TEXT(" ======================================\r\n")};

// After the first findings of the number write's warnings.
inline constexpr const char* kMoreFindings =
    UI_TEXT("... and %1 more findings: Check in the list editor lists them all");

//: The number list window, and the main window's "ClearNumber". "Laod" is
//: the spelling operators know: the English stays as it is; translate the
//: meaning (9000 numbers at most).
inline constexpr const char* kMaxNumbersLine = UI_TEXT("Laod Max:9000 Number");
inline constexpr const char* kReadWarningLine = UI_TEXT("Only Read:36000 Number");
//: The count line after the lines shown: kShownCount, the count, ";".
inline constexpr const char* kShownCount = UI_TEXT("All: ");
inline constexpr const char* kLoadStart = UI_TEXT("LoadStart...\r");
inline constexpr const char* kLoadedLine = UI_TEXT("Load file OK! \r");
inline constexpr const char* kWorkbookErrorCaption = UI_TEXT("ERROR");
inline constexpr const char* kNumbersLoadedCaption = UI_TEXT("OK!!");
inline constexpr const char* kNumbersLoaded = UI_TEXT("Load file OK! ");
//: Asked before an import replaces a list that holds numbers (the caption
//: is the import's command).
inline constexpr const char* kReplaceNumbers = UI_TEXT("Replace the %1 numbers of the list?");
inline constexpr const char* kNumbersClearedCaption = UI_TEXT("OK");
inline constexpr const char* kNumbersCleared = UI_TEXT("   ClearOk  !!");

//: The number list editor.
inline constexpr const char* kEditTitle = UI_TEXT("Edit number list");
inline constexpr const char* kEditSaveChanges = UI_TEXT("Save the changes to LoadNumber.txt?");
inline constexpr const char* kEditChangedElsewhere =
    UI_TEXT("LoadNumber.txt was changed by another program since this list was opened. "
            "Replace it with this list?");
inline constexpr const char* kEditNothingFound = UI_TEXT("Nothing found in %1 lines");
inline constexpr const char* kEditFound = UI_TEXT("%1 findings; click one to go to its line");
//: Why the table refused what was typed into a cell: the encoding's name or
//: the text.
inline constexpr const char* kEditCannotEncode = UI_TEXT("%1 cannot hold \"%2\"");
inline constexpr const char* kEditNoSeparators =
    UI_TEXT("A field cannot hold a comma, a TAB or a line break: \"%1\"");
inline constexpr const char* kEditNotFound = UI_TEXT("Not found: %1");
inline constexpr const char* kEditSavedLines = UI_TEXT("Saved %1 lines to LoadNumber.txt");
inline constexpr const char* kEditTotal = UI_TEXT("Total: %1");
inline constexpr const char* kEditFindHint = UI_TEXT("Find a group, name or number (Enter: next)");

//: The calling round's windows, opened from the number list window and the
//: main window's menus; an import or a next list that left blocked numbers
//: out says how many.
inline constexpr const char* kOutcomeCommand = UI_TEXT("Outcome of the list…");
inline constexpr const char* kBlockListCommand = UI_TEXT("Numbers never to call…");
inline constexpr const char* kBlockedLeftOut =
    UI_TEXT("%1 lines with numbers never to call were left out.");

} // namespace mervadin::texts::numbers
