#include "sim/sim_transport.h"

namespace mervadin {

SimTransport::SimTransport() {
    device_.AddSampleRecords(kSampleRecords);
    clock_.setInterval(1);
    clock_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock_, &QTimer::timeout, &context_, [this] { Advance(); });
}

SimTransport::~SimTransport() = default;

void SimTransport::Start(TransportEvents& events) {
    events_ = &events;
    elapsed_.start();
    // Everything the device says reaches the link as a queued event, never
    // from inside the tool's own call, as with a real device.
    device_.SetOutput([this](const sim::DataReport& data) {
        Report report{};
        std::copy(data.begin(), data.end(), report.begin() + 1);
        QMetaObject::invokeMethod(
            &context_, [this, report] { events_->OnInputReport(report); }, Qt::QueuedConnection);
    });
    device_.SetPlugListener([this](bool plugged) {
        QMetaObject::invokeMethod(
            &context_, [this, plugged] { events_->OnDeviceCount(plugged ? 1 : 0); },
            Qt::QueuedConnection);
    });
    events.OnDeviceCount(device_.Plugged() ? 1 : 0);
    clock_.start();
}

void SimTransport::Write(const Report& report) {
    device_.Receive(Bytes(report).subspan(1));
    // Answer as soon as the event loop is free rather than at the next tick.
    QMetaObject::invokeMethod(
        &context_, [this] { Advance(); }, Qt::QueuedConnection);
}

void SimTransport::Advance() {
    device_.Advance(static_cast<std::uint64_t>(elapsed_.elapsed()));
}

} // namespace mervadin
