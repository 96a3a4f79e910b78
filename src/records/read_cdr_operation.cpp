#include "records/read_cdr_operation.h"

#include "common/common_texts.h"
#include "files/file_error.h"
#include "frames/frame_templates.h"
#include "records/record_texts.h"

#include <algorithm>

namespace mervadin {

const HandshakeProfile& ReadCdrHandshake() {
    static const HandshakeProfile profile{
        .request = frames::kReadCdrRequest,
        .pollEvery = 1,
        .resendAfter = 50,
        .giveUpAfter = 1500,
        .needsOpening = false,
        .connecting = texts::records::kReadConnecting,
        .connectingEveryAttempt = true,
        .connected = texts::records::kReadConnected,
        .givenUp = {texts::records::kReadConnectError},
        .guard = texts::records::kReadNoDevice,
        .lost = texts::records::kReadLost,
    };
    return profile;
}

ReadCdrOperation::ReadCdrOperation(DeviceLink& link, OperationView& view, RecordFiles files)
    : Operation(ReadCdrHandshake(), link, view), files_(std::move(files)),
      table_(ErasedBlockTable()) {}

void ReadCdrOperation::Start() {
    view_.SetProgress(0, "0%");
    StartHandshake();
}

void ReadCdrOperation::OnConnected() {
    link_.ClearReceiveBuffer();
    index_ = 0;
    attempt_ = 0;
}

void ReadCdrOperation::TickConnected() {
    switch (phase_) {
    case Phase::Receiving:
        if (++attempt_ > kBlockWaitTicks) {
            view_.AppendMemo(texts::records::kReadBlockLost);
            SayDiscarded();
            return End(OperationStatus::Failed);
        }
        return Examine();
    case Phase::Settling:
        if (++attempt_ > kSettleTicks) {
            phase_ = Phase::Stopping;
            stop_.emplace(BuildStopFrame(FrameLength::Short), link_);
        }
        return;
    case Phase::Stopping:
        if (stop_->OnTick()) {
            ReportSaved();
            End(OperationStatus::Succeeded);
        }
        return;
    }
}

void ReadCdrOperation::ReportSaved() {
    for (const char* line : texts::records::kReadSaved)
        view_.AppendMemo(line);
}

// Each block received says "Save OK!!!" as it goes into the read's table;
// a read that ends before its last block stores none of them, and says so.
void ReadCdrOperation::SayDiscarded() {
    if (index_ > 0)
        view_.AppendMemo(
            FillIn(view_.Translated(texts::records::kReadDiscarded), {std::to_string(index_)}));
}

OperationStatus ReadCdrOperation::Interrupted(OperationStatus proposed) {
    if (!Running())
        return proposed;
    if (phase_ == Phase::Receiving) {
        SayDiscarded();
        return proposed;
    }
    ReportSaved();
    return OperationStatus::Succeeded;
}

void ReadCdrOperation::BytesConnected() {
    if (phase_ == Phase::Receiving)
        Examine();
}

void ReadCdrOperation::Examine() {
    const Bytes buffer = link_.Received();
    const auto opening = Search(buffer, words::kOpening);
    if (!opening || !FrameComplete(buffer, FrameShape::DataBlock))
        return;
    view_.AppendMemo(texts::records::kReadData);
    view_.AppendMemo(texts::records::kReadChecksum);
    if (VerifyChecksum(buffer, FrameShape::DataBlock))
        return StoreBlock(*opening + 1);
    // The device sends the block again; its wait keeps counting.
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildFrame(frames::kCdrResend));
    view_.AppendMemo(texts::records::kReadBlockDamaged);
}

void ReadCdrOperation::StoreBlock(std::size_t dataAt) {
    const Bytes buffer = link_.Received();
    const std::size_t count = std::min(frames::kDataBlockSize, buffer.size() - dataAt);
    std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(dataAt), count,
                table_.begin() + static_cast<std::ptrdiff_t>(index_ * frames::kDataBlockSize));
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildFrame(frames::kCdrAck));
    view_.AppendMemo(std::to_string(index_));
    view_.AppendMemo(texts::records::kReadBlockSaved);
    const int percent = static_cast<int>((index_ * 100 + 100) / kBlockCount);
    view_.SetProgress(percent, " " + std::to_string(percent) + "%");
    if ((index_ > 5 && IsLastBlock()) || index_ + 1 == kBlockCount)
        return Finish();
    ++index_;
    attempt_ = 0;
}

bool ReadCdrOperation::IsLastBlock() const {
    const auto* block = table_.data() + index_ * frames::kDataBlockSize;
    return block[0] == 0xFF && block[57] == 0xFF && block[224] == 0xFF && block[249] == 0xFF;
}

void ReadCdrOperation::Finish() {
    view_.SetProgress(100, "100%");
    for (const char* line : texts::records::kReadOk)
        view_.AppendMemo(line);
    // The lists are replaced now: a stop is honoured before, or not at all.
    view_.Committing();
    try {
        files_.StoreRead(table_);
    } catch (const FileError& e) {
        End(OperationStatus::Failed); // before the box: ticks go on while it shows
        view_.Inform(texts::common::kErrorCaption, std::string(e.what()));
        return;
    }
    attempt_ = 0;
    phase_ = Phase::Settling;
}

} // namespace mervadin
