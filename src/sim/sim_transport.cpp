#include "sim/sim_transport.h"

#include <algorithm>

namespace mervadin {

SimTransport::SimTransport() {
    device_.AddSampleRecords(kSampleRecords);
    clock_.setSingleShot(true);
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
            &context_,
            [this, plugged] {
                Arm();
                events_->OnDeviceCount(plugged ? 1 : 0);
            },
            Qt::QueuedConnection);
    });
    events.OnDeviceCount(device_.Plugged() ? 1 : 0);
    Arm();
}

void SimTransport::Write(const Report& report) {
    // The device's clock moves only when it is advanced: bring it to now, so
    // that what the report starts is timed from its arrival.
    device_.Advance(static_cast<std::uint64_t>(elapsed_.elapsed()));
    device_.Receive(Bytes(report).subspan(1));
    // Answer as soon as the event loop is free rather than at the next tick.
    QMetaObject::invokeMethod(
        &context_, [this] { Advance(); }, Qt::QueuedConnection);
}

void SimTransport::Advance() {
    device_.Advance(static_cast<std::uint64_t>(elapsed_.elapsed()));
    Arm();
}

void SimTransport::Arm() {
    const auto due = device_.NextDueMs();
    if (!due) {
        clock_.stop();
        return;
    }
    const auto now = static_cast<std::uint64_t>(elapsed_.elapsed());
    const std::uint64_t wait = *due > now ? *due - now : 0;
    clock_.start(static_cast<int>(std::min<std::uint64_t>(wait, std::uint64_t{24} * 3600 * 1000)));
}

} // namespace mervadin
