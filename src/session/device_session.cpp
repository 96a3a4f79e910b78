#include "session/device_session.h"

#include "files/file_error.h"

#include <algorithm>

namespace mervadin {

DeviceSession::DeviceSession(WorkFolder folder, std::unique_ptr<LinkSetup> setup,
                             const TextEncoding& encoding, QObject* parent)
    : QObject(parent), setup_(std::move(setup)), records_(std::move(folder), encoding),
      monitor_(setup_->Link(), *this), clocks_(new DeviceClocks(this)) {
    // The monitor's clocks run only while it does: at rest the session
    // costs nothing.
    connect(clocks_, &DeviceClocks::FastTicked, this, &DeviceSession::OnFastTick);
}

DeviceSession::~DeviceSession() = default;

void DeviceSession::OnFastTick() {
    if (monitor_.Running())
        monitor_.OnTick();
    else
        clocks_->Stop();
}

bool DeviceSession::StartMonitor() {
    if (!DeviceConnected())
        return false;
    monitor_.Start();
    clocks_->Start();
    return true;
}

void DeviceSession::StopMonitor() {
    if (!monitor_.Active())
        return;
    monitor_.Stop();
    StoppedByRequest();
}

void DeviceSession::EndMonitor() {
    monitor_.Stop();
}

void DeviceSession::AddView(MonitorView& view) {
    if (std::find(views_.begin(), views_.end(), &view) == views_.end())
        views_.push_back(&view);
}

void DeviceSession::RemoveView(MonitorView& view) {
    std::erase(views_, &view);
}

// The record is in its list before any view hears of the frame: a view
// that reads the list sees it there.
void DeviceSession::ShowStatus(const StatusReport& report, std::uint32_t frameCount) {
    if (report.record)
        Store(*report.record);
    for (MonitorView* view : std::vector(views_))
        view->ShowStatus(report, frameCount);
}

void DeviceSession::Store(const LiveRecord& record) {
    try {
        if (const auto stored = records_.StoreLiveRecord(record.line, record.type))
            emit ListChanged(stored->list, static_cast<qsizetype>(stored->index));
    } catch (const FileError& e) {
        emit StoreFailed(QString::fromStdString(e.what()));
    }
}

void DeviceSession::ShowModel(const DeviceModel& model) {
    for (MonitorView* view : std::vector(views_))
        view->ShowModel(model);
}

void DeviceSession::DeviceLost() {
    for (MonitorView* view : std::vector(views_))
        view->DeviceLost();
}

void DeviceSession::StoppedByRequest() {
    for (MonitorView* view : std::vector(views_))
        view->StoppedByRequest();
}

} // namespace mervadin
