#pragma once
// Texts of the voice prompt's load and write, kept exactly as operators know
// them: blanks, carriage returns and spellings ("Earse", "Trasmit") are part
// of the text, and the Chinese ones are the device maker's own. Do not
// correct them.

namespace mervadin::texts::voice {

// Loading a voice file.
inline constexpr const char* kVoiceLoadedCaption = "OK!!";
inline constexpr const char* kVoiceLoaded = "  语音文件打开 OK !!";

// The voice write's handshake.
inline constexpr const char* kVoiceConnecting = "   连接中......\r";
inline constexpr const char* kVoiceConnected = "Connected \r";
inline constexpr const char* kVoiceConnectFailed[] = {
    "   连接失败 \r", "   请检查数据线连接是否正确 \r", "   请检查ZAR是否开机\r",
    "   检查完成后,再连接\r"};
inline constexpr const char* kVoiceNoDevice = "   没有连接!!  ";

// The voice write's erase and blocks.
inline constexpr const char* kVoiceEraseFailed = "ConnectFailed \r";
inline constexpr const char* kVoiceEraseEnd = "EarseEnd \r";
inline constexpr const char* kVoiceSend = "Trasmit......\r";
inline constexpr const char* kVoiceChecksumError = "ChecksumError !!!\r";
inline constexpr const char* kVoiceWriting = "Save......\r";
inline constexpr const char* kVoiceStored = "SaveEnd!!!\r";
inline constexpr const char* kVoiceRejected = "ReSend!!!\r";
inline constexpr const char* kVoiceWriteOk[] = {
    " \r", " \r", " ======================================", "             写语音完成!!!\r",
    " ======================================"};
inline constexpr const char* kVoiceWriteOkCaption = "OK";
inline constexpr const char* kVoiceWriteOkBox = "  写语音完成!";

} // namespace mervadin::texts::voice
