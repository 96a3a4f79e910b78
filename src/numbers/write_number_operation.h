#pragma once
// Writes the number list into the device: the list is packed (and checked)
// before the device is contacted, then written as a block write paced by
// the 1-ms clock (each block after a 3-ms pause, its answer looked for
// every 2 ms). Lines whose numbers are never to be called (read from
// `blocked` when the write starts) are left out, each named in a warning;
// a block list that cannot be read stops the write before anything is sent.

#include "frames/frame_templates.h"
#include "numbers/number_packing.h"
#include "operation/block_write_operation.h"

#include <filesystem>

namespace mervadin {

const HandshakeProfile& WriteNumberHandshake();

class WriteNumberOperation : public BlockWriteOperation {
public:
    WriteNumberOperation(DeviceLink& link, OperationView& view, std::filesystem::path list,
                         BlockedNumbersSource blocked, const TextEncoding& encoding);

private:
    bool Prepare() override;
    std::size_t BlockCount() const override { return packed_.blocks.size(); }
    DataBlockView BlockAt(std::size_t index) override { return packed_.blocks[index]; }

    std::filesystem::path list_;
    BlockedNumbersSource blocked_;
    const TextEncoding& encoding_;
    PackedNumbers packed_;
};

} // namespace mervadin
