#pragma once
// The built-in simulated device, in the same process: reports go to the
// device model and its answers come back as input reports, delivered on the
// main thread. Its clock wakes only when the device has something due (an
// answer, a paced report, the next status frame), never at a fixed rate.

#include "link/transport.h"
#include "sim/sim_device.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace mervadin {

class SimTransport : public Transport {
public:
    // Call records the simulated device holds when it starts.
    static constexpr std::size_t kSampleRecords = 40;

    SimTransport();
    ~SimTransport() override;

    void Start(TransportEvents& events) override;
    void Write(const Report& report) override;
    std::string Describe() const override { return "simulated device"; }

    sim::SimDevice& Device() { return device_; }

private:
    void Advance();
    // Sets the clock for the device's next due moment.
    void Arm();

    sim::SimDevice device_;
    TransportEvents* events_ = nullptr;
    QObject context_;
    QTimer clock_;
    QElapsedTimer elapsed_;
};

} // namespace mervadin
