#pragma once
// Texts of the voice prompt's load and write, kept exactly as operators know
// them: blanks, carriage returns and spellings ("Earse", "Trasmit") are part
// of the text, and the Chinese ones are the device maker's own. Do not
// correct them.

#include "common/ui_text.h"

namespace mervadin::texts::voice {

//: Loading a voice file.
inline constexpr const char* kVoiceLoadedCaption = UI_TEXT("OK!!");
inline constexpr const char* kVoiceLoaded = UI_TEXT("  语音文件打开 OK !!");

//: The voice write's handshake.
inline constexpr const char* kVoiceConnecting = UI_TEXT("   连接中......\r");
inline constexpr const char* kVoiceConnected = UI_TEXT("Connected \r");
inline constexpr const char* kVoiceConnectFailed[] = {
    UI_TEXT("   连接失败 \r"), UI_TEXT("   请检查数据线连接是否正确 \r"),
    UI_TEXT("   请检查ZAR是否开机\r"), UI_TEXT("   检查完成后,再连接\r")};
inline constexpr const char* kVoiceNoDevice = UI_TEXT("   没有连接!!  ");
// The device went away before the voice prompt was written.
inline constexpr const char* kVoiceLost =
    UI_TEXT("The device was disconnected while the voice prompt was written: the device's "
            "voice prompt may now be incomplete. Connect it again and write the voice prompt "
            "again.");

//: The voice write's erase and blocks, memo lines in the spelling operators
//: know ("Earse", "Trasmit"): the English stays as it is; keep the line ends.
inline constexpr const char* kVoiceEraseFailed = UI_TEXT("ConnectFailed \r");
inline constexpr const char* kVoiceEraseEnd = UI_TEXT("EarseEnd \r");
inline constexpr const char* kVoiceSend = UI_TEXT("Trasmit......\r");
inline constexpr const char* kVoiceChecksumError = UI_TEXT("ChecksumError !!!\r");
inline constexpr const char* kVoiceWriting = UI_TEXT("Save......\r");
inline constexpr const char* kVoiceStored = UI_TEXT("SaveEnd!!!\r");
inline constexpr const char* kVoiceRejected = UI_TEXT("ReSend!!!\r");
inline constexpr const char* kVoiceWriteOk[] = {
    UI_TEXT(" \r"), UI_TEXT(" \r"),
    " ======================================", UI_TEXT("             写语音完成!!!\r"),
    " ======================================"};
inline constexpr const char* kVoiceWriteOkCaption = UI_TEXT("OK");
inline constexpr const char* kVoiceWriteOkBox = UI_TEXT("  写语音完成!");

} // namespace mervadin::texts::voice
