#pragma once
// Sends one frame several times, each after a pause counted in ticks: the
// stop and exit frames go out three times, each 20 ticks after the last.

#include "link/device_link.h"

namespace mervadin {

class FrameRepeater {
public:
    static constexpr unsigned kTimes = 3;
    static constexpr unsigned kPauseTicks = 20;

    FrameRepeater(OutgoingFrame frame, DeviceLink& link, unsigned times = kTimes,
                  unsigned pause = kPauseTicks)
        : frame_(frame), link_(link), times_(times), pause_(pause) {}

    // Returns true once every copy has gone out.
    bool OnTick();
    bool Done() const { return sent_ == times_; }

private:
    OutgoingFrame frame_;
    DeviceLink& link_;
    unsigned times_;
    unsigned pause_;
    unsigned delay_ = 0;
    unsigned sent_ = 0;
};

} // namespace mervadin
