#pragma once
// Texts of the monitor panel, kept exactly as operators know them: blanks
// and spellings ("Moniter") are part of the text. Do not correct them.

#include "common/ui_text.h"

namespace mervadin::texts::monitor {

inline constexpr const char* kMonitorNoDevice = UI_TEXT("   No Connect!  ");

//: A call state of the device, as its status line names it after
//: "M-Station:" (its code comes in the "masterstation:" frame). The device's
//: own words, misspellings included ("Idel", "WaitSevice", "Conneting",
//: "Foword"): the English stays as it is; translate the meaning.
inline constexpr const char* kStateNames[18] = {
    UI_TEXT("PowerOn"),       UI_TEXT("Idel"),         UI_TEXT("Ring"),
    UI_TEXT("Answer"),        UI_TEXT("WaitSevice"),   UI_TEXT("ProvidingService"),
    UI_TEXT("Conneting"),     UI_TEXT("NoAnswer"),     UI_TEXT("CalledRing"),
    UI_TEXT("Answered"),      UI_TEXT("WaitSevice"),   UI_TEXT("ProvidingService"),
    UI_TEXT("Foword"),        UI_TEXT("FowordAnswer"), UI_TEXT("SmsSendOk"),
    UI_TEXT("SmsSendFailed"), UI_TEXT("SmsSending"),   ""};

//: A name in the monitor's status line, followed by the value the device
//: sent ("M-Station:Idel; M-number:138...; key:..."); keep the leading
//: "; " and the trailing colon.
inline constexpr const char* kStatusState = UI_TEXT("M-Station:");
inline constexpr const char* kStatusNumber = UI_TEXT("; M-number:");
inline constexpr const char* kStatusKeys = UI_TEXT("; key:");
inline constexpr const char* kStatusCounter = UI_TEXT("; No.:");
inline constexpr const char* kStatusTalking = UI_TEXT(";Talking:");
inline constexpr const char* kStatusSpeaker = UI_TEXT("; M-SPK:");
inline constexpr const char* kStatusMicrophone = UI_TEXT("; M-MIC:");
inline constexpr const char* kStatusEnd = "; ";

//: The level boxes' items after the shared "-OFF-": the prefix and a level.
inline constexpr const char* kSpeakerItem = UI_TEXT("SpkVol:");
inline constexpr const char* kMicrophoneItem = UI_TEXT("MicVol:");
//: The number count line: kTotal, the count, and while monitoring "/" and
//: the device's call counter.
inline constexpr const char* kTotal = UI_TEXT("Total:");

// What SendSms says in the status line.
inline constexpr const char* kSmsRequested =
    UI_TEXT("SendSms: the device is asked to send the SMS (with the next answer)");
inline constexpr const char* kSmsNotMonitoring =
    UI_TEXT("SendSms: the monitor is off; press MonitorON first");

} // namespace mervadin::texts::monitor
