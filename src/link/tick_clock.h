#pragma once
// The 10-ms clock whose ticks the device exchanges count. Its period comes
// from MERVADIN_TICK_MS (10 by default) so that tests can run long time-outs
// quickly.

#include <QObject>
#include <QTimer>

namespace mervadin {

class TickClock : public QObject {
    Q_OBJECT
public:
    explicit TickClock(QObject* parent = nullptr);

    void Start() { timer_.start(); }
    void Stop() { timer_.stop(); }
    bool Running() const { return timer_.isActive(); }

signals:
    void Ticked();

private:
    QTimer timer_;
};

} // namespace mervadin
