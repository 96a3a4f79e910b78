#pragma once
// A transport for tests: records every report the tool writes, and can put
// a simulated device on the other end whose answers are delivered when the
// test lets time pass. Nothing runs unless the test says so.

#include "link/device_link.h"
#include "link/transport.h"
#include "operation/operation_view.h"
#include "sim/sim_device.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mervadin::test {

class DirectTransport : public Transport {
public:
    explicit DirectTransport(sim::SimDevice* device = nullptr, int initialCount = 1)
        : device_(device), count_(initialCount) {
        if (device_) {
            device_->SetOutput([this](const sim::DataReport& data) {
                Report report{};
                std::copy(data.begin(), data.end(), report.begin() + 1);
                pending_.push_back(report);
            });
            device_->SetPlugListener([this](bool plugged) { plugChanges_.push_back(plugged); });
        }
    }

    void Start(TransportEvents& events) override {
        events_ = &events;
        events.OnDeviceCount(count_);
    }
    void Write(const Report& report) override {
        written.push_back(report);
        if (device_)
            device_->Receive(Bytes(report).subspan(1));
    }
    std::string Describe() const override { return "direct"; }

    // Lets `ms` milliseconds of device time pass, delivering what it sends.
    void Pass(std::uint64_t ms = 1) {
        for (std::uint64_t i = 0; i < ms; ++i) {
            device_->Advance(++now_);
            Deliver();
        }
    }
    void Deliver() {
        while (!pending_.empty()) {
            const Report report = pending_.front();
            pending_.pop_front();
            events_->OnInputReport(report);
        }
        for (bool plugged : std::exchange(plugChanges_, {}))
            events_->OnDeviceCount(plugged ? 1 : 0);
    }
    void Inject(std::string_view data) { events_->OnInputReport(AsBytes(data)); }
    void SetCount(int count) { events_->OnDeviceCount(count); }

    // The frames written, rebuilt from the reports: a new frame starts at
    // every report that opens with "velorn<".
    std::vector<std::string> Frames() const {
        std::vector<std::string> frames;
        for (const Report& report : written) {
            std::string data(reinterpret_cast<const char*>(report.data()) + 1, 64);
            if (data.rfind("velorn<", 0) == 0 || frames.empty())
                frames.emplace_back();
            frames.back() += data;
        }
        for (auto& frame : frames)
            frame = frame.substr(0, frame.find('\0'));
        return frames;
    }

    std::vector<Report> written;

private:
    sim::SimDevice* device_;
    int count_;
    TransportEvents* events_ = nullptr;
    std::deque<Report> pending_;
    std::vector<bool> plugChanges_;
    std::uint64_t now_ = 0;
};

// An operation view that keeps everything it is shown.
class RecordingView : public OperationView {
public:
    void ClearMemo() override { memo.clear(); }
    void AppendMemo(const ShownText& line) override { memo.push_back(line.Text()); }
    void AppendErrorMemo(const ShownText& line) override { errors.push_back(line.Text()); }
    void ClearErrorMemo() override { errors.clear(); }
    void SetProgress(int percent, const std::string& label) override {
        progress = percent;
        progressLabel = label;
        if (onProgress)
            onProgress(percent);
    }
    void Inform(const ShownText& caption, const ShownText& text) override {
        boxes.push_back({caption.Text(), text.Text()});
    }

    std::vector<std::string> memo, errors;
    std::vector<std::pair<std::string, std::string>> boxes;
    int progress = 0;
    std::string progressLabel;
    std::function<void(int)> onProgress;
};

} // namespace mervadin::test
