#pragma once
// Texts every device exchange shares, kept exactly as operators know them:
// blanks, carriage returns and spellings ("Earse") are part of the text.
// Do not correct them.

namespace mervadin::texts::operation {

// The caption of the box shown when no device is connected.
inline constexpr const char* kGuardCaption = "  Error  ";

// The erase of a flash area before a number or voice write.
inline constexpr const char* kErasing = "Earse......\r";
inline constexpr const char* kEraseRule = "==========================";

// A block write's blocks.
inline constexpr const char* kBlockRule = "=============================";
inline constexpr const char* kLoadData = "LoadData......";
inline constexpr const char* kDataErrorCaption = "OK";
inline constexpr const char* kDataError = "DataError!";

// An unplug while an operation, or Stop's or Exit's frames, ran.
inline constexpr const char* kDeviceLost = "The device was disconnected: operation ended.";
inline constexpr const char* kDeviceLostAfterWork =
    "The device was disconnected after the work was done.";
inline constexpr const char* kFramesCut =
    "The device was disconnected before the three frames were sent.";

// The memo line of the Stop command, once its three frames are out: in the
// download window (the settings, number and voice writes) and the read window.
inline constexpr const char* kDownloadStop = "================Stop==================\r";
inline constexpr const char* kReadStop = "================STOP==================\r";

} // namespace mervadin::texts::operation
