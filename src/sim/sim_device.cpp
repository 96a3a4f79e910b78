#include "sim/sim_device.h"

#include "frames/device_words.h"
#include "sim/sim_frames.h"

#include <algorithm>

namespace mervadin::sim {

namespace {

constexpr std::size_t kMaxReadBlocks = 4096;
// The first call record block follows the accepting answer after this pause,
// so that the tool has taken the answer and cleared its buffer.
constexpr std::uint64_t kFirstBlockDelayMs = 50;

} // namespace

SimDevice::SimDevice() = default;

void SimDevice::Receive(Bytes data) {
    if (!plugged_)
        return;
    DataReport report{};
    std::copy_n(data.begin(), std::min(data.size(), report.size()), report.begin());
    if (const auto now = line_.Take(report, nowMs_)) {
        Process(*now);
        Changed();
    }
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
    line_.DropScheduled();
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
        store_.EraseArea(area_);
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
    line_.Schedule(nowMs_ + at, {});
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
        store_.StoreSettings(block);
        settingsStored_ = true;
        return Answer(Joined({words::kStored, words::kOk}), timing_.flashWriteMs);
    }
    // A block that arrives while the last is still being written is its resend.
    inFlight_ = block;
    flashDoneMs_ = nowMs_ + timing_.flashWriteMs;
    Answer(Joined({words::kWriting, words::kOk}));
}

void SimDevice::FinishFlashWrite() {
    store_.StoreBlock(area_, *inFlight_);
    ++blockIndex_;
    inFlight_.reset();
    Answer(Joined({words::kStored, words::kOk}));
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
    SendBytes(BlockFrame(store_.RecordBlock(blockIndex_)), delayMs);
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
    line_.Schedule(nowMs_ + delayMs, std::move(frame));
}

void SimDevice::Advance(std::uint64_t nowMs) {
    nowMs_ = std::max(nowMs_, nowMs);
    if (!plugged_)
        return;
    AdvancePlugged();
    Changed();
}

void SimDevice::AdvancePlugged() {
    while (const auto report = line_.NextArrived(nowMs_))
        Process(*report);
    if (inFlight_ && nowMs_ >= flashDoneMs_)
        FinishFlashWrite();
    while (auto frame = line_.NextDue(nowMs_)) {
        if (frame->empty()) // the end of an erase
            mode_ = Mode::AwaitBlocks;
        else
            line_.Send(std::move(*frame), nowMs_);
    }
    // A session the tool left without a stop or exit frame closes by itself.
    if (mode_ == Mode::AwaitSettings && settingsStored_ && nowMs_ - lastFrameMs_ > kSessionIdleMs)
        mode_ = Mode::Idle;
    if (mode_ == Mode::Idle) {
        dialer_.Advance(nowMs_);
        KeepEndedCalls();
        if (timing_.statusIntervalMs > 0 && nowMs_ >= nextStatusMs_ && line_.NothingScheduled())
            SendStatus();
    }
    line_.Flush(nowMs_);
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

} // namespace mervadin::sim
