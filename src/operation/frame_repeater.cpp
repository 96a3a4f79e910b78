#include "operation/frame_repeater.h"

namespace mervadin {

bool FrameRepeater::OnTick() {
    if (Done())
        return true;
    if (++delay_ >= pause_) {
        delay_ = 0;
        link_.SendFrame(frame_);
        ++sent_;
    }
    return Done();
}

} // namespace mervadin
