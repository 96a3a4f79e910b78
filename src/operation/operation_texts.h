#pragma once
// Texts every device exchange shares, kept exactly as operators know them:
// blanks, carriage returns and spellings ("Earse") are part of the text.
// Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::operation {

//: The caption of the box shown when no device is connected.
inline constexpr const char* kGuardCaption = UI_TEXT("  Error  ");

//: The erase of a flash area before a number or voice write. "Earse" is the
//: spelling operators know: the English stays as it is. The dots and
//: the line end are part of the memo line: keep them.
inline constexpr const char* kErasing = UI_TEXT("Earse......\r");
inline constexpr const char* kEraseRule = "==========================";

// A block write's blocks.
inline constexpr const char* kBlockRule = "=============================";
inline constexpr const char* kLoadData = UI_TEXT("LoadData......");
inline constexpr const char* kDataErrorCaption = UI_TEXT("OK");
inline constexpr const char* kDataError = UI_TEXT("DataError!");
//: A write whose block the device never stored, whatever it answered: %1 is
//: the block's retry limit, plus the one that ended it.
inline constexpr const char* kBlockNotStored = UI_TEXT(
    "The device has not stored the block after %1 answers or silences: the write was ended.");

//: An unplug while an operation, or Stop's or Exit's frames, ran.
inline constexpr const char* kDeviceLost = UI_TEXT("The device was disconnected: operation ended.");
inline constexpr const char* kDeviceLostAfterWork =
    UI_TEXT("The device was disconnected after the work was done.");
//: The box shown when the device goes away before an operation's work is
//: done; its text is the operation's own.
inline constexpr const char* kDeviceLostCaption = UI_TEXT("Device disconnected");
inline constexpr const char* kFramesCut =
    UI_TEXT("The device was disconnected before the three frames were sent.");

//: The memo line of the Stop command, once its three frames are out: in the
//: download window (the settings, number and voice writes) and the read window.
inline constexpr const char* kDownloadStop = UI_TEXT("================Stop==================\r");
inline constexpr const char* kReadStop = UI_TEXT("================STOP==================\r");

} // namespace mervadin::texts::operation
