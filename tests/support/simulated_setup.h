#pragma once
// The link to the built-in simulated device, built the way the programs
// build it: the simulated transport first, then the link setup over it; and
// a device session on one.

#include "qtcore/text_codec.h"
#include "session/device_session.h"
#include "sim/sim_transport.h"
#include "transports/link_setup.h"

#include <memory>
#include <optional>

namespace mervadin::test {

inline std::unique_ptr<LinkSetup> SimulatedLinkSetup(sim::SimDevice** device) {
    auto transport = std::make_unique<SimTransport>();
    *device = &transport->Device();
    return std::make_unique<LinkSetup>(std::move(transport), std::nullopt);
}

class SimulatedSetup {
public:
    SimulatedSetup() : setup_(SimulatedLinkSetup(&device_)) {}
    DeviceLink& Link() { return setup_->Link(); }
    sim::SimDevice* Simulator() { return device_; }

private:
    sim::SimDevice* device_ = nullptr;
    std::unique_ptr<LinkSetup> setup_;
};

// A device session on the simulated device, storing into `folder`.
class SimulatedSession {
public:
    explicit SimulatedSession(const WorkFolder& folder,
                              const TextEncoding& encoding = TextCodec::Following())
        : session_(folder, SimulatedLinkSetup(&device_), encoding) {}
    DeviceSession& Session() { return session_; }
    DeviceLink& Link() { return session_.Link(); }
    sim::SimDevice* Simulator() { return device_; }

private:
    sim::SimDevice* device_ = nullptr;
    DeviceSession session_;
};

} // namespace mervadin::test
