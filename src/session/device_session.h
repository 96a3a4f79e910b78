#pragma once
// The device session: everything one program has of its device, apart from
// any window. It owns the link setup (transport, link, trace), the live
// monitor and the clocks that pace it, the store of the call records the
// monitor receives and the text encoding the data files are read in. A
// live record is stored here, once, and the session announces which list
// changed; the windows and the command line's monitor only watch the
// session (as MonitorViews, and through its signals) and send it commands.

#include "files/work_folder.h"
#include "link/device_clocks.h"
#include "monitor/monitor_commands.h"
#include "records/record_files.h"
#include "transports/link_setup.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace mervadin {

class DeviceSession : public QObject, public MonitorCommands, private MonitorView {
    Q_OBJECT
public:
    // `setup` is the link to the device the program chose; `encoding` the
    // one the data files are read and written in (it must outlive the session).
    DeviceSession(WorkFolder folder, std::unique_ptr<LinkSetup> setup, const TextEncoding& encoding,
                  QObject* parent = nullptr);
    ~DeviceSession() override;

    LinkSetup& Setup() { return *setup_; }
    const LinkSetup& Setup() const { return *setup_; }
    DeviceLink& Link() { return setup_->Link(); }
    DeviceClocks& Clocks() { return *clocks_; }

    // Starts reading from the device.
    void Open() { Link().Open(); }

    // MonitorCommands
    bool DeviceConnected() const override { return setup_->Link().Connected(); }
    bool StartMonitor() override;
    void StopMonitor() override;
    void EndMonitor() override;
    LiveMonitor& Monitor() override { return monitor_; }
    void AddView(MonitorView& view) override;
    void RemoveView(MonitorView& view) override;

signals:
    // A live call record was stored as line `index` of `list`.
    void ListChanged(RecordFiles::List list, qsizetype index);
    // A live call record could not be stored: the file error's message.
    void StoreFailed(const QString& message);

private:
    // MonitorView: the monitor tells the session, the session its views.
    void ShowStatus(const StatusReport& report, std::uint32_t frameCount) override;
    void ShowModel(const DeviceModel& model) override;
    void DeviceLost() override;
    void StoppedByRequest() override;
    void Store(const LiveRecord& record);
    void OnFastTick();

    std::unique_ptr<LinkSetup> setup_;
    RecordFiles records_; // in the encoding the session was given
    LiveMonitor monitor_;
    DeviceClocks* clocks_;
    std::vector<MonitorView*> views_;
};

} // namespace mervadin
