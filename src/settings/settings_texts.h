#pragma once
// Texts of the settings editor and write, kept exactly as operators know them: blanks
// and carriage returns are part of the text. Do not correct them.

namespace mervadin::texts::settings {

// The settings write's handshake.
inline constexpr const char* kSettingsConnecting = "Connecting......";
inline constexpr const char* kSettingsConnected = "Connected   ";
inline constexpr const char* kSettingsConnectError = "Connect Error!";
inline constexpr const char* kSettingsNoDevice = "   No Connect!  ";

// The settings write's block.
inline constexpr const char* kSettingsLoad = "Load ......";
inline constexpr const char* kSettingsSend = "Send......";
// The caption of the settings write's boxes and of the editor's defaults box.
inline constexpr const char* kSettingsBoxCaption = "OK";
inline constexpr const char* kSettingsChecksumError = "CheckSum Error!";
inline constexpr const char* kSettingsChecksumBox = "Data Error!  ";
inline constexpr const char* kSettingsDataError = "Data Error!";
inline constexpr const char* kSettingsDataErrorBox = "  Data Error!";
inline constexpr const char* kSettingsTimeOut = "Time Out!!!\r";
inline constexpr const char* kSettingsSaved = "Save OK!\r";
inline constexpr const char* kSettingsWriteOk[] = {
    " \r", " \r", " ======================================", "            Write Setting OK!\r",
    " ======================================"};
inline constexpr const char* kSettingsWriteOkBox = "  Write Setting OK!";

// The settings editor.
inline constexpr const char* kSettingsSavedCaption = "OK!!";
inline constexpr const char* kSettingsSavedBox = "  Save Setting !!";
inline constexpr const char* kDefaultSettingsBox = "  DefaultSetting OK!!  ";
// Escape with unsaved changes asks first (the caption is the window's).
inline constexpr const char* kLeaveUnsaved = "Close the settings without saving your changes?";

} // namespace mervadin::texts::settings
