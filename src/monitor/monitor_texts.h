#pragma once
// Texts of the monitor panel, kept exactly as operators know them: blanks
// and spellings ("Moniter") are part of the text. Do not correct them.

namespace mervadin::texts::monitor {

inline constexpr const char* kMonitorNoDevice = "   No Connect!  ";

// The call states by their two-digit code after "masterstation:".
inline constexpr const char* kStateNames[18] = {
    "PowerOn",   "Idel",         "Ring",       "Answer",        "WaitSevice", "ProvidingService",
    "Conneting", "NoAnswer",     "CalledRing", "Answered",      "WaitSevice", "ProvidingService",
    "Foword",    "FowordAnswer", "SmsSendOk",  "SmsSendFailed", "SmsSending", ""};

// The status line: each piece is followed by its value.
inline constexpr const char* kStatusState = "M-Station:";
inline constexpr const char* kStatusNumber = "; M-number:";
inline constexpr const char* kStatusKeys = "; key:";
inline constexpr const char* kStatusCounter = "; No.:";
inline constexpr const char* kStatusTalking = ";Talking:";
inline constexpr const char* kStatusSpeaker = "; M-SPK:";
inline constexpr const char* kStatusMicrophone = "; M-MIC:";
inline constexpr const char* kStatusEnd = "; ";

// The level boxes' items after the shared "-OFF-": the prefix and a level.
inline constexpr const char* kSpeakerItem = "SpkVol:";
inline constexpr const char* kMicrophoneItem = "MicVol:";
// The number count line: kTotal, the count, and while monitoring "/" and
// the device's call counter.
inline constexpr const char* kTotal = "Total:";

} // namespace mervadin::texts::monitor
