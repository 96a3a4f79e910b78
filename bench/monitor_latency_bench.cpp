// How soon the monitor's answer leaves after the last byte of a status frame
// arrives: the simulated device in the same process, the real event loop,
// and a transport wrapper that stamps each input report and each write.
//
//   monitor_latency_bench [FRAMES]   (default 2000)

#include "link/device_link.h"
#include "monitor/live_monitor.h"
#include "sim/sim_transport.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace mervadin;
using Clock = std::chrono::steady_clock;

namespace {

class StampingTransport : public Transport, public TransportEvents {
public:
    void Start(TransportEvents& events) override {
        events_ = &events;
        inner.Start(*this);
    }
    void Write(const Report& report) override {
        // The first report of an answer: measured from the last report in.
        if (awaiting_) {
            latencies.push_back(Clock::now() - lastIn_);
            awaiting_ = false;
        }
        inner.Write(report);
    }
    std::string Describe() const override { return inner.Describe(); }

    void OnInputReport(Bytes data) override {
        lastIn_ = Clock::now();
        awaiting_ = true;
        events_->OnInputReport(data);
    }
    void OnDeviceCount(int count) override { events_->OnDeviceCount(count); }
    void OnDeviceUnusable(const std::string& advice) override { events_->OnDeviceUnusable(advice); }

    SimTransport inner;
    std::vector<Clock::duration> latencies;

private:
    TransportEvents* events_ = nullptr;
    Clock::time_point lastIn_;
    bool awaiting_ = false;
};

class CountingView : public MonitorView {
public:
    void ShowStatus(const StatusReport&, std::uint32_t count) override { frames = count; }
    void ShowModel(const DeviceModel&) override {}
    void DeviceLost() override {}
    std::uint32_t frames = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const unsigned wanted = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 2000;
    StampingTransport transport;
    transport.inner.Device().Timing().statusIntervalMs = 2;
    DeviceLink link(transport);
    CountingView view;
    LiveMonitor monitor(link, view);
    link.Open();
    monitor.Start();
    while (view.frames < wanted)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);

    auto& l = transport.latencies;
    std::sort(l.begin(), l.end());
    auto us = [](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count();
    };
    std::printf("answers measured   %zu\n", l.size());
    std::printf("median             %.1f us\n", us(l[l.size() / 2]));
    std::printf("99th percentile    %.1f us\n", us(l[l.size() * 99 / 100]));
    std::printf("maximum            %.1f us\n", us(l.back()));
    return 0;
}
