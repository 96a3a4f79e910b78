#include "voice/write_voice_operation.h"

#include "frames/frame_templates.h"

namespace mervadin {

namespace {
constexpr const char* kRule = "=============================";
} // namespace

WriteVoiceOperation::WriteVoiceOperation(DeviceLink& link, OperationView& view, VoiceBuffer& voice)
    : HandshakeOperation(WriteVoiceHandshake(), link, view), voice_(voice) {}

void WriteVoiceOperation::Start() {
    view_.SetProgress(0, "0%");
    view_.ClearErrorMemo();
    blocks_ = voice_.BlockCount();
    StartHandshake();
}

void WriteVoiceOperation::OnConnected() {
    phase_ = Phase::Erasing;
    overall_ = poll_ = 0;
    link_.ClearReceiveBuffer();
}

void WriteVoiceOperation::TickConnected() {
    ++poll_;
    ++resend_;
    ++overall_;
    switch (phase_) {
    case Phase::Erasing:
        if (overall_ > kEraseLimit) {
            view_.ClearMemo();
            view_.AppendMemo("ConnectFailed \r");
            return End(OperationStatus::Failed);
        }
        if (poll_ >= 2) {
            poll_ = 0;
            ExamineErase();
        }
        return;
    case Phase::Settling:
        if (poll_ >= kSettleTicks) {
            block_ = 0;
            retries_ = 0;
            return blocks_ == 0 ? Finish() : StartBlock();
        }
        return;
    case Phase::Spacing:
        return Transmit(); // at least one tick after the last transmission
    case Phase::Waiting:
        if (resend_ > kResendAfter)
            return SendBlock(); // silence: the same block again, without limit
        poll_ = 0;
        return ExamineBlock();
    case Phase::Stopping:
        if (stop_->OnTick())
            End(OperationStatus::Succeeded);
        return;
    }
}

void WriteVoiceOperation::BytesConnected() {
    if (phase_ == Phase::Erasing)
        ExamineErase();
    else if (phase_ == Phase::Waiting)
        ExamineBlock();
}

void WriteVoiceOperation::ExamineErase() {
    if (!erase_.Examine())
        return;
    phase_ = Phase::Settling;
    poll_ = 0;
}

void WriteVoiceOperation::StartBlock() {
    view_.AppendMemo("\r");
    view_.AppendMemo(kRule);
    view_.AppendMemo("LoadData......");
    view_.AppendMemo(std::to_string(block_));
    SendBlock();
}

void WriteVoiceOperation::SendBlock() {
    view_.AppendMemo("Trasmit......\r");
    view_.AppendMemo(std::to_string(block_));
    poll_ = 0;
    phase_ = Phase::Spacing;
}

void WriteVoiceOperation::Transmit() {
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildDataBlockFrame(voice_.Block(block_)));
    poll_ = resend_ = overall_ = 0;
    phase_ = Phase::Waiting;
}

void WriteVoiceOperation::ExamineBlock() {
    const Bytes buffer = link_.Received();
    if (Search(buffer, frames::kOpening) == 0 || !FrameComplete(buffer))
        return;
    if (!VerifyChecksum(buffer)) {
        view_.AppendErrorMemo("ChecksumError !!!\r");
        view_.AppendErrorMemo(std::to_string(retries_));
        view_.AppendMemo(kRule);
        return Reject();
    }
    if (ShortSearch(buffer, "writingspi!") != 0) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo("Save......\r"); // the resend wait goes on
    } else if (ShortSearch(buffer, "writespiok!") != 0) {
        link_.ClearReceiveBuffer();
        BlockStored();
    } else if (ShortSearch(buffer, "data_err!") != 0) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo("ReSend!!!\r");
        view_.AppendMemo(kRule);
        view_.AppendErrorMemo(std::to_string(retries_));
        view_.AppendErrorMemo("ReSend!!!\r");
        Reject();
    } else {
        link_.ClearReceiveBuffer();
        poll_ = resend_ = overall_ = 0;
    }
}

void WriteVoiceOperation::BlockStored() {
    view_.AppendMemo("SaveEnd!!!\r");
    retries_ = 0;
    const int percent = static_cast<int>((block_ * 100 + 100) / blocks_);
    view_.SetProgress(percent, " " + std::to_string(percent) + "% ");
    if (++block_ == blocks_)
        return Finish();
    StartBlock();
}

void WriteVoiceOperation::Reject() {
    if (++retries_ > kMaxRetries) {
        End(OperationStatus::Failed); // before the box: ticks go on while it shows
        view_.Inform("OK", "DataError!");
        return;
    }
    SendBlock();
}

void WriteVoiceOperation::Finish() {
    view_.SetProgress(100, "100%");
    for (const char* line :
         {" \r", " \r", " ======================================", "             写语音完成!!!\r",
          " ======================================"})
        view_.AppendMemo(line);
    phase_ = Phase::Stopping;
    stop_.emplace(BuildStopFrame(FrameLength::Padded), link_);
    view_.Inform("OK", "  写语音完成!");
}

OperationStatus WriteVoiceOperation::Interrupted(OperationStatus proposed) {
    return Running() && phase_ == Phase::Stopping ? OperationStatus::Succeeded : proposed;
}

} // namespace mervadin
