#include "link/device_clocks.h"

namespace mervadin {

DeviceClocks::DeviceClocks(QObject* parent)
    : QObject(parent), tick_(new TickClock(this)), fast_(new QTimer(this)) {
    fast_->setTimerType(Qt::PreciseTimer);
    fast_->setInterval(1);
    connect(tick_, &TickClock::Ticked, this, &DeviceClocks::Ticked);
    connect(fast_, &QTimer::timeout, this, &DeviceClocks::FastTicked);
}

void DeviceClocks::Name(const char* tickName, const char* fastName) {
    tick_->setObjectName(tickName);
    fast_->setObjectName(fastName);
}

void DeviceClocks::Start() {
    if (!tick_->Running())
        tick_->Start();
    if (!fast_->isActive())
        fast_->start();
}

void DeviceClocks::Stop() {
    tick_->Stop();
    fast_->stop();
}

} // namespace mervadin
