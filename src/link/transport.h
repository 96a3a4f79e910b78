#pragma once
// A way to reach the device: real HID, the simulated device or the socket
// bridge. A transport delivers its events on the thread that runs the link
// (the main thread), never from a thread of its own.

#include "frames/frame_codec.h"
#include "frames/hid_report.h"

#include <string>

namespace mervadin {

class TransportEvents {
public:
    virtual ~TransportEvents() = default;
    // One input report's data as the HID library hands it over: a leading
    // 0 byte is the report number.
    virtual void OnInputReport(Bytes data) = 0;
    // The number of matching devices present now.
    virtual void OnDeviceCount(int count) = 0;
    // A device is present but cannot be used; `advice` says why and how to fix it.
    virtual void OnDeviceUnusable(const std::string& advice) = 0;
};

class Transport {
public:
    virtual ~Transport() = default;
    // Starts reading and reports the device count once it is known.
    virtual void Start(TransportEvents& events) = 0;
    // Sends one 65-byte output report; a failed write is not reported.
    virtual void Write(const Report& report) = 0;
    // A short description for the status line and the trace.
    virtual std::string Describe() const = 0;
};

} // namespace mervadin
