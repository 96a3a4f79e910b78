#include "sim/sim_dialer.h"

#include "common/local_time.h"
#include "frames/device_words.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace mervadin::sim {

namespace {

// Call states, by the code the status frame carries.
enum : int {
    kIdle = 1,
    kConnecting = 6,
    kNoAnswer = 7,
    kCalledRing = 8,
    kAnswered = 9,
    kForward = 12,
    kForwardAnswer = 13,
    kSmsOk = 14,
    kSmsSending = 16,
};

constexpr std::uint64_t kConnectingMs = 800;
constexpr std::uint64_t kRingMs = 1500;
constexpr std::uint64_t kTalkMs = 2500;
constexpr std::uint64_t kNoAnswerMs = 500;
constexpr std::uint64_t kPauseMs = 700;
constexpr std::uint64_t kForwardMs = 1000;
constexpr std::uint64_t kSmsMs = 800;

const std::vector<DialEntry>& SampleNumbers() {
    static const std::vector<DialEntry> numbers = {
        {1, "Alice", "13800000001"}, {1, "Bob", "13800000002"}, {2, "Carol", "5550196"}};
    return numbers;
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string Clock(int seconds) {
    return std::to_string(seconds / 3600) + ":" + std::to_string(seconds % 3600 / 60) + ":" +
           std::to_string(seconds % 60);
}

// Each tag with its value and ";", as the status frame carries them.
std::string Fields(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    std::string text;
    for (const auto& [tag, value] : fields)
        text.append(tag).append(value).append(";");
    return text;
}

CallRecord Stamped(CallRecord record) {
    const LocalTime now = Now();
    record.year = now.year - 2000;
    record.month = now.month;
    record.day = now.day;
    record.secondOfDay = now.hour * 3600 + now.minute * 60 + now.second;
    return record;
}

} // namespace

SimDialer::SimDialer(std::string model) : model_(std::move(model)) {}

void SimDialer::StartDialing(std::uint64_t nowMs) {
    dialing_ = true;
    if (state_ == kIdle)
        BeginCall(nowMs);
}

void SimDialer::StopDialing() {
    dialing_ = false;
    if (state_ == kConnecting || state_ == kCalledRing || state_ == kNoAnswer)
        EndCall(1);
    else if (state_ == kAnswered || state_ == kForward || state_ == kForwardAnswer)
        EndCall(0);
    state_ = kIdle;
    stateEndsMs_ = 0;
}

void SimDialer::Forward(std::uint64_t nowMs) {
    if (state_ == kAnswered)
        EnterState(kForward, nowMs, kForwardMs);
}

void SimDialer::SendSms(std::uint64_t nowMs) {
    if (state_ == kIdle)
        EnterState(kSmsSending, nowMs, kSmsMs);
}

void SimDialer::BeginCall(std::uint64_t nowMs) {
    const auto& list = numbers_.empty() ? SampleNumbers() : numbers_;
    current_ = list[next_++ % list.size()];
    ++counter_;
    keys_.clear();
    talking_ = 0;
    EnterState(kConnecting, nowMs, kConnectingMs);
}

void SimDialer::EnterState(int state, std::uint64_t nowMs, std::uint64_t lastsMs) {
    state_ = state;
    stateEndsMs_ = nowMs + lastsMs;
}

// One record for both: what the device keeps is what it announces.
void SimDialer::EndCall(int type) {
    CallRecord record;
    record.group = current_.group;
    record.name = current_.name;
    record.number = current_.number;
    record.type = type;
    record.duration = type == 0 ? talking_ : 0;
    record = Stamped(record);
    ended_.push_back(record);
    announce_.push_back(record);
}

std::vector<CallRecord> SimDialer::TakeEnded() {
    return std::exchange(ended_, {});
}

void SimDialer::Advance(std::uint64_t nowMs) {
    if (state_ == kAnswered || state_ == kForwardAnswer)
        talking_ = static_cast<int>((nowMs - talkStartMs_) / 1000);
    if (stateEndsMs_ == 0 || nowMs < stateEndsMs_)
        return;
    switch (state_) {
    case kConnecting:
        EnterState(kCalledRing, nowMs, kRingMs);
        break;
    case kCalledRing:
        // Every third call goes unanswered.
        if (++calls_ % 3 == 0) {
            EnterState(kNoAnswer, nowMs, kNoAnswerMs);
        } else {
            talkStartMs_ = nowMs;
            keys_ = "1";
            EnterState(kAnswered, nowMs, kTalkMs);
        }
        break;
    case kForward:
        talkStartMs_ = nowMs;
        EnterState(kForwardAnswer, nowMs, kTalkMs);
        break;
    case kAnswered:
    case kForwardAnswer:
    case kNoAnswer:
        EndCall(state_ == kNoAnswer ? 1 : 0);
        EnterState(kIdle, nowMs, kPauseMs);
        break;
    case kSmsSending:
        EnterState(kSmsOk, nowMs, kSmsMs);
        break;
    default: // idle pause or SMS shown: next call when dialing
        stateEndsMs_ = 0;
        state_ = kIdle;
        if (dialing_)
            BeginCall(nowMs);
        break;
    }
}

std::string SimDialer::StatusPayload() {
    std::string cdr = ";";
    if (!announce_.empty()) {
        const CallRecord& r = announce_.front();
        // The date as "2026/12/07 09:05", which fits the 16 characters the
        // tool takes of a live record's date.
        char date[40];
        std::snprintf(date, sizeof date, "20%02d/%02d/%02d %02d:%02d", r.year % 100, r.month, r.day,
                      r.secondOfDay / 3600, r.secondOfDay % 3600 / 60);
        cdr = Fields({{words::kRecordName, r.name},
                      {words::kRecordGroup, std::to_string(r.group)},
                      {words::kRecordNumber, r.number},
                      {words::kRecordDate, date},
                      {words::kRecordType, std::to_string(r.type)},
                      {words::kRecordDuration, Clock(r.duration)}});
        announce_.pop_front();
    }
    char counter[16];
    std::snprintf(counter, sizeof counter, "%06u", static_cast<unsigned>(counter_ % 1000000));
    std::string keys = keys_;
    keys.resize(6, 'f');
    const bool inCall = state_ != kIdle && state_ != kSmsOk && state_ != kSmsSending;
    // The record's fields follow "cdr:" (";" alone when there is none).
    return model_ + ";" +
           Fields({{words::kStation, TwoDigits(state_)},
                   {words::kSignal, TwoDigits(csq_)},
                   {words::kNumber, inCall ? current_.number : std::string()}}) +
           std::string(words::kCdr) + cdr +
           Fields({{words::kDtmf, keys},
                   {words::kCounter, counter},
                   {words::kTalkingTime, std::to_string(talking_)},
                   {words::kSpeaker, TwoDigits(speaker_)},
                   {words::kMicrophone, TwoDigits(microphone_)}});
}

} // namespace mervadin::sim
