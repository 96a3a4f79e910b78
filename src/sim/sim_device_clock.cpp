// The simulated device's time and presence: when it next has something to
// do, and its unplug, plug and reconnect.

#include "sim/sim_device.h"

#include <algorithm>

namespace mervadin::sim {

std::optional<std::uint64_t> SimDevice::NextDueMs() const {
    if (!plugged_)
        return std::nullopt;
    std::optional<std::uint64_t> due = line_.NextDueMs();
    auto consider = [&due](std::uint64_t at) { due = due ? std::min(*due, at) : at; };
    if (inFlight_)
        consider(flashDoneMs_);
    if (mode_ == Mode::AwaitSettings && settingsStored_)
        consider(lastFrameMs_ + kSessionIdleMs + 1);
    if (mode_ == Mode::Idle) {
        if (const auto change = dialer_.NextChangeMs())
            consider(*change);
        // A status frame waits for the answers still scheduled.
        if (timing_.statusIntervalMs > 0 && line_.NothingScheduled())
            consider(nextStatusMs_);
    }
    return due;
}

void SimDevice::Reconnect() {
    incoming_.clear();
    line_.Clear();
    EndSession();
}

void SimDevice::Unplug() {
    if (!plugged_)
        return;
    plugged_ = false;
    incoming_.clear();
    line_.Clear();
    inFlight_.reset();
    mode_ = Mode::Idle;
    if (plugListener_)
        plugListener_(false);
    Changed();
}

void SimDevice::Plug() {
    if (plugged_)
        return;
    plugged_ = true;
    statusAnswered_ = true;
    nextStatusMs_ = nowMs_ + timing_.statusIntervalMs;
    if (plugListener_)
        plugListener_(true);
    Changed();
}

} // namespace mervadin::sim
