#pragma once
// The writes that fill a flash area of the device block by block (the
// number list and the voice prompt): the handshake, the device's erase of
// the area, then one data-block frame per block, each after a pause, until
// the device has stored it; three padded stop frames end the session. What
// differs between them is a profile (texts, pacing, completion message) and
// where the blocks come from.

#include "common/ui_text.h"
#include "frames/frame_templates.h"
#include "operation/block_retries.h"
#include "operation/erase_wait.h"
#include "operation/frame_repeater.h"
#include "operation/operation.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace mervadin {

// The memo lines and boxes a block write shows.
struct BlockWriteTexts {
    ShownText eraseFailed;           // the memo's only line when the erase does not end in time
    ShownText eraseEnd;              // when the erase is done
    bool blockAfterLoad;             // the block's number follows "LoadData......"
    ShownText send;                  // before each transmission, followed by the block's number
    ShownText checksumError;         // error memo: an answer whose checksum is wrong
    ShownText writing;               // the device writes the block into its flash
    ShownText stored;                // the device has stored it
    ShownText rejected;              // the device asks for the block again ("data_err!")
    ShownText rejectedError;         // error memo: the same
    std::vector<ShownText> finished; // after the last block
    std::optional<std::pair<ShownText, ShownText>> doneBox; // caption and text
};

// Which clock paces the data phase and how: the pause before each
// transmission and the look at the buffer, in ticks of that clock.
struct BlockWritePacing {
    enum class Clock { Ticks, FastTicks };
    Clock clock;
    unsigned pauseBeforeSend;
    unsigned pollEvery;
};

struct BlockWriteProfile {
    const HandshakeProfile& handshake;
    BlockWriteTexts texts;
    BlockWritePacing pacing;
};

class BlockWriteOperation : public Operation {
public:
    // Ticks the whole erase may take, counted from the handshake's end.
    static constexpr unsigned kEraseLimit = 3000;
    static constexpr unsigned kSettleTicks = 5;
    // Silence after a block: it is sent again, counted as a retry
    // (BlockRetries).
    static constexpr unsigned kResendAfter = 50;

    void Start() final;
    // Once every block is stored the write has succeeded, whatever ends it.
    OperationStatus Interrupted(OperationStatus proposed) final;

protected:
    BlockWriteOperation(const BlockWriteProfile& profile, DeviceLink& link, OperationView& view);

    // Gets the blocks ready before the device is contacted; false ends the
    // write (having told why).
    virtual bool Prepare() = 0;
    virtual std::size_t BlockCount() const = 0;
    virtual DataBlockView BlockAt(std::size_t index) = 0;

private:
    enum class Phase { Erasing, Settling, Pausing, Waiting, Stopping };

    void OnConnected() override;
    void TickConnected() override;
    void BytesConnected() override;
    void FastTickConnected() override;

    void Pace(BlockWritePacing::Clock clock);
    void ExamineErase();
    void StartBlock();
    void SendBlock();
    void Transmit();
    void ExamineBlock();
    void BlockStored();
    void Reject();
    // One more answer or silence without the block stored; false when the
    // write has given up on it.
    bool Retry();
    void GiveUp(const std::string& boxText);
    void Finish();

    const BlockWriteProfile& profile_;
    const BlockWriteTexts& texts_;
    Phase phase_ = Phase::Erasing;
    std::size_t block_ = 0;
    unsigned poll_ = 0, resend_ = 0, overall_ = 0; // ticks of the 10-ms clock
    unsigned paced_ = 0; // ticks of the pacing clock since the last send or transmission
    BlockRetries retries_;
    EraseWait erase_;
    std::optional<FrameRepeater> stop_;
};

} // namespace mervadin
