#include "transports/hid_transport.h"

#include <cerrno>
#include <chrono>

#include <hidapi.h>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace mervadin {

namespace {

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text)
        out += static_cast<char>(*text < 128 ? *text : '?');
    return out;
}

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

hid_device* Handle(void* device) {
    return static_cast<hid_device*>(device);
}

// Why a device that is there could not be opened, and how to mend it;
// empty when nothing can be said.
std::string OpenFailureAdvice(const std::string& path) {
#ifdef _WIN32
    return "Device found at " + path +
           " but it cannot be opened: another program may hold it. Close that program and plug "
           "the device in again.";
#else
    if (::access(path.c_str(), R_OK | W_OK) == 0 || errno != EACCES)
        return {};
    return "Device found at " + path +
           " but it cannot be opened: permission denied. Install packaging/70-mervadin.rules "
           "into /etc/udev/rules.d, run 'sudo udevadm control --reload-rules && sudo udevadm "
           "trigger' and plug the device in again.";
#endif
}

} // namespace

HidTransport::HidTransport(std::string path) : path_(std::move(path)) {}

HidTransport::~HidTransport() {
    {
        std::lock_guard lock(writesLock_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
    if (device_)
        hid_close(Handle(device_));
}

bool HidTransport::Initialise() {
    return hid_init() == 0;
}

std::vector<HidDeviceInfo> HidTransport::List() {
    std::vector<HidDeviceInfo> devices;
    hid_device_info* list = hid_enumerate(kVendorId, kProductId);
    for (auto* d = list; d; d = d->next)
        devices.push_back({d->path ? d->path : "", Narrow(d->manufacturer_string),
                           Narrow(d->product_string), Narrow(d->serial_number)});
    hid_free_enumeration(list);
    return devices;
}

std::string HidTransport::Describe() const {
    return path_.empty() ? "USB HID device" : "USB HID device " + path_;
}

void HidTransport::Start(TransportEvents& events) {
    events_ = &events;
    thread_ = std::thread([this] { Run(); });
}

void HidTransport::Write(const Report& report) {
    lastWriteMs_ = NowMs();
    std::lock_guard lock(writesLock_);
    writes_.push_back(report);
}

void HidTransport::Post(std::function<void(TransportEvents&)> event) {
    QMetaObject::invokeMethod(
        &context_, [this, event = std::move(event)] { event(*events_); }, Qt::QueuedConnection);
}

void HidTransport::Run() {
    while (!stopping_) {
        if (!device_) {
            Scan();
            if (!device_) {
                std::unique_lock lock(writesLock_);
                wake_.wait_for(lock, std::chrono::milliseconds(kScanMs),
                               [this] { return stopping_.load(); });
            }
            continue;
        }
        Serve();
    }
}

std::vector<AttachedDevice> HidTransport::Attached() const {
    watched_ = true;
    std::lock_guard lock(stateLock_);
    return attached_;
}

std::string HidTransport::InUse() const {
    std::lock_guard lock(stateLock_);
    return inUse_;
}

void HidTransport::Choose(const std::string& path) {
    std::lock_guard lock(stateLock_);
    chosen_ = path;
}

void HidTransport::WatchAttached(std::function<void()> changed) {
    watched_ = true;
    std::lock_guard lock(stateLock_);
    attachedChanged_ = std::move(changed);
}

void HidTransport::TellAttachedChanged() {
    std::function<void()> changed;
    {
        std::lock_guard lock(stateLock_);
        changed = attachedChanged_;
    }
    if (changed)
        QMetaObject::invokeMethod(&context_, changed, Qt::QueuedConnection);
}

bool HidTransport::LookAround() {
    const auto devices = List();
    std::lock_guard lock(stateLock_);
    std::vector<AttachedDevice> seen;
    std::vector<std::string> paths;
    for (const auto& info : devices) {
        seen.push_back({info.path, info.manufacturer + " " + info.product + " " + info.serial});
        paths.push_back(info.path);
    }
    const bool changed = seen != attached_;
    attached_ = std::move(seen);
    if (changed && attachedChanged_)
        QMetaObject::invokeMethod(&context_, attachedChanged_, Qt::QueuedConnection);
    lastLook_ = std::chrono::steady_clock::now();
    const auto wanted = DeviceToOpen(paths, path_, chosen_);
    return device_ && !chosen_.empty() && wanted && *wanted != inUse_;
}

void HidTransport::Close() {
    hid_close(Handle(device_));
    device_ = nullptr;
    {
        std::lock_guard lock(stateLock_);
        inUse_.clear();
    }
    TellAttachedChanged();
    lastCount_ = 0;
    Post([](TransportEvents& events) { events.OnDeviceCount(0); });
}

void HidTransport::Scan() {
    LookAround();
    std::vector<std::string> candidates;
    {
        std::lock_guard lock(stateLock_);
        std::vector<std::string> paths;
        for (const auto& device : attached_)
            paths.push_back(device.path);
        if (const auto first = DeviceToOpen(paths, path_, chosen_))
            candidates.push_back(*first);
        // Without a device named or picked, any other one will do.
        if (path_.empty() && chosen_.empty())
            for (const auto& path : paths)
                if (candidates.empty() || path != candidates.front())
                    candidates.push_back(path);
    }
    std::string advice;
    for (const auto& path : candidates) {
        if (hid_device* device = hid_open_path(path.c_str())) {
            device_ = device;
            {
                std::lock_guard lock(stateLock_);
                inUse_ = path;
            }
            TellAttachedChanged();
            break;
        }
        advice = OpenFailureAdvice(path);
    }
    const int count = device_ ? 1 : 0;
    if (!advice.empty() && advice != lastAdvice_)
        Post([advice](TransportEvents& events) { events.OnDeviceUnusable(advice); });
    lastAdvice_ = advice;
    if (count != lastCount_) {
        {
            std::lock_guard lock(writesLock_);
            writes_.clear(); // nothing written while absent goes out later
        }
        Post([count](TransportEvents& events) { events.OnDeviceCount(count); });
        lastCount_ = count;
    }
}

void HidTransport::Serve() {
    Report input{};
    const bool busy = NowMs() - lastWriteMs_.load() < kBusySpanMs;
    const int got = hid_read_timeout(Handle(device_), input.data() + 1, kReportPayload,
                                     busy ? kBusyReadTimeoutMs : kRestReadTimeoutMs);
    if (got < 0) {
        Close();
        return;
    }
    // Other devices come and go, and the operator may pick one of them:
    // the device in use is left for the one picked, as an unplug.
    if (watched_ &&
        std::chrono::steady_clock::now() - lastLook_ > std::chrono::milliseconds(kScanMs) &&
        LookAround()) {
        Close();
        return;
    }
    if (got > 0 && queuedReports_->load() < kMaxQueuedReports) {
        // hidapi hands over the data without a report number; put the 0 in
        // front so that the link's report-number rule keeps every data byte.
        const std::size_t size = static_cast<std::size_t>(got) + 1;
        ++*queuedReports_;
        Post([input, size, queued = queuedReports_](TransportEvents& events) {
            --*queued;
            events.OnInputReport(Bytes(input.data(), size));
        });
    }
    std::deque<Report> pending;
    {
        std::lock_guard lock(writesLock_);
        pending.swap(writes_);
    }
    for (const Report& report : pending)
        hid_write(Handle(device_), report.data(), report.size());
}

} // namespace mervadin
