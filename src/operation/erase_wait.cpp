#include "operation/erase_wait.h"

#include "frames/device_words.h"
#include "frames/frame_templates.h"
#include "operation/operation_texts.h"

namespace mervadin {

bool EraseWait::Examine() {
    const Bytes buffer = link_.Received();
    if (!Search(buffer, words::kOpening) || !FrameComplete(buffer))
        return false;
    if (!VerifyChecksum(buffer)) {
        link_.ClearReceiveBuffer();
        return false;
    }
    if (ShortSearch(buffer, words::kEraseStarted).has_value()) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo(texts::operation::kErasing);
    } else if (ShortSearch(buffer, words::kEraseStep).has_value()) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo(texts::operation::kErasing);
        view_.AppendMemo(std::to_string(steps_++));
        view_.AppendMemo(texts::operation::kEraseRule);
    } else if (ShortSearch(buffer, words::kEraseDone).has_value()) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo(endLine_);
        return true;
    }
    return false; // any other frame stays in the buffer; the wait goes on
}

} // namespace mervadin
