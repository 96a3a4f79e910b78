#pragma once
// Everything that reaches the device: the transport the program chose, the
// link over it and the optional trace file of the --trace option.

#include "link/device_chooser.h"
#include "link/device_link.h"
#include "link/device_selection.h"
#include "link/frame_trace.h"
#include "link/transport.h"
#include "transports/transport_texts.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace mervadin {

// The HID layer could not start; its message is the one the start-up shows.
class HidUnavailable : public std::runtime_error {
public:
    HidUnavailable() : std::runtime_error(texts::transports::kHidInitFailed) {}
};

// The transport to a real device: HID, or on POSIX the socket bridge (the
// simulated device is built where the program is assembled). Throws
// HidUnavailable when the HID layer cannot start, and std::runtime_error
// with a message for the user when the selection cannot be used here.
std::unique_ptr<Transport> OpenDeviceTransport(const DeviceSelection& selection);

class LinkSetup {
public:
    // Throws std::runtime_error with a message for the user when the trace
    // file cannot be opened.
    LinkSetup(std::unique_ptr<Transport> transport,
              const std::optional<std::filesystem::path>& trace);
    ~LinkSetup();

    DeviceLink& Link() { return *link_; }
    // Why the trace file stopped being written, or nothing.
    std::optional<std::string> TraceFailure() const {
        return trace_ ? trace_->Failure() : std::nullopt;
    }
    // The choice among several attached devices (real HID only), else null.
    DeviceChooser* Chooser() { return chooser_; }

private:
    std::unique_ptr<FrameTrace> trace_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<DeviceLink> link_;
    DeviceChooser* chooser_ = nullptr;
};

} // namespace mervadin
