#include "link/device_link.h"

#include "link/frame_trace.h"

#include <algorithm>

namespace mervadin {

DeviceLink::DeviceLink(Transport& transport, FrameTrace* trace)
    : transport_(transport), trace_(trace) {}

void DeviceLink::Open() {
    transport_.Start(*this);
}

void DeviceLink::SendFrame(const OutgoingFrame& frame) {
    SendFrame(frame.Sent());
}

void DeviceLink::SendFrame(Bytes frame) {
    if (trace_)
        trace_->Sent(frame);
    for (const Report& report : CutIntoReports(frame))
        transport_.Write(report);
}

void DeviceLink::Release() {
    holder_.clear();
    for (auto* observer : std::vector(observers_))
        observer->OnLinkReleased();
}

void DeviceLink::RequestStop() {
    for (auto* observer : std::vector(observers_))
        observer->OnStopRequested();
}

void DeviceLink::AddObserver(LinkObserver* observer) {
    observers_.push_back(observer);
}

void DeviceLink::RemoveObserver(LinkObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void DeviceLink::OnInputReport(Bytes data) {
    if (!readEnabled_)
        return;
    if (!data.empty() && data[0] == 0)
        data = data.subspan(1);
    if (trace_)
        trace_->Received(data);
    buffer_.Append(data);
    for (auto* observer : std::vector(observers_))
        observer->OnBytesArrived();
}

void DeviceLink::OnDeviceCount(int count) {
    const bool initial = !countSeen_;
    countSeen_ = true;
    UpdateUsbStatus(count, initial);
}

void DeviceLink::OnDeviceUnusable(const std::string& advice) {
    if (trace_)
        trace_->Note(advice);
    for (auto* observer : std::vector(observers_))
        observer->OnDeviceUnusable(advice);
}

void DeviceLink::UpdateUsbStatus(int count, bool initial) {
    if (trace_)
        trace_->Note("device count " + std::to_string(count));
    const bool present = count > 0;
    if (present) {
        connected_ = true;
        readEnabled_ = true;
    } else if (!initial) {
        connected_ = false;
        readEnabled_ = false;
    }
    for (auto* observer : std::vector(observers_))
        observer->OnUsbStatus(present, initial);
}

} // namespace mervadin
