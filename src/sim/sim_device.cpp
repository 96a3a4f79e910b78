#include "sim/sim_device.h"

#include "frames/device_words.h"
#include "frames/frame_templates.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace mervadin::sim {

namespace {

constexpr std::size_t kBlockFrameBytes = 576;
constexpr std::size_t kMaxReadBlocks = 4096;
// The first call record block follows the accepting answer after this pause,
// so that the tool has taken the answer and cleared its buffer.
constexpr std::uint64_t kFirstBlockDelayMs = 50;

std::string_view AsText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool HasWord(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// The command word right after "velorn<".
bool OpensWith(std::string_view text, std::string_view word) {
    return text.substr(words::kOpening.size(), word.size()) == word;
}

bool IsCommandFrame(std::string_view text) {
    for (auto word : {words::kWriteSetting, words::kWriteNumber, words::kWriteMusic,
                      words::kReadCdr, words::kStop, words::kExit})
        if (OpensWith(text, word))
            return true;
    return false;
}

// A frame's payload of words and values, one after the other.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const auto part : parts)
        text += part;
    return text;
}

std::vector<std::uint8_t> FrameAround(std::string_view payload) {
    std::string text(words::kOpening);
    text += payload;
    text += words::kChecksumTail;
    const auto built = BuildFrame(text);
    return {built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(built.length)};
}

} // namespace

SimDevice::SimDevice() = default;

void SimDevice::Receive(Bytes data) {
    if (!plugged_)
        return;
    DataReport report{};
    std::copy_n(data.begin(), std::min(data.size(), report.size()), report.begin());
    if (!timing_.usbPacing) {
        Process(report);
        Changed();
        return;
    }
    if (inbox_.size() >= kMaxPacedReports)
        return;
    inBusyUntil_ = std::max(inBusyUntil_, nowMs_) + 1;
    inbox_.push_back({inBusyUntil_, report});
}

void SimDevice::Process(const DataReport& report) {
    const std::string_view start(reinterpret_cast<const char*>(report.data()), 7);
    if (incoming_.empty() && start != words::kOpening)
        return; // filler or noise between frames
    lastFrameMs_ = nowMs_;
    incoming_.insert(incoming_.end(), report.begin(), report.end());
    if (HoldsWholeFrame()) {
        auto frame = std::move(incoming_);
        incoming_.clear();
        HandleFrame(frame);
    } else if (incoming_.size() > kFrameBufferSize) {
        incoming_.clear();
    }
}

bool SimDevice::ExpectingBlock() const {
    return mode_ == Mode::AwaitSettings || mode_ == Mode::AwaitBlocks;
}

bool SimDevice::HoldsWholeFrame() const {
    const bool ended = FrameComplete(incoming_);
    if (!ExpectingBlock())
        return ended;
    // A data block may hold ">end" among its bytes: it is complete after
    // nine reports. A command frame (a request, stop or exit) ends at ">end".
    return incoming_.size() >= kBlockFrameBytes || (ended && IsCommandFrame(AsText(incoming_)));
}

void SimDevice::HandleFrame(const std::vector<std::uint8_t>& frame) {
    const std::string_view text = AsText(frame);
    if (ExpectingBlock() && frame.size() >= kBlockFrameBytes && !IsCommandFrame(text))
        return HandleBlock(frame);
    if (!VerifyChecksum(frame))
        return; // the tool resends on silence
    if (OpensWith(text, words::kStop) || OpensWith(text, words::kExit))
        return EndSession();
    if (IsCommandFrame(text))
        return HandleRequest(text);
    if (mode_ == Mode::Reading)
        return HandleReadAnswer(text);
    if (mode_ == Mode::Idle)
        HandleStatusAnswer(text);
}

void SimDevice::HandleRequest(std::string_view text) {
    if (faults_.silentRequests > 0) {
        --faults_.silentRequests;
        return;
    }
    // Every request starts its exchange afresh: what was still to be sent for
    // an earlier one (a read's first block, erase answers) is dropped, so a
    // tool that missed the answer and asks again gets each block once.
    scheduled_.clear();
    inFlight_.reset();
    Answer(Joined({words::kOk, words::kOk, words::kModule, ":", dialer_.Model(), ";", words::kOk}));
    if (OpensWith(text, words::kWriteSetting)) {
        mode_ = Mode::AwaitSettings;
        settingsStored_ = false;
    } else if (OpensWith(text, words::kReadCdr)) {
        mode_ = Mode::Reading;
        blockIndex_ = 0;
        SendReadBlock(kFirstBlockDelayMs);
    } else {
        area_ = OpensWith(text, words::kWriteNumber) ? Area::Numbers : Area::Voice;
        (area_ == Area::Numbers ? numbers_.clear() : voice_.clear());
        blockIndex_ = 0;
        ScheduleErase();
    }
}

void SimDevice::ScheduleErase() {
    mode_ = Mode::Erasing;
    std::uint64_t at = timing_.eraseStepMs;
    Answer(Joined({words::kEraseStarted, words::kOk}), at);
    for (unsigned step = 0; step < timing_.eraseSteps; ++step)
        Answer(Joined({words::kEraseStep, std::to_string(step), ";", words::kOk}),
               at += timing_.eraseStepMs);
    Answer(Joined({words::kEraseDone, words::kOk}), at += timing_.eraseStepMs);
    // The device takes blocks once its last erase answer is out.
    scheduled_.push_back({nowMs_ + at, {}});
}

void SimDevice::HandleBlock(const std::vector<std::uint8_t>& frame) {
    if (!MayMoveBlock())
        return;
    const bool intact = VerifyChecksum(frame, FrameShape::DataBlock);
    if (!intact || faults_.dataErrors > 0) {
        if (intact)
            --faults_.dataErrors;
        return Answer(Joined({words::kDataError, words::kDataError, words::kOk}));
    }
    if (faults_.timeouts > 0) {
        --faults_.timeouts;
        return Answer(Joined({words::kTimeout, words::kTimeout, words::kOk}));
    }
    DataBlock block;
    std::copy_n(frame.begin() + words::kOpening.size(), block.size(), block.begin());
    if (mode_ == Mode::AwaitSettings) {
        // The device keeps taking settings blocks (a tool that missed the
        // answer sends the block again) until the session ends.
        settings_ = block;
        ++settingsWrites_;
        settingsStored_ = true;
        return Answer(Joined({words::kStored, words::kOk}), timing_.flashWriteMs);
    }
    // A block that arrives while the last is still being written is its resend.
    inFlight_ = block;
    flashDoneMs_ = nowMs_ + timing_.flashWriteMs;
    Answer(Joined({words::kWriting, words::kOk}));
}

void SimDevice::FinishFlashWrite() {
    StoreBlock(*inFlight_);
    inFlight_.reset();
    Answer(Joined({words::kStored, words::kOk}));
}

void SimDevice::StoreBlock(const DataBlock& block) {
    if (area_ == Area::Numbers) {
        numbers_.push_back(block);
    } else {
        voice_.insert(voice_.end(), block.begin(), block.end());
    }
    ++blockIndex_;
}

void SimDevice::HandleReadAnswer(std::string_view text) {
    if (HasWord(text, words::kDataError))
        return SendReadBlock();
    if (HasWord(text, words::kOk) && ++blockIndex_ < kMaxReadBlocks)
        SendReadBlock();
}

void SimDevice::SendReadBlock(std::uint64_t delayMs) {
    if (!MayMoveBlock())
        return;
    DataBlock block;
    block.fill(0xFF);
    for (std::size_t slot = 0; slot < 16; ++slot) {
        const std::size_t index = blockIndex_ * 16 + slot;
        if (index < records_.size())
            std::copy(records_[index].begin(), records_[index].end(), block.begin() + slot * 32);
    }
    std::vector<std::uint8_t> frame;
    frame.reserve(frames::kDataBlockFrameLength);
    frame.insert(frame.end(), words::kOpening.begin(), words::kOpening.end());
    frame.insert(frame.end(), block.begin(), block.end());
    frame.insert(frame.end(), words::kChecksumTail.begin(), words::kChecksumTail.end());
    FillChecksum(frame, FrameShape::DataBlock);
    SendBytes(std::move(frame), delayMs);
}

bool SimDevice::MayMoveBlock() {
    if (faults_.unplugAfterBlocks && blocksMoved_ >= *faults_.unplugAfterBlocks) {
        faults_.unplugAfterBlocks.reset();
        Unplug();
        return false;
    }
    ++blocksMoved_;
    return true;
}

void SimDevice::HandleStatusAnswer(std::string_view text) {
    if (HasWord(text, words::kDataError)) {
        if (!lastStatus_.empty())
            SendBytes({lastStatus_.begin(), lastStatus_.end()}, 0);
        return;
    }
    if (HasWord(text, words::kStartDialing))
        dialer_.StartDialing(nowMs_);
    else if (HasWord(text, words::kStopDialing))
        dialer_.StopDialing();
    else if (HasWord(text, words::kForward))
        dialer_.Forward(nowMs_);
    else if (HasWord(text, words::kSendSms))
        dialer_.SendSms(nowMs_);
    KeepEndedCalls();
    for (auto [tag, set] : {std::pair{words::kSpeaker, &SimDialer::SetSpeaker},
                            std::pair{words::kMicrophone, &SimDialer::SetMicrophone}}) {
        const auto at = text.find(tag);
        const auto digits = at + tag.size();
        if (at != std::string_view::npos && digits + 2 <= text.size())
            (dialer_.*set)((text[digits] & 0x0F) * 10 + (text[digits + 1] & 0x0F));
    }
    statusAnswered_ = true;
    nextStatusMs_ = nowMs_ + timing_.statusIntervalMs;
}

void SimDevice::SendStatus() {
    const auto frame = FrameAround(dialer_.StatusPayload());
    lastStatus_.assign(frame.begin(), frame.end());
    statusAnswered_ = false;
    nextStatusMs_ = nowMs_ + timing_.statusRetryMs;
    SendBytes(frame, 0);
}

void SimDevice::Answer(const std::string& payload, std::uint64_t delayMs) {
    SendBytes(FrameAround(payload), delayMs);
}

void SimDevice::SendBytes(std::vector<std::uint8_t> frame, std::uint64_t delayMs) {
    const std::uint64_t due = nowMs_ + delayMs;
    auto at = std::upper_bound(scheduled_.begin(), scheduled_.end(), due,
                               [](std::uint64_t d, const Pending& p) { return d < p.dueMs; });
    scheduled_.insert(at, {due, std::move(frame)});
}

void SimDevice::EmitFrame(std::vector<std::uint8_t> frame) {
    if (faults_.damagedAnswers > 0) {
        --faults_.damagedAnswers;
        if (const auto colon = Search(frame, words::kChecksumTag))
            frame[*colon + 6] = frame[*colon + 6] == '0' ? '1' : '0';
    }
    if (faults_.garbageReports > 0) {
        --faults_.garbageReports;
        DataReport noise;
        const std::string_view pattern = "@#noise#@";
        for (std::size_t i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<std::uint8_t>(pattern[i % pattern.size()]);
        Emit(noise);
    }
    for (std::size_t at = 0; at < frame.size(); at += 64) {
        DataReport report{};
        std::copy_n(frame.begin() + static_cast<std::ptrdiff_t>(at),
                    std::min<std::size_t>(64, frame.size() - at), report.begin());
        Emit(report);
    }
}

void SimDevice::Emit(const DataReport& report) {
    if (timing_.usbPacing) {
        if (outbox_.size() >= kMaxPacedReports)
            return;
        outBusyUntil_ = std::max(outBusyUntil_, nowMs_) + 1;
        outbox_.push_back({outBusyUntil_, report});
    } else if (output_) {
        output_(report);
    }
}

void SimDevice::Advance(std::uint64_t nowMs) {
    nowMs_ = std::max(nowMs_, nowMs);
    if (!plugged_)
        return;
    AdvancePlugged();
    Changed();
}

void SimDevice::AdvancePlugged() {
    while (!inbox_.empty() && inbox_.front().dueMs <= nowMs_) {
        const DataReport report = inbox_.front().report;
        inbox_.pop_front();
        Process(report);
    }
    if (inFlight_ && nowMs_ >= flashDoneMs_)
        FinishFlashWrite();
    while (!scheduled_.empty() && scheduled_.front().dueMs <= nowMs_) {
        auto frame = std::move(scheduled_.front().frame);
        scheduled_.pop_front();
        if (frame.empty()) { // the end of an erase
            mode_ = Mode::AwaitBlocks;
            continue;
        }
        EmitFrame(std::move(frame));
    }
    // A session the tool left without a stop or exit frame closes by itself.
    if (mode_ == Mode::AwaitSettings && settingsStored_ && nowMs_ - lastFrameMs_ > kSessionIdleMs)
        mode_ = Mode::Idle;
    if (mode_ == Mode::Idle) {
        dialer_.Advance(nowMs_);
        KeepEndedCalls();
        if (timing_.statusIntervalMs > 0 && nowMs_ >= nextStatusMs_ && scheduled_.empty())
            SendStatus();
    }
    while (!outbox_.empty() && outbox_.front().dueMs <= nowMs_) {
        const DataReport report = outbox_.front().report;
        outbox_.pop_front();
        if (output_)
            output_(report);
    }
}

void SimDevice::KeepEndedCalls() {
    for (const CallRecord& call : dialer_.TakeEnded())
        AddRecord(call);
}

void SimDevice::EndSession() {
    if (mode_ != Mode::Idle && area_ == Area::Numbers)
        UpdateDialerNumbers();
    mode_ = Mode::Idle;
    inFlight_.reset();
    statusAnswered_ = true;
    nextStatusMs_ = nowMs_ + timing_.statusIntervalMs;
}

void SimDevice::UpdateDialerNumbers() {
    std::vector<DialEntry> entries;
    for (const DataBlock& block : numbers_)
        for (std::size_t slot = 0; slot < 16; ++slot)
            if (auto entry = DecodeNumberRecord(
                    std::span<const std::uint8_t, 32>(block.data() + slot * 32, 32)))
                entries.push_back(*entry);
    dialer_.SetNumbers(std::move(entries));
}

} // namespace mervadin::sim
