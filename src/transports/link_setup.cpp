#include "transports/link_setup.h"

#include "transports/hid_transport.h"
#ifndef _WIN32
#include "transports/socket_transport.h"
#endif

#include <stdexcept>

namespace mervadin {

std::unique_ptr<Transport> OpenDeviceTransport(const DeviceSelection& selection) {
    switch (selection.kind) {
    case DeviceSelection::Kind::Socket:
#ifdef _WIN32
        throw std::runtime_error(*selection.Problem());
#else
        return std::make_unique<SocketTransport>(selection.path);
#endif
    case DeviceSelection::Kind::Hid:
        if (!HidTransport::Initialise())
            throw HidUnavailable();
        return std::make_unique<HidTransport>(selection.path);
    case DeviceSelection::Kind::Simulator:
        break;
    }
    throw std::logic_error("the simulated device is built by the program, not opened");
}

LinkSetup::LinkSetup(std::unique_ptr<Transport> transport,
                     const std::optional<std::filesystem::path>& trace)
    : transport_(std::move(transport)) {
    if (trace)
        trace_ = std::make_unique<FrameTrace>(*trace);
    // Only the real HID transport offers a choice among attached devices.
    chooser_ = dynamic_cast<DeviceChooser*>(transport_.get());
    link_ = std::make_unique<DeviceLink>(*transport_, trace_.get());
    if (trace_)
        trace_->Note("opened " + transport_->Describe());
}

LinkSetup::~LinkSetup() = default;

} // namespace mervadin
