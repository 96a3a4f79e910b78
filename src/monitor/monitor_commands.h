#pragma once
// What the monitor's controls ask of whoever runs the live monitor (the
// device session): the controls send commands and watch as a MonitorView;
// they own neither the monitor nor the link.

#include "monitor/live_monitor.h"

namespace mervadin {

class MonitorCommands {
public:
    virtual ~MonitorCommands() = default;
    virtual bool DeviceConnected() const = 0;
    // Starts the monitor and its clocks; false, starting nothing, without a
    // connected device.
    virtual bool StartMonitor() = 0;
    // MonitorOFF: the monitor ends and its views are told StoppedByRequest.
    virtual void StopMonitor() = 0;
    // The stop of a Close: the monitor ends, nothing is told.
    virtual void EndMonitor() = 0;
    // The operator's requests, carried by the answers to later frames.
    virtual LiveMonitor& Monitor() = 0;
    // A view is told what the monitor sees until it is removed.
    virtual void AddView(MonitorView& view) = 0;
    virtual void RemoveView(MonitorView& view) = 0;
};

} // namespace mervadin
