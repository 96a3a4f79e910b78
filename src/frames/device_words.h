#pragma once
// The words of the device's frames, each written here once: what the tool
// asks, what the device answers, and the tags of its status frames. They
// are the device's own, misspellings included ("earsespi!"): the device
// says and understands nothing else. The frames the tool sends are
// templates of these words (frames/frame_templates.h); everything else that
// looks for a word, or puts one into a frame, uses the constants below.
// scripts/check-texts fails on a word spelled as a literal anywhere else.

#include <string_view>

namespace mervadin::words {

// The frame's parts: the opening, the checksum's tag and the end.
inline constexpr std::string_view kOpening = "velorn<";
inline constexpr std::string_view kChecksumTag = "checksum:";
inline constexpr std::string_view kChecksumTail = "checksum:000000;>end";
inline constexpr std::string_view kEndMark = ">end";

// The tool's requests: the first word after the opening names the exchange.
inline constexpr std::string_view kWriteSetting = "writesetting?";
inline constexpr std::string_view kWriteNumber = "writenumber?";
inline constexpr std::string_view kWriteMusic = "writemusic?";
inline constexpr std::string_view kReadCdr = "readcdr?";
inline constexpr std::string_view kStop = "stop?";
inline constexpr std::string_view kExit = "exit?";
// The live monitor's commands, carried by the answer to a status frame.
inline constexpr std::string_view kStartDialing = "start!";
inline constexpr std::string_view kStopDialing = "end!";
inline constexpr std::string_view kForward = "server!";
inline constexpr std::string_view kSendSms = "sendsms!";

// The device's answers, and the tool's acknowledgement.
inline constexpr std::string_view kOk = "okok!";
inline constexpr std::string_view kModule = "module"; // "module:" and the model's name
inline constexpr std::string_view kEraseStarted = "earsespi!";
inline constexpr std::string_view kEraseStep = "earse:"; // the step's number and ";"
inline constexpr std::string_view kEraseDone = "earsespiok!";
inline constexpr std::string_view kWriting = "writingspi!";
inline constexpr std::string_view kStored = "writespiok!";
inline constexpr std::string_view kDataError = "data_err!";
inline constexpr std::string_view kTimeout = "timeout!";

// The status frame's tags, each followed by its value and ";".
inline constexpr std::string_view kStation = "masterstation:";
inline constexpr std::string_view kSignal = "mastercsq:";
inline constexpr std::string_view kNumber = "number:";
inline constexpr std::string_view kCdr = "cdr:";
inline constexpr std::string_view kDtmf = "dtmf:";
inline constexpr std::string_view kCounter = "counter:";
inline constexpr std::string_view kTalkingTime = "talkingtime:";
inline constexpr std::string_view kSpeaker = "masterspk:";
inline constexpr std::string_view kMicrophone = "mastermic:";
// The fields of the call record a status frame's "cdr:" carries.
inline constexpr std::string_view kRecordName = "Name:";
inline constexpr std::string_view kRecordGroup = "Id:";
inline constexpr std::string_view kRecordNumber = "Number:";
inline constexpr std::string_view kRecordDate = "Date:";
inline constexpr std::string_view kRecordType = "Type:";
inline constexpr std::string_view kRecordDuration = "Duration:";

} // namespace mervadin::words
