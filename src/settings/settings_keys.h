#pragma once
// The keys of Config.txt, each written here once, with the default value
// each has in a new file, and the lines around them. They are the device's
// other tools' own ("hoster", "moudule", "recode" included): files made by
// those tools hold them so. The settings file, its defaults, the settings
// block, the settings editor and the command line's config all take their
// keys from here; scripts/check-texts fails on a key spelled as a literal
// anywhere else.

#include <string_view>

namespace mervadin::keys {

inline constexpr const char* kVersion = "ver=";
inline constexpr const char* kName = "name=";
inline constexpr const char* kSpeakerVolume = "phone=";
inline constexpr const char* kMicVolume = "mic=";
inline constexpr const char* kBuzzer = "buzzer on=";
inline constexpr const char* kHandsFreeSpeaker = "hf spk vol=";
inline constexpr const char* kHandsFreeMic = "hf mic vol=";
inline constexpr const char* kListenVolume = "listen vol=";
inline constexpr const char* kForwardRingVolume = "server ring vol=";
inline constexpr const char* kMode = "mode=";
inline constexpr const char* kRebootAfterFailures = "setting times of failed call and reboot=";
inline constexpr const char* kHostNumber = "hoster number=";
inline constexpr const char* kDelayedCall = "dial out every time=";
inline constexpr const char* kAnsweredWait = "all time of dial to pickup=";
inline constexpr const char* kPlayMusicMaxTime = "dial out all time=";
inline constexpr const char* kWaitingServiceTime = "no person play sound all time=";
inline constexpr const char* kServiceMaxTime = "pick up call all time=";
inline constexpr const char* kDialCounter = "dial number counter=";
inline constexpr const char* kAutoPickup = "auto pickup time=";
inline constexpr const char* kAddIp = "add ip=";
inline constexpr const char* kDialInType = "dial in type=";
// The four Task Work periods, each: start hour, start minute, end hour, end
// minute.
inline constexpr const char* kPeriods[4][4] = {
    {"start1 hour=", "start1 minute=", "end1 hour=", "end1 minute="},
    {"start2 hour=", "start2 minute=", "end2 hour=", "end2 minute="},
    {"start3 hour=", "start3 minute=", "end3 hour=", "end3 minute="},
    {"start4 hour=", "start4 minute=", "end4 hour=", "end4 minute="},
};
inline constexpr const char* kDialInDelay = "dial in delay time=";
inline constexpr const char* kTaskWork = "auto dial switch=";
inline constexpr const char* kSmsToHost = "send sms to hoster function=";
inline constexpr const char* kSmsToCalled = "send sms to called function=";
inline constexpr const char* kPin = "pin=";
inline constexpr const char* kSms = "sms=";
inline constexpr const char* kImei = "imei=";
inline constexpr const char* kSmsAfterAnswer = "connected delay sms=";
inline constexpr const char* kDtmfDial = "dtmf dial switch=";
inline constexpr const char* kSlaveSpeaker = "slaver phone=";
inline constexpr const char* kSlaveMic = "slaver mic=";
inline constexpr const char* kSlaveImei = "slaver imei=";
inline constexpr const char* kDialMinutes = "dial all minutes=";
inline constexpr const char* kRecording = "recode function=";
inline constexpr const char* kMusicTxVolume = "uplink vol=";
inline constexpr const char* kMusicRxVolume = "downlink vol=";
inline constexpr const char* kSlaveSmsToHost = "slaver moudule send sms to hoster=";
inline constexpr const char* kSlaveSmsToCalled = "slaver moudule send sms to called=";
inline constexpr const char* kForwardDtmf = "forward dtmf key=";
inline constexpr const char* kShowCalledNumber = "display called number=";
inline constexpr const char* kCallBack = "callback=";
inline constexpr const char* kReminder = "Reminder=";
inline constexpr const char* kRingTone = "RingTone=";
inline constexpr const char* kRingVolume = "RingVol=";
inline constexpr const char* kCallOutOutsidePhonebook = "CallOutAllowOutSidePB=";
inline constexpr const char* kCallInOutsidePhonebook = "CallInAllowOutSidePB=";
inline constexpr const char* kRecordingSwitch = "RecSwitch=";
inline constexpr const char* kRingBackVolume = "RctVol=";

// The file's first lines, the last of them the line every settings file
// holds before its keys; and its end line, after which nothing is read.
inline constexpr const char* kHeaderLines[] = {
    "======================================================",
    "=================== velorn Setting ===================",
    "======================================================",
};
inline constexpr std::string_view kHeaderLine = "velorn";
inline constexpr std::string_view kEndLine = "setting end!!!";

struct KeyDefault {
    const char* key;
    const char* value;
};

// Every key, in the order of the default file, with its default value.
inline constexpr KeyDefault kDefaults[] = {
    {kVersion, "00-00"},
    {kName, ""},
    {kSpeakerVolume, "2"},
    {kMicVolume, "2"},
    {kBuzzer, "0"},
    {kHandsFreeSpeaker, "7"},
    {kHandsFreeMic, "4"},
    {kListenVolume, "0"},
    {kForwardRingVolume, "0"},
    {kMode, "1"},
    {kRebootAfterFailures, "10"},
    {kHostNumber, ""},
    {kDelayedCall, "20"},
    {kAnsweredWait, "30"},
    {kPlayMusicMaxTime, "50"},
    {kWaitingServiceTime, "25"},
    {kServiceMaxTime, "999"},
    {kDialCounter, ""},
    {kAutoPickup, "0"},
    {kAddIp, ""},
    {kDialInType, "0"},
    {kPeriods[0][0], "0"},
    {kPeriods[0][1], "0"},
    {kPeriods[0][2], "0"},
    {kPeriods[0][3], "0"},
    {kPeriods[1][0], "0"},
    {kPeriods[1][1], "0"},
    {kPeriods[1][2], "0"},
    {kPeriods[1][3], "0"},
    {kPeriods[2][0], "0"},
    {kPeriods[2][1], "0"},
    {kPeriods[2][2], "0"},
    {kPeriods[2][3], "0"},
    {kPeriods[3][0], "0"},
    {kPeriods[3][1], "0"},
    {kPeriods[3][2], "0"},
    {kPeriods[3][3], "0"},
    {kDialInDelay, "0"},
    {kTaskWork, "0"},
    {kSmsToHost, "0"},
    {kSmsToCalled, "0"},
    {kPin, ""},
    {kSms, ""},
    {kImei, ""},
    {kSmsAfterAnswer, ""},
    {kDtmfDial, "0"},
    {kSlaveSpeaker, "6"},
    {kSlaveMic, "10"},
    {kSlaveImei, ""},
    {kDialMinutes, ""},
    {kRecording, "0"},
    {kMusicTxVolume, "4"},
    {kMusicRxVolume, "1"},
    {kSlaveSmsToHost, "0"},
    {kSlaveSmsToCalled, "0"},
    {kForwardDtmf, "1"},
    {kShowCalledNumber, "1"},
    {kCallBack, "0"},
    {kReminder, "0"},
    {kRingTone, "1"},
    {kRingVolume, "2"},
    {kCallOutOutsidePhonebook, "0"},
    {kCallInOutsidePhonebook, "0"},
    {kRecordingSwitch, "0"},
    {kRingBackVolume, "1"},
};

// Whether `key` is one of the keys above.
constexpr bool IsKnown(std::string_view key) {
    for (const auto& entry : kDefaults)
        if (key == entry.key)
            return true;
    return false;
}

} // namespace mervadin::keys
