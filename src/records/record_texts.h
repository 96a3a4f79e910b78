#pragma once
// Texts of the call record read and the record windows, kept exactly as
// operators know them: blanks, carriage returns, line feeds and spellings
// ("Successed") are part of the text, and the type names are those of the
// per-kind files. Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::records {

//: The read's handshake.
inline constexpr const char* kReadConnecting = UI_TEXT("Connecting......\r");
inline constexpr const char* kReadConnected = UI_TEXT("Connected!  \r");
inline constexpr const char* kReadConnectError = UI_TEXT("Connect Error! \r");
inline constexpr const char* kReadNoDevice = UI_TEXT("   No Connect!  ");
// The device went away during the read, and what the read then drops.
inline constexpr const char* kReadLost =
    UI_TEXT("The device was disconnected during the read: nothing read was stored, the call "
            "lists are as they were. Connect it again and read again.");
// A read that ends before its last block keeps none of those it received:
// %1 is their count.
inline constexpr const char* kReadDiscarded =
    UI_TEXT("The %1 blocks received were discarded: nothing was stored.");

//: The read's blocks.
inline constexpr const char* kReadBlockLost = UI_TEXT("Connect Error!  ");
inline constexpr const char* kReadData = UI_TEXT("Read Data......");
inline constexpr const char* kReadChecksum = UI_TEXT("Checksum......");
inline constexpr const char* kReadBlockDamaged =
    UI_TEXT("   Receive                          error   !");
inline constexpr const char* kReadBlockSaved = UI_TEXT("Save OK!!!");
inline constexpr const char* kReadOk[] = {
    UI_TEXT("Read OK!\r\n\n"),
    "==========================================", UI_TEXT("Read CDR OK! \r\n\n ")};
inline constexpr const char* kReadSaved[] = {
    UI_TEXT("Save file OK! \r"), UI_TEXT("  Press [DisplayCDR] Button , display CDR ! ")};

//: What the grids show for the type codes "0" to "4".
inline constexpr const char* kTypeNames[] = {UI_TEXT("CallOutSuccessed"), UI_TEXT("CallOutFailed"),
                                             UI_TEXT("CallInAnswer"), UI_TEXT("CallInMissed"),
                                             UI_TEXT("CallOutManual")};

//: The grids' column headers, blanks and all.
inline constexpr const char* kCallOutHeaders[] = {UI_TEXT("      No."),
                                                  UI_TEXT("      CallOut"),
                                                  UI_TEXT("            Type"),
                                                  UI_TEXT(" Group"),
                                                  UI_TEXT("               Date"),
                                                  UI_TEXT(" Duration"),
                                                  UI_TEXT("                               Remark")};
inline constexpr const char* kCallInHeaders[] = {UI_TEXT("      No."),
                                                 UI_TEXT("       CallIn"),
                                                 UI_TEXT("             Type"),
                                                 UI_TEXT(" Group"),
                                                 UI_TEXT("               Date"),
                                                 UI_TEXT(" Duration"),
                                                 UI_TEXT("                                Remark")};

//: The display window's popup menu: its one entry closes the window.
inline constexpr const char* kDisplayClose = UI_TEXT("关闭软件");

//: The grids' "Save as" and clear.
inline constexpr const char* kSavedCaption = UI_TEXT("OK!!");
inline constexpr const char* kCallOutReplaceCaption = UI_TEXT("Restore");
inline constexpr const char* kCallOutReplace = UI_TEXT("  Replac？");
inline constexpr const char* kCallInReplaceCaption = UI_TEXT("Save File");
inline constexpr const char* kCallInReplace = UI_TEXT("  Replace？");
inline constexpr const char* kCallOutSaved = UI_TEXT("  Save OK!!");
inline constexpr const char* kCallInSaved = UI_TEXT("    Save  OK!!");
inline constexpr const char* kListClearedCaption = UI_TEXT("OK");
inline constexpr const char* kListCleared = UI_TEXT("   Clear Ok  !!");
//: "Save as" on a filtered grid asks which lines go out (%1 shown, %2 in
//: the list), and says how many went.
inline constexpr const char* kSaveWhichCaption = UI_TEXT("Save as");
inline constexpr const char* kSaveWhich =
    UI_TEXT("The filter shows %1 of the %2 lines of this list. Which lines are saved?");
inline constexpr const char* kSaveShownLines = UI_TEXT("The %1 lines shown");
inline constexpr const char* kSaveAllLines = UI_TEXT("All %1 lines");
inline constexpr const char* kLinesSaved = UI_TEXT("Lines saved: %1");
//: A grid's clear asks first; %1 is the count.
inline constexpr const char* kClearRecordsQuestion = UI_TEXT("Clear all %1 call records?");

//: The display window's confirmations, one per kind.
inline constexpr const char* kSucceededSaved = UI_TEXT("     Save   OK!!");
inline constexpr const char* kFailedSaved = UI_TEXT("      Save  OK!!");
inline constexpr const char* kManualSaved = UI_TEXT("     Save   OK!!");
inline constexpr const char* kAnsweredSaved = UI_TEXT("    Save   OK!!");
inline constexpr const char* kMissedSaved = UI_TEXT("      Save    OK!!");

//: The filter bar above a call record grid.
inline constexpr const char* kFilterAllTypes = UI_TEXT("All types");
inline constexpr const char* kFilterNumberHint = UI_TEXT("Number (a part)");
inline constexpr const char* kFilterGroupHint = UI_TEXT("In group");
inline constexpr const char* kFilterFromHint = UI_TEXT("From day");
inline constexpr const char* kFilterToHint = UI_TEXT("To day");
//: The rows shown of all the lines: "12 of 3400".
inline constexpr const char* kFilterCount = UI_TEXT("%1 of %2");
inline constexpr const char* kFilterBadDay =
    UI_TEXT("Not a day: write it as 2026-12-08 or 2026/12/8");
//: Said beside the day fields, in place of the count, while one cannot be read.
inline constexpr const char* kFilterDayForm = UI_TEXT("Day as 2026-12-08");

} // namespace mervadin::texts::records
