#pragma once
// Writes the number list into the device: the list is packed (and checked)
// before the device is contacted; then the handshake, the device's erase of
// its number area, and one data-block frame per block, each after a 3-ms
// pause, until the device has stored it; three padded stop frames end the
// session. Rejected blocks (a bad checksum or "data_err!") are counted over
// the whole data phase; the 51st ends the write.

#include "operation/erase_wait.h"
#include "operation/frame_repeater.h"
#include "operation/handshake_operation.h"
#include "numbers/number_packing.h"

#include <filesystem>
#include <optional>

namespace mervadin {

class WriteNumberOperation : public HandshakeOperation {
public:
    static constexpr unsigned kEraseLimit = 3000;
    static constexpr unsigned kSettleTicks = 5;
    static constexpr unsigned kPauseFastTicks = 3;
    static constexpr unsigned kPollFastTicks = 2;
    static constexpr unsigned kResendAfter = 50;
    static constexpr unsigned kMaxRetries = 50;

    WriteNumberOperation(DeviceLink& link, OperationView& view, std::filesystem::path list,
                         const TextEncoding& encoding = Utf8Encoding());

    void Start() override;
    // Once every block is stored the write has succeeded, whatever ends it.
    OperationStatus Interrupted(OperationStatus proposed) override;

private:
    enum class Phase { Erasing, Settling, Pausing, Waiting, Stopping };

    void OnConnected() override;
    void TickConnected() override;
    void BytesConnected() override;
    void FastTickConnected() override;

    void ExamineErase();
    void StartBlock();
    void SendBlock();
    void Transmit();
    void ExamineBlock();
    void BlockStored();
    void Reject();
    void Finish();
    bool HoldsFrame() const;

    std::filesystem::path list_;
    const TextEncoding& encoding_;
    PackedNumbers packed_;
    Phase phase_ = Phase::Erasing;
    std::size_t block_ = 0;
    unsigned poll_ = 0, resend_ = 0, overall_ = 0, fast_ = 0;
    unsigned retries_ = 0;
    EraseWait erase_{link_, view_, "EarseEnd!!!\r"};
    std::optional<FrameRepeater> stop_;
};

} // namespace mervadin
