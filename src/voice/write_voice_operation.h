#pragma once
// Writes the voice buffer into the device as a block write paced by the
// 10-ms clock: each block at least one tick after the last, its answer
// looked for on every tick.

#include "frames/frame_templates.h"
#include "operation/block_write_operation.h"
#include "voice/voice_buffer.h"

namespace mervadin {

const HandshakeProfile& WriteVoiceHandshake();

class WriteVoiceOperation : public BlockWriteOperation {
public:
    WriteVoiceOperation(DeviceLink& link, OperationView& view, VoiceBuffer& voice);

private:
    bool Prepare() override;
    std::size_t BlockCount() const override { return blocks_; }
    DataBlockView BlockAt(std::size_t index) override { return voice_.Block(index); }

    VoiceBuffer& voice_;
    std::size_t blocks_ = 0;
};

} // namespace mervadin
