#include "numbers/write_number_operation.h"

#include "files/file_read.h"
#include "frames/frame_templates.h"

namespace mervadin {

namespace {
constexpr const char* kRule = "=============================";
} // namespace

WriteNumberOperation::WriteNumberOperation(DeviceLink& link, OperationView& view,
                                           std::filesystem::path list, const TextEncoding& encoding)
    : HandshakeOperation(WriteNumberHandshake(), link, view), list_(std::move(list)),
      encoding_(encoding) {}

void WriteNumberOperation::Start() {
    view_.ClearMemo();
    view_.ClearErrorMemo();
    try {
        packed_ = PackNumberList(ReadLines(list_), encoding_);
    } catch (const FileError& e) {
        End(OperationStatus::Failed);
        view_.Inform("Error", e.what());
        return;
    } catch (const NumberListError& e) {
        view_.AppendErrorMemo(e.what());
        End(OperationStatus::Failed);
        view_.Inform("Error", e.what());
        return;
    }
    for (const auto& warning : packed_.warnings)
        view_.AppendErrorMemo(warning.Text());
    view_.SetProgress(0, "0%");
    StartHandshake();
}

void WriteNumberOperation::OnConnected() {
    phase_ = Phase::Erasing;
    overall_ = poll_ = 0;
    link_.ClearReceiveBuffer();
}

void WriteNumberOperation::TickConnected() {
    switch (phase_) {
    case Phase::Erasing:
        if (++overall_ > kEraseLimit) {
            view_.ClearMemo();
            view_.AppendMemo("ConnectError! \r");
            return End(OperationStatus::Failed);
        }
        if (++poll_ >= 2) {
            poll_ = 0;
            ExamineErase();
        }
        return;
    case Phase::Settling:
        if (++poll_ >= kSettleTicks) {
            retries_ = 0;
            block_ = 0;
            return packed_.blocks.empty() ? Finish() : StartBlock();
        }
        return;
    case Phase::Pausing:
        return; // the 1-ms clock ends the pause
    case Phase::Waiting:
        ++poll_;
        ++overall_;
        if (++resend_ > kResendAfter)
            SendBlock(); // silence: the same block again, without limit
        return;
    case Phase::Stopping:
        if (stop_->OnTick())
            End(OperationStatus::Succeeded);
        return;
    }
}

void WriteNumberOperation::FastTickConnected() {
    if (phase_ == Phase::Pausing && ++fast_ >= kPauseFastTicks)
        return Transmit();
    if (phase_ == Phase::Waiting && ++fast_ >= kPollFastTicks) {
        fast_ = 0;
        ExamineBlock();
    }
}

void WriteNumberOperation::BytesConnected() {
    if (phase_ == Phase::Erasing)
        ExamineErase();
    else if (phase_ == Phase::Waiting)
        ExamineBlock();
}

bool WriteNumberOperation::HoldsFrame() const {
    const Bytes buffer = link_.Received();
    return Search(buffer, frames::kOpening) != 0 && FrameComplete(buffer);
}

void WriteNumberOperation::ExamineErase() {
    if (!erase_.Examine())
        return;
    phase_ = Phase::Settling;
    poll_ = 0;
}

void WriteNumberOperation::StartBlock() {
    view_.AppendMemo("\r");
    view_.AppendMemo(kRule);
    view_.AppendMemo("LoadData......");
    SendBlock();
}

void WriteNumberOperation::SendBlock() {
    view_.AppendMemo("Send Data......\r");
    view_.AppendMemo(std::to_string(block_));
    fast_ = 0;
    phase_ = Phase::Pausing;
}

void WriteNumberOperation::Transmit() {
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildDataBlockFrame(packed_.blocks[block_]));
    poll_ = resend_ = overall_ = fast_ = 0;
    phase_ = Phase::Waiting;
}

void WriteNumberOperation::ExamineBlock() {
    if (!HoldsFrame())
        return;
    const Bytes buffer = link_.Received();
    if (!VerifyChecksum(buffer)) {
        view_.AppendErrorMemo("ChecksumError!\r");
        view_.AppendErrorMemo(std::to_string(retries_));
        view_.AppendMemo(kRule);
        return Reject();
    }
    if (ShortSearch(buffer, "writingspi!") != 0) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo("SaveData......\r"); // the wait's counters go on
    } else if (ShortSearch(buffer, "writespiok!") != 0) {
        link_.ClearReceiveBuffer();
        BlockStored();
    } else if (ShortSearch(buffer, "data_err!") != 0) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo("ResendData!\r");
        view_.AppendMemo(kRule);
        view_.AppendErrorMemo(std::to_string(retries_));
        view_.AppendErrorMemo("Resend Data!!\r");
        Reject();
    } else {
        link_.ClearReceiveBuffer();
        poll_ = resend_ = overall_ = 0;
    }
}

void WriteNumberOperation::BlockStored() {
    view_.AppendMemo("SaveDataEnd!\r");
    retries_ = 0;
    const int percent = static_cast<int>((block_ + 1) * 100 / packed_.blocks.size());
    view_.SetProgress(percent, " " + std::to_string(percent) + "% ");
    if (++block_ == packed_.blocks.size())
        return Finish();
    StartBlock();
}

void WriteNumberOperation::Reject() {
    if (++retries_ > kMaxRetries) {
        End(OperationStatus::Failed); // before the box: ticks go on while it shows
        view_.Inform("OK", "DataError!");
        return;
    }
    SendBlock();
}

void WriteNumberOperation::Finish() {
    view_.SetProgress(100, "100%");
    for (const char* line :
         {" \r\n", " \r\n", " ======================================\r\n",
          "                Write Number OK!\r\n", " ======================================\r\n"})
        view_.AppendMemo(line);
    phase_ = Phase::Stopping;
    stop_.emplace(BuildStopFrame(FrameLength::Padded), link_);
}

OperationStatus WriteNumberOperation::Interrupted(OperationStatus proposed) {
    return Running() && phase_ == Phase::Stopping ? OperationStatus::Succeeded : proposed;
}

} // namespace mervadin
