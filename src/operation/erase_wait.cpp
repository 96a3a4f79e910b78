#include "operation/erase_wait.h"

#include "frames/frame_templates.h"
#include "operation/operation_texts.h"

namespace mervadin {

bool EraseWait::Examine() {
    const Bytes buffer = link_.Received();
    if (!Search(buffer, frames::kOpening) || !FrameComplete(buffer))
        return false;
    if (!VerifyChecksum(buffer)) {
        link_.ClearReceiveBuffer();
        return false;
    }
    if (ShortSearch(buffer, "earsespi!").has_value()) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo(texts::operation::kErasing);
    } else if (ShortSearch(buffer, "earse:").has_value()) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo(texts::operation::kErasing);
        view_.AppendMemo(std::to_string(steps_++));
        view_.AppendMemo(texts::operation::kEraseRule);
    } else if (ShortSearch(buffer, "earsespiok!").has_value()) {
        link_.ClearReceiveBuffer();
        view_.AppendMemo(endLine_);
        return true;
    }
    return false; // any other frame stays in the buffer; the wait goes on
}

} // namespace mervadin
