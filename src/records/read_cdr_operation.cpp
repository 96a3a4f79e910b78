#include "records/read_cdr_operation.h"

#include "link/frame_templates.h"

#include <algorithm>

namespace mervadin {

ReadCdrOperation::ReadCdrOperation(DeviceLink& link, OperationView& view, RecordFiles files)
    : link_(link), view_(view), files_(std::move(files)),
      handshake_(ReadCdrHandshake(), link, view), table_(ErasedBlockTable()) {}

void ReadCdrOperation::Start() {
    view_.SetProgress(0, "0%");
    handshake_.Start();
}

OperationStatus ReadCdrOperation::OnTick() {
    if (status_ != OperationStatus::Running)
        return status_;
    switch (phase_) {
    case Phase::Connecting:
        return AfterHandshake(handshake_.OnTick());
    case Phase::Receiving:
        if (++attempt_ > kBlockWaitTicks) {
            view_.AppendMemo("Connect Error!  ");
            return status_ = OperationStatus::Failed;
        }
        return Examine();
    case Phase::Settling:
        if (++attempt_ > kSettleTicks) {
            phase_ = Phase::Stopping;
            stop_.emplace(BuildStopFrame(FrameLength::Short), link_);
        }
        return status_;
    case Phase::Stopping:
        if (stop_->OnTick()) {
            view_.AppendMemo("Save file OK! \r");
            view_.AppendMemo("  Press [DisplayCDR] Button , display CDR ! ");
            phase_ = Phase::Done;
            status_ = OperationStatus::Succeeded;
        }
        return status_;
    case Phase::Done:
        break;
    }
    return status_;
}

OperationStatus ReadCdrOperation::OnBytes() {
    if (status_ != OperationStatus::Running)
        return status_;
    if (phase_ == Phase::Connecting)
        return AfterHandshake(handshake_.OnBytes());
    return phase_ == Phase::Receiving ? Examine() : status_;
}

OperationStatus ReadCdrOperation::AfterHandshake(Handshake::State state) {
    if (state == Handshake::State::GaveUp)
        return status_ = OperationStatus::Failed;
    if (state == Handshake::State::Connected) {
        link_.ClearReceiveBuffer();
        index_ = 0;
        attempt_ = 0;
        phase_ = Phase::Receiving;
    }
    return status_;
}

OperationStatus ReadCdrOperation::Examine() {
    const Bytes buffer = link_.Received();
    const std::size_t opening = Search(buffer, frames::kOpening);
    if (opening == 0 || Search(buffer, frames::kEndMark) == 0)
        return status_;
    view_.AppendMemo("Read Data......");
    view_.AppendMemo("Checksum......");
    if (VerifyChecksum(buffer))
        return StoreBlock(opening + 1);
    // The device sends the block again; its wait keeps counting.
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildFrame(frames::kCdrResend));
    view_.AppendMemo("   Receive                          error   !");
    return status_;
}

OperationStatus ReadCdrOperation::StoreBlock(std::size_t dataAt) {
    const Bytes buffer = link_.Received();
    const std::size_t count = std::min(kBlockSize, buffer.size() - dataAt);
    std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(dataAt), count,
                table_.begin() + static_cast<std::ptrdiff_t>(index_ * kBlockSize));
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildFrame(frames::kCdrAck));
    view_.AppendMemo(std::to_string(index_));
    view_.AppendMemo("Save OK!!!");
    const int percent = static_cast<int>((index_ * 100 + 100) / kBlockCount);
    view_.SetProgress(percent, " " + std::to_string(percent) + "%");
    if ((index_ > 5 && IsLastBlock()) || index_ + 1 == kBlockCount)
        return Finish();
    ++index_;
    attempt_ = 0;
    return status_;
}

bool ReadCdrOperation::IsLastBlock() const {
    const auto* block = table_.data() + index_ * kBlockSize;
    return block[0] == 0xFF && block[57] == 0xFF && block[224] == 0xFF && block[249] == 0xFF;
}

OperationStatus ReadCdrOperation::Finish() {
    ++index_; // blocks read
    view_.SetProgress(100, "100%");
    view_.AppendMemo("Read OK!\r\n\n");
    view_.AppendMemo("==========================================");
    view_.AppendMemo("Read CDR OK! \r\n\n ");
    try {
        files_.StoreRead(table_);
    } catch (const FileError& e) {
        view_.Inform("Error", e.what());
        return status_ = OperationStatus::Failed;
    }
    attempt_ = 0;
    phase_ = Phase::Settling;
    return status_;
}

} // namespace mervadin
