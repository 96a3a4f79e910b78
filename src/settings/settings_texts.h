#pragma once
// Texts of the settings editor and write, kept exactly as operators know them: blanks
// and carriage returns are part of the text. Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::settings {

//: The settings write's handshake.
inline constexpr const char* kSettingsConnecting = UI_TEXT("Connecting......");
inline constexpr const char* kSettingsConnected = UI_TEXT("Connected   ");
inline constexpr const char* kSettingsConnectError = UI_TEXT("Connect Error!");
inline constexpr const char* kSettingsNoDevice = UI_TEXT("   No Connect!  ");
// The device went away before the settings were written.
inline constexpr const char* kSettingsLost =
    UI_TEXT("The device was disconnected while the settings were written: the settings in the "
            "device may now be incomplete. Connect it again and write the settings again.");

//: The settings write's block.
inline constexpr const char* kSettingsLoad = UI_TEXT("Load ......");
inline constexpr const char* kSettingsSend = UI_TEXT("Send......");
//: The caption of the settings write's boxes and of the editor's defaults box.
inline constexpr const char* kSettingsBoxCaption = UI_TEXT("OK");
inline constexpr const char* kSettingsChecksumError = UI_TEXT("CheckSum Error!");
inline constexpr const char* kSettingsChecksumBox = UI_TEXT("Data Error!  ");
inline constexpr const char* kSettingsDataError = UI_TEXT("Data Error!");
inline constexpr const char* kSettingsDataErrorBox = UI_TEXT("  Data Error!");
inline constexpr const char* kSettingsTimeOut = UI_TEXT("Time Out!!!\r");
inline constexpr const char* kSettingsSaved = UI_TEXT("Save OK!\r");
inline constexpr const char* kSettingsWriteOk[] = {
    UI_TEXT(" \r"), UI_TEXT(" \r"),
    " ======================================", UI_TEXT("            Write Setting OK!\r"),
    " ======================================"};
inline constexpr const char* kSettingsWriteOkBox = UI_TEXT("  Write Setting OK!");

//: The settings editor.
inline constexpr const char* kSettingsSavedCaption = UI_TEXT("OK!!");
inline constexpr const char* kSettingsSavedBox = UI_TEXT("  Save Setting !!");
inline constexpr const char* kDefaultSettingsBox = UI_TEXT("  DefaultSetting OK!!  ");
// A field that holds what the settings block cannot carry is refused on
// Save: the field's label, then what it holds.
inline constexpr const char* kFieldNotNumber =
    UI_TEXT("%1: \"%2\" is not a number (digits only); nothing was saved.");
inline constexpr const char* kFieldNotTelephone =
    UI_TEXT("%1: \"%2\" is not a telephone number (digits only); nothing was saved.");
//: The settings write's refusal of Config.txt's values that the block cannot
//: carry: the file, then a clause for each field (a label and its value,
//: or the key and value as the file holds them).
inline constexpr const char* kSettingsRefused = UI_TEXT("%1: %2; nothing was sent to the device.");
inline constexpr const char* kSettingNotNumber = UI_TEXT("%1 is not a number");
inline constexpr const char* kSettingNotTelephone =
    UI_TEXT("%1 is not a telephone number of at most 16 digits");
//: Below the SMS box, as it is typed: its bytes in the chosen encoding and
//: the most the settings block holds.
inline constexpr const char* kSmsBytes = UI_TEXT("%1 of %2 bytes");
// Escape with unsaved changes asks first (the caption is the window's).
inline constexpr const char* kLeaveUnsaved =
    UI_TEXT("Close the settings without saving your changes?");

} // namespace mervadin::texts::settings
