#pragma once
// Texts of the call record read and the record windows, kept exactly as
// operators know them: blanks, carriage returns, line feeds and spellings
// ("Successed") are part of the text, and the type names are those of the
// per-kind files. Do not correct them.

namespace mervadin::texts::records {

// The read's handshake.
inline constexpr const char* kReadConnecting = "Connecting......\r";
inline constexpr const char* kReadConnected = "Connected!  \r";
inline constexpr const char* kReadConnectError = "Connect Error! \r";
inline constexpr const char* kReadNoDevice = "   No Connect!  ";

// The read's blocks.
inline constexpr const char* kReadBlockLost = "Connect Error!  ";
inline constexpr const char* kReadData = "Read Data......";
inline constexpr const char* kReadChecksum = "Checksum......";
inline constexpr const char* kReadBlockDamaged = "   Receive                          error   !";
inline constexpr const char* kReadBlockSaved = "Save OK!!!";
inline constexpr const char* kReadOk[] = {
    "Read OK!\r\n\n", "==========================================", "Read CDR OK! \r\n\n "};
inline constexpr const char* kReadSaved[] = {"Save file OK! \r",
                                             "  Press [DisplayCDR] Button , display CDR ! "};

// What the grids show for the type codes "0" to "4".
inline constexpr const char* kTypeNames[] = {"CallOutSuccessed", "CallOutFailed", "CallInAnswer",
                                             "CallInMissed", "CallOutManual"};

// The grids' column headers, blanks and all.
inline constexpr const char* kCallOutHeaders[] = {"      No.",
                                                  "      CallOut",
                                                  "            Type",
                                                  " Group",
                                                  "               Date",
                                                  " Duration",
                                                  "                               Remark"};
inline constexpr const char* kCallInHeaders[] = {"      No.",
                                                 "       CallIn",
                                                 "             Type",
                                                 " Group",
                                                 "               Date",
                                                 " Duration",
                                                 "                                Remark"};

// The display window's popup menu: its one entry closes the window.
inline constexpr const char* kDisplayClose = "关闭软件";

// The grids' "Save as" and clear.
inline constexpr const char* kSavedCaption = "OK!!";
inline constexpr const char* kCallOutReplaceCaption = "Restore";
inline constexpr const char* kCallOutReplace = "  Replac？";
inline constexpr const char* kCallInReplaceCaption = "Save File";
inline constexpr const char* kCallInReplace = "  Replace？";
inline constexpr const char* kCallOutSaved = "  Save OK!!";
inline constexpr const char* kCallInSaved = "    Save  OK!!";
inline constexpr const char* kListClearedCaption = "OK";
inline constexpr const char* kListCleared = "   Clear Ok  !!";
// A grid's clear asks first; %1 is the count.
inline constexpr const char* kClearRecordsQuestion = "Clear all %1 call records?";

// The display window's confirmations, one per kind.
inline constexpr const char* kSucceededSaved = "     Save   OK!!";
inline constexpr const char* kFailedSaved = "      Save  OK!!";
inline constexpr const char* kManualSaved = "     Save   OK!!";
inline constexpr const char* kAnsweredSaved = "    Save   OK!!";
inline constexpr const char* kMissedSaved = "      Save    OK!!";

// The filter bar above a call record grid.
inline constexpr const char* kFilterAllTypes = "All types";
inline constexpr const char* kFilterNumberHint = "Number (a part)";
inline constexpr const char* kFilterGroupHint = "In group";
inline constexpr const char* kFilterFromHint = "From day";
inline constexpr const char* kFilterToHint = "To day";
// The rows shown of all the lines: "12 of 3400".
inline constexpr const char* kFilterCount = "%1 of %2";
inline constexpr const char* kFilterBadDay = "Not a day: write it as 2026-12-08 or 2026/12/8";

} // namespace mervadin::texts::records
