#pragma once
// The real device over hidapi. hidapi is not thread-safe per handle, so one
// I/O thread does every call: it opens the device when it appears (polling
// the enumeration, since hidapi has no hot-plug call), reads input reports,
// writes the queued output reports, and treats a read error as an unplug.
// Everything it learns is handed to the main thread.

#include "link/device_chooser.h"
#include "link/transport.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace mervadin {

struct HidDeviceInfo {
    std::string path;
    std::string manufacturer;
    std::string product;
    std::string serial;
};

class HidTransport : public Transport, public DeviceChooser {
public:
    // The device's USB identifiers.
    static constexpr unsigned short kVendorId = 0x0416;
    static constexpr unsigned short kProductId = 0x5020;
    static constexpr int kScanMs = 500;
    // hidapi cannot wake a read for a write, so while the tool is writing
    // (within kBusySpanMs of its last write) the I/O thread waits for input
    // at most a millisecond between looks at its queue; at rest it waits
    // longer, and the first write of an exchange may wait that long.
    static constexpr int kBusyReadTimeoutMs = 1;
    static constexpr int kRestReadTimeoutMs = 250;
    static constexpr int kBusySpanMs = 2000;
    // Reports handed to the event loop and not yet taken; beyond this many
    // (a second of a full-speed device) a report is dropped, as the
    // kernel's own report buffer drops them, so a stalled loop never makes
    // the queue grow without end.
    static constexpr int kMaxQueuedReports = 1000;

    // `path` picks one hidraw node; empty takes the first matching device.
    explicit HidTransport(std::string path);
    ~HidTransport() override;

    // Initialises hidapi; false when the HID layer cannot start.
    static bool Initialise();
    static std::vector<HidDeviceInfo> List();

    void Start(TransportEvents& events) override;
    void Write(const Report& report) override;
    std::string Describe() const override;

    // DeviceChooser, safe from any thread. Once asked or watched, the
    // transport keeps looking while it serves a device; until then (the
    // command line) it enumerates only while it has none.
    std::vector<AttachedDevice> Attached() const override;
    std::string InUse() const override;
    void Choose(const std::string& path) override;
    void WatchAttached(std::function<void()> changed) override;

private:
    void Run();
    void Scan();
    void Serve();
    // Enumerates the devices again; true when another device was chosen
    // than the one open.
    bool LookAround();
    void Close();
    // Tells the watcher, on the main thread, that the device in use changed.
    void TellAttachedChanged();
    void Post(std::function<void(TransportEvents&)> event);

    std::string path_;
    TransportEvents* events_ = nullptr;
    QObject context_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::shared_ptr<std::atomic<int>> queuedReports_ = std::make_shared<std::atomic<int>>(0);
    std::mutex writesLock_;
    std::condition_variable wake_; // ends the wait between scans at once on exit
    std::deque<Report> writes_;
    void* device_ = nullptr; // hid_device*, touched only by the I/O thread
    std::chrono::steady_clock::time_point lastLook_;
    mutable std::atomic<bool> watched_{false};
    std::atomic<std::int64_t> lastWriteMs_{-kBusySpanMs}; // on the steady clock
    mutable std::mutex stateLock_;                        // guards the four below
    std::vector<AttachedDevice> attached_;
    std::string inUse_;
    std::string chosen_;
    std::function<void()> attachedChanged_;
    int lastCount_ = -1;
    std::string lastAdvice_;
};

} // namespace mervadin
