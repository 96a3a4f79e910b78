#pragma once
// Writes the voice buffer into the device: the handshake, the device's erase
// of its voice area, then one data-block frame per 512 bytes, at least one
// tick after the last, until the device has stored it; three padded stop
// frames end the session. Rejected blocks (a bad checksum or "data_err!")
// are counted per block; the 51st for one block ends the write.

#include "operation/erase_wait.h"
#include "operation/frame_repeater.h"
#include "operation/handshake_operation.h"
#include "voice/voice_buffer.h"

#include <optional>

namespace mervadin {

class WriteVoiceOperation : public HandshakeOperation {
public:
    static constexpr unsigned kEraseLimit = 3000;
    static constexpr unsigned kSettleTicks = 5;
    static constexpr unsigned kResendAfter = 50;
    static constexpr unsigned kMaxRetries = 50;

    WriteVoiceOperation(DeviceLink& link, OperationView& view, VoiceBuffer& voice);

    void Start() override;
    // Once every block is stored the write has succeeded, whatever ends it.
    OperationStatus Interrupted(OperationStatus proposed) override;

private:
    enum class Phase { Erasing, Settling, Spacing, Waiting, Stopping };

    void OnConnected() override;
    void TickConnected() override;
    void BytesConnected() override;

    void ExamineErase();
    void StartBlock();
    void SendBlock();
    void Transmit();
    void ExamineBlock();
    void BlockStored();
    void Reject();
    void Finish();

    VoiceBuffer& voice_;
    std::size_t blocks_ = 0;
    Phase phase_ = Phase::Erasing;
    std::size_t block_ = 0;
    unsigned poll_ = 0, resend_ = 0, overall_ = 0;
    unsigned retries_ = 0;
    EraseWait erase_{link_, view_, "EarseEnd \r"};
    std::optional<FrameRepeater> stop_;
};

} // namespace mervadin
