#pragma once
// How long a write waits for the device to store one data block, written
// once for every write. The device's own tool gives up on a block at its
// 51st rejection; here every answer that does not store the block counts
// towards that limit (silence until the block is sent again, a damaged
// answer, "data_err!", "timeout!", any other answer), so that a write ends
// by itself whatever the device answers: at most 51 times the resend wait
// per block.

#include "common/ui_text.h"
#include "operation/operation_texts.h"

#include <string>

namespace mervadin {

class BlockRetries {
public:
    // Answers (or silences) after which the write gives up on a block.
    static constexpr unsigned kLimit = 50;

    // One more answer that did not store the block; true when that is one
    // too many.
    bool Exceeded() { return ++count_ > kLimit; }
    // The block was stored: the next one starts afresh.
    void Reset() { count_ = 0; }
    unsigned Count() const { return count_; }

    // The box text for a write that gave up without a rejection to name.
    static std::string NotStoredText(const Translate& translate) {
        return FillIn(translate(texts::operation::kBlockNotStored), {std::to_string(kLimit + 1)});
    }

private:
    unsigned count_ = 0;
};

} // namespace mervadin
