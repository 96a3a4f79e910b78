#pragma once
// Everything that reaches the device, built from the --device and --trace
// options: the transport, the link over it and the optional trace file.

#include "link/device_chooser.h"
#include "link/device_link.h"
#include "link/device_selection.h"
#include "link/frame_trace.h"
#include "transports/transport_texts.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace mervadin {

namespace sim {
class SimDevice;
}

// The HID layer could not start; its message is the one the start-up shows.
class HidUnavailable : public std::runtime_error {
public:
    HidUnavailable() : std::runtime_error(texts::transports::kHidInitFailed) {}
};

class LinkSetup {
public:
    // Throws HidUnavailable when the HID layer cannot start, and
    // std::runtime_error with a message for the user when the trace file
    // cannot be opened.
    LinkSetup(const DeviceSelection& selection, const std::optional<std::filesystem::path>& trace);
    ~LinkSetup();

    DeviceLink& Link() { return *link_; }
    // Why the trace file stopped being written, or nothing.
    std::optional<std::string> TraceFailure() const {
        return trace_ ? trace_->Failure() : std::nullopt;
    }
    // The simulated device when the session runs on one, else null.
    sim::SimDevice* Simulator() { return simulator_; }
    // The choice among several attached devices (real HID only), else null.
    DeviceChooser* Chooser() { return chooser_; }

private:
    std::unique_ptr<FrameTrace> trace_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<DeviceLink> link_;
    sim::SimDevice* simulator_ = nullptr;
    DeviceChooser* chooser_ = nullptr;
};

} // namespace mervadin
