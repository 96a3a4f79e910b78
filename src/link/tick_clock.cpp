#include "link/tick_clock.h"

#include "link/tick_period.h"

namespace mervadin {

TickClock::TickClock(QObject* parent) : QObject(parent) {
    timer_.setInterval(TickPeriodMs());
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickClock::Ticked);
}

} // namespace mervadin
