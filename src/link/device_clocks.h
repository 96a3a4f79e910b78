#pragma once
// The two clocks that device work runs on: the 10-ms tick clock, whose ticks
// the protocol's time-outs count, and the 1-ms clock that paces what is
// finer (the live monitor's look at the receive buffer, the pause before a
// data block). Both start and stop together, and only while there is work:
// at rest nothing wakes.

#include "link/tick_clock.h"

#include <QObject>
#include <QTimer>

namespace mervadin {

class DeviceClocks : public QObject {
    Q_OBJECT
public:
    explicit DeviceClocks(QObject* parent = nullptr);
    // Names the two clocks as objects, as their owner knows them.
    void Name(const char* tickName, const char* fastName);

    void Start();
    void Stop();
    bool Running() const { return tick_->Running(); }

signals:
    void Ticked();
    void FastTicked();

private:
    TickClock* tick_;
    QTimer* fast_;
};

} // namespace mervadin
