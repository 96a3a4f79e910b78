#include "transports/link_setup.h"

#include "sim/sim_transport.h"
#include "transports/hid_transport.h"
#ifndef _WIN32
#include "transports/socket_transport.h"
#endif

#include <stdexcept>

namespace mervadin {

LinkSetup::LinkSetup(const DeviceSelection& selection,
                     const std::optional<std::filesystem::path>& trace) {
    if (trace)
        trace_ = std::make_unique<FrameTrace>(*trace);
    switch (selection.kind) {
    case DeviceSelection::Kind::Simulator: {
        auto simulated = std::make_unique<SimTransport>();
        simulator_ = &simulated->Device();
        transport_ = std::move(simulated);
        break;
    }
    case DeviceSelection::Kind::Socket:
#ifdef _WIN32
        throw std::runtime_error(*selection.Problem());
#else
        transport_ = std::make_unique<SocketTransport>(selection.path);
        break;
#endif
    case DeviceSelection::Kind::Hid:
        if (!HidTransport::Initialise())
            throw HidUnavailable();
        {
            auto hid = std::make_unique<HidTransport>(selection.path);
            chooser_ = hid.get();
            transport_ = std::move(hid);
            break;
        }
    }
    link_ = std::make_unique<DeviceLink>(*transport_, trace_.get());
    if (trace_)
        trace_->Note("opened " + transport_->Describe());
}

LinkSetup::~LinkSetup() = default;

} // namespace mervadin
