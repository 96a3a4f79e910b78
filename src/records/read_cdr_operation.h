#pragma once
// Reads the call records out of the device: after the handshake the device
// sends block 0 by itself and each next block when the last one is
// acknowledged; a damaged block is rejected and comes again. A block whose
// bytes 0, 57, 224 and 249 are all 0xFF (from index 6 on) is the last. The
// blocks go to ReadFile.txt and the two lists, and three short stop frames
// end the exchange.

#include "operation/frame_repeater.h"
#include "operation/operation.h"
#include "records/record_files.h"

#include <optional>

namespace mervadin {

const HandshakeProfile& ReadCdrHandshake();

class ReadCdrOperation : public Operation {
public:
    static constexpr unsigned kBlockWaitTicks = 500;
    static constexpr unsigned kSettleTicks = 10;

    ReadCdrOperation(DeviceLink& link, OperationView& view, RecordFiles files);

    void Start() override;
    // Once the files are written the read has succeeded, whatever ends it.
    OperationStatus Interrupted(OperationStatus proposed) override;

private:
    enum class Phase { Receiving, Settling, Stopping };

    void OnConnected() override;
    void TickConnected() override;
    void BytesConnected() override;

    void Examine();
    void StoreBlock(std::size_t dataAt);
    void Finish();
    void ReportSaved();
    void SayDiscarded();
    bool IsLastBlock() const;

    RecordFiles files_;
    BlockTable table_;
    Phase phase_ = Phase::Receiving;
    std::size_t index_ = 0;
    unsigned attempt_ = 0;
    std::optional<FrameRepeater> stop_;
};

} // namespace mervadin
