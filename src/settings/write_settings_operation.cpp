#include "settings/write_settings_operation.h"

#include "link/frame_templates.h"

namespace mervadin {

namespace {
constexpr const char* kRule = "=============================";
}

WriteSettingsOperation::WriteSettingsOperation(DeviceLink& link, OperationView& view,
                                               std::filesystem::path configFile,
                                               std::function<LocalTime()> clock)
    : link_(link), view_(view), configFile_(std::move(configFile)), clock_(std::move(clock)),
      handshake_(WriteSettingsHandshake(), link, view) {}

void WriteSettingsOperation::Start() {
    view_.ClearMemo();
    view_.ClearErrorMemo();
    try {
        block_ = BuildSettingsBlock(ReadLines(configFile_), clock_());
    } catch (const FileError& e) {
        view_.Inform("Error", e.what());
        status_ = OperationStatus::Failed;
        return;
    }
    view_.SetProgress(0, "0%");
    handshake_.Start();
}

OperationStatus WriteSettingsOperation::OnTick() {
    if (status_ != OperationStatus::Running)
        return status_;
    switch (phase_) {
    case Phase::Connecting:
        return AfterHandshake(handshake_.OnTick());
    case Phase::Settling: // one tick between the answer and the block
        SendBlock();
        return status_;
    case Phase::Sending:
        ++poll_;
        if (++resend_ > kResendAfter) {
            SendBlock();
            return status_;
        }
        if (poll_ < kPollEvery)
            return status_;
        poll_ = 0;
        return Examine();
    case Phase::Done:
        break;
    }
    return status_;
}

OperationStatus WriteSettingsOperation::OnBytes() {
    if (status_ != OperationStatus::Running)
        return status_;
    if (phase_ == Phase::Connecting)
        return AfterHandshake(handshake_.OnBytes());
    return phase_ == Phase::Sending ? Examine() : status_;
}

OperationStatus WriteSettingsOperation::AfterHandshake(Handshake::State state) {
    if (state == Handshake::State::GaveUp)
        return status_ = OperationStatus::Failed;
    if (state == Handshake::State::Connected) {
        view_.AppendMemo(kRule);
        view_.AppendMemo("Load ......");
        view_.AppendMemo("0");
        retries_ = 0;
        phase_ = Phase::Settling;
    }
    return status_;
}

void WriteSettingsOperation::SendBlock() {
    phase_ = Phase::Sending;
    view_.AppendMemo("Send......");
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildDataBlockFrame(block_));
    poll_ = 0;
    resend_ = 0;
}

OperationStatus WriteSettingsOperation::Examine() {
    const Bytes buffer = link_.Received();
    if (Search(buffer, frames::kOpening) == 0 || Search(buffer, frames::kEndMark) == 0)
        return status_;
    if (!VerifyChecksum(buffer))
        return Reject("CheckSum Error!", "Data Error!  ");
    if (ShortSearch(buffer, "writespiok!") != 0)
        return Succeed();
    if (ShortSearch(buffer, "data_err!") != 0)
        return Reject("Data Error!", "  Data Error!");
    if (ShortSearch(buffer, "timeout!") != 0) {
        view_.AppendErrorMemo("Time Out!!!\r");
        view_.AppendMemo(kRule);
        SendBlock(); // a device time-out is not counted against the limit
        return status_;
    }
    link_.ClearReceiveBuffer();
    return status_;
}

OperationStatus WriteSettingsOperation::Reject(const char* errorLine, const char* boxText) {
    view_.AppendErrorMemo(errorLine);
    view_.AppendErrorMemo(std::to_string(retries_));
    view_.AppendMemo(kRule);
    if (++retries_ > kMaxRetries) {
        phase_ = Phase::Done;
        status_ = OperationStatus::Failed;
        view_.Inform("OK", boxText);
        return status_;
    }
    SendBlock();
    return status_;
}

OperationStatus WriteSettingsOperation::Succeed() {
    view_.AppendMemo("Save OK!\r");
    retries_ = 0;
    view_.SetProgress(100, "100%");
    for (const char* line : {" \r", " \r", " ======================================",
                             "            Write Setting OK!\r",
                             " ======================================"})
        view_.AppendMemo(line);
    phase_ = Phase::Done;
    status_ = OperationStatus::Succeeded;
    view_.Inform("OK", "  Write Setting OK!");
    return status_;
}

} // namespace mervadin
