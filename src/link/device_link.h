#pragma once
// The link to the device: sends frames as output reports, collects input
// reports in the receive buffer, and follows the device's presence (the
// connected flag, the USB lamp and the status line hang on it).

#include "frames/frame_templates.h"
#include "frames/receive_buffer.h"
#include "link/transport.h"

#include <string>
#include <vector>

namespace mervadin {

class FrameTrace;

class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    // The device count changed; `initial` for the first count after opening.
    virtual void OnUsbStatus(bool present, bool initial) = 0;
    // Bytes were appended to the receive buffer.
    virtual void OnBytesArrived() {}
    // A device is present but cannot be opened.
    virtual void OnDeviceUnusable(const std::string& /*advice*/) {}
    // The holder of the link let it go (see DeviceLink::Hold).
    virtual void OnLinkReleased() {}
    // The stop request of the write operations was raised.
    virtual void OnStopRequested() {}
};

class DeviceLink : public TransportEvents {
public:
    explicit DeviceLink(Transport& transport, FrameTrace* trace = nullptr);

    // Starts the transport; the first device count it reports is the initial one.
    void Open();

    // Cuts the frame's bytes into reports and writes them.
    void SendFrame(const OutgoingFrame& frame);
    void SendFrame(Bytes frame);

    void ClearReceiveBuffer() { buffer_.Clear(); }
    Bytes Received() const { return buffer_.View(); }

    bool Connected() const { return connected_; }
    // Cleared when the main window closes: from then on nothing is stored.
    void SetReadEnabled(bool enabled) { readEnabled_ = enabled; }

    // Who runs request-answer exchanges on the link: a tool window holds it
    // while it is open, and the live monitor neither examines, answers nor
    // clears anything meanwhile. Empty when nobody holds it.
    void Hold(std::string holder) { holder_ = std::move(holder); }
    void Release();
    const std::string& Holder() const { return holder_; }

    // The stop request that the download window's Stop and Exit raise; it
    // ends a running live monitor as well.
    void RequestStop();

    void AddObserver(LinkObserver* observer);
    void RemoveObserver(LinkObserver* observer);

    // TransportEvents
    void OnInputReport(Bytes data) override;
    void OnDeviceCount(int count) override;
    void OnDeviceUnusable(const std::string& advice) override;

private:
    void UpdateUsbStatus(int count, bool initial);

    Transport& transport_;
    FrameTrace* trace_;
    ReceiveBuffer buffer_;
    bool connected_ = false;
    bool readEnabled_ = false;
    bool countSeen_ = false;
    std::string holder_;
    std::vector<LinkObserver*> observers_;
};

} // namespace mervadin
