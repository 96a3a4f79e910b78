#include "operation/block_write_operation.h"

#include "frames/device_words.h"
#include "operation/operation_texts.h"

namespace mervadin {

BlockWriteOperation::BlockWriteOperation(const BlockWriteProfile& profile, DeviceLink& link,
                                         OperationView& view)
    : Operation(profile.handshake, link, view), profile_(profile), texts_(profile.texts),
      erase_(link, view, profile.texts.eraseEnd) {}

void BlockWriteOperation::Start() {
    view_.ClearMemo();
    view_.ClearErrorMemo();
    if (!Prepare())
        return End(OperationStatus::Failed);
    view_.SetProgress(0, "0%");
    StartHandshake();
}

void BlockWriteOperation::OnConnected() {
    phase_ = Phase::Erasing;
    overall_ = poll_ = 0;
    link_.ClearReceiveBuffer();
}

void BlockWriteOperation::TickConnected() {
    ++poll_;
    ++resend_;
    ++overall_;
    switch (phase_) {
    case Phase::Erasing:
        if (overall_ > kEraseLimit) {
            view_.ClearMemo();
            view_.AppendMemo(texts_.eraseFailed);
            return End(OperationStatus::Failed);
        }
        if (poll_ >= 2) {
            poll_ = 0;
            ExamineErase();
        }
        return;
    case Phase::Settling:
        if (poll_ >= kSettleTicks) {
            retries_.Reset();
            block_ = 0;
            return BlockCount() == 0 ? Finish() : StartBlock();
        }
        return;
    case Phase::Pausing:
        return Pace(BlockWritePacing::Clock::Ticks);
    case Phase::Waiting:
        if (resend_ > kResendAfter)
            return Retry() ? SendBlock() : void();
        return Pace(BlockWritePacing::Clock::Ticks);
    case Phase::Stopping:
        if (stop_->OnTick())
            End(OperationStatus::Succeeded);
        return;
    }
}

void BlockWriteOperation::FastTickConnected() {
    Pace(BlockWritePacing::Clock::FastTicks);
}

// A tick of `clock`: when that clock paces the data phase, it ends the pause
// before a transmission or brings the next look at the buffer.
void BlockWriteOperation::Pace(BlockWritePacing::Clock clock) {
    const BlockWritePacing& pacing = profile_.pacing;
    if (clock != pacing.clock)
        return;
    if (phase_ == Phase::Pausing && ++paced_ >= pacing.pauseBeforeSend)
        return Transmit();
    if (phase_ == Phase::Waiting && ++paced_ >= pacing.pollEvery) {
        paced_ = 0;
        ExamineBlock();
    }
}

void BlockWriteOperation::BytesConnected() {
    if (phase_ == Phase::Erasing)
        ExamineErase();
    else if (phase_ == Phase::Waiting)
        ExamineBlock();
}

void BlockWriteOperation::ExamineErase() {
    if (!erase_.Examine())
        return;
    phase_ = Phase::Settling;
    poll_ = 0;
}

void BlockWriteOperation::StartBlock() {
    view_.AppendMemo("\r");
    view_.AppendMemo(texts::operation::kBlockRule);
    view_.AppendMemo(texts::operation::kLoadData);
    if (texts_.blockAfterLoad)
        view_.AppendMemo(std::to_string(block_));
    SendBlock();
}

void BlockWriteOperation::SendBlock() {
    view_.AppendMemo(texts_.send);
    view_.AppendMemo(std::to_string(block_));
    paced_ = 0;
    phase_ = Phase::Pausing;
}

void BlockWriteOperation::Transmit() {
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildDataBlockFrame(BlockAt(block_)));
    poll_ = resend_ = overall_ = paced_ = 0;
    phase_ = Phase::Waiting;
}

void BlockWriteOperation::ExamineBlock() {
    const Bytes buffer = link_.Received();
    if (!Search(buffer, words::kOpening) || !FrameComplete(buffer))
        return;
    if (!VerifyChecksum(buffer)) {
        view_.AppendErrorMemo(texts_.checksumError);
        view_.AppendErrorMemo(std::to_string(retries_.Count()));
        view_.AppendMemo(texts::operation::kBlockRule);
        return Reject();
    }
    const bool writing = ShortSearch(buffer, words::kWriting).has_value();
    const bool stored = !writing && ShortSearch(buffer, words::kStored).has_value();
    const bool rejected = !writing && !stored && ShortSearch(buffer, words::kDataError).has_value();
    link_.ClearReceiveBuffer();
    if (writing) {
        view_.AppendMemo(texts_.writing); // the resend wait goes on
    } else if (stored) {
        BlockStored();
    } else if (rejected) {
        view_.AppendMemo(texts_.rejected);
        view_.AppendMemo(texts::operation::kBlockRule);
        view_.AppendErrorMemo(std::to_string(retries_.Count()));
        view_.AppendErrorMemo(texts_.rejectedError);
        Reject();
    } else if (Retry()) {
        poll_ = resend_ = overall_ = 0; // any other answer: the resend wait starts again
    }
}

void BlockWriteOperation::BlockStored() {
    view_.AppendMemo(texts_.stored);
    retries_.Reset();
    const int percent = static_cast<int>((block_ + 1) * 100 / BlockCount());
    view_.SetProgress(percent, " " + std::to_string(percent) + "% ");
    if (++block_ == BlockCount())
        return Finish();
    StartBlock();
}

void BlockWriteOperation::Reject() {
    if (retries_.Exceeded())
        return GiveUp(texts::operation::kDataError);
    SendBlock();
}

bool BlockWriteOperation::Retry() {
    if (!retries_.Exceeded())
        return true;
    GiveUp(
        BlockRetries::NotStoredText([this](const char* text) { return view_.Translated(text); }));
    return false;
}

void BlockWriteOperation::GiveUp(const std::string& boxText) {
    End(OperationStatus::Failed); // before the box: ticks go on while it shows
    view_.Inform(texts::operation::kDataErrorCaption, boxText);
}

void BlockWriteOperation::Finish() {
    view_.Committing(); // every block is stored: only the stop frames follow
    view_.SetProgress(100, "100%");
    for (const auto& line : texts_.finished)
        view_.AppendMemo(line);
    phase_ = Phase::Stopping;
    stop_.emplace(BuildStopFrame(FrameLength::Padded), link_);
    if (texts_.doneBox)
        view_.Inform(texts_.doneBox->first, texts_.doneBox->second);
}

OperationStatus BlockWriteOperation::Interrupted(OperationStatus proposed) {
    return Running() && phase_ == Phase::Stopping ? OperationStatus::Succeeded : proposed;
}

} // namespace mervadin
