#include "link/tick_clock.h"

#include "link/device_selection.h"

namespace mervadin {

TickClock::TickClock(QObject* parent) : QObject(parent) {
    timer_.setInterval(TickPeriodMs());
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickClock::Ticked);
}

} // namespace mervadin
