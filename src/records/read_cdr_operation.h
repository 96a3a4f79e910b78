#pragma once
// Reads the call records out of the device: after the handshake the device
// sends block 0 by itself and each next block when the last one is
// acknowledged; a damaged block is rejected and comes again. A block whose
// bytes 0, 57, 224 and 249 are all 0xFF (from index 6 on) is the last. The
// blocks go to ReadFile.txt and the two lists, and three short stop frames
// end the exchange.

#include "link/frame_repeater.h"
#include "link/operation.h"
#include "records/record_files.h"

#include <optional>

namespace mervadin {

class ReadCdrOperation : public Operation {
public:
    static constexpr unsigned kBlockWaitTicks = 500;
    static constexpr unsigned kSettleTicks = 10;

    ReadCdrOperation(DeviceLink& link, OperationView& view, RecordFiles files);

    std::string GuardText() const override { return ReadCdrHandshake().guard; }
    void Start() override;
    OperationStatus OnTick() override;
    OperationStatus OnBytes() override;

    const BlockTable& Table() const { return table_; }
    std::size_t BlocksRead() const { return index_; }

private:
    enum class Phase { Connecting, Receiving, Settling, Stopping, Done };

    OperationStatus AfterHandshake(Handshake::State state);
    OperationStatus Examine();
    OperationStatus StoreBlock(std::size_t dataAt);
    OperationStatus Finish();
    bool IsLastBlock() const;

    DeviceLink& link_;
    OperationView& view_;
    RecordFiles files_;
    Handshake handshake_;
    BlockTable table_;
    Phase phase_ = Phase::Connecting;
    std::size_t index_ = 0;
    unsigned attempt_ = 0;
    std::optional<FrameRepeater> stop_;
    OperationStatus status_ = OperationStatus::Running;
};

} // namespace mervadin
