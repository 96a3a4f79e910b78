#pragma once
// The main window: command buttons along the top, the monitor and level
// panels on the left, the two call record grids on the right and the status
// line at the bottom.

#include "app/prompts.h"
#include "app/work_folder.h"
#include "link/device_link.h"
#include "monitor/monitor_session.h"
#include "records/record_files.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;

namespace mervadin {

class CallListGrid;
class Lamp;
namespace sim {
class SimDevice;
}

class TMainSetting : public QMainWindow, public LinkObserver, public MonitorView {
    Q_OBJECT
public:
    // Sets the window up; the working folder must already be prepared.
    TMainSetting(WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);
    ~TMainSetting() override;

    QString StatusText() const;
    void SetStatusText(const QString& text);
    int NumberCount() const { return numberCount_; }

    // Reads the number count of LoadNumber.txt into Edit1.
    void LoadNumberCount();
    // Selects the level boxes' items from "phone=" and "mic=" of Config.txt.
    void LoadLevelBoxes();

    // The Close command: stops what runs and closes the window.
    void CloseCommand();
    // "Setting": the settings editor. "DownLoad": the download window, only
    // with a device connected.
    void OpenSettings();
    void OpenDownload();
    // "ReadCdr": the read window, only with a device connected; both grids
    // are loaded again when it closes. "DisplayCdr": the per-kind files are
    // rebuilt and shown.
    void OpenRead();
    void OpenDisplay();

    // Fills both grids from their list files.
    void LoadGrids();
    CallListGrid* Grid(RecordFiles::List list) const;


    // Follows the device from now on; `simulator` when it is the simulated one.
    void AttachLink(DeviceLink& link, sim::SimDevice* simulator);
    DeviceLink* Link() const { return link_; }

    // The live monitor and its commands.
    void MonitorOn();
    void MonitorOff();
    void StartDialing();
    void StopDialing();
    void Forward();
    void SendSms();
    void SpeakerChanged();
    void MicrophoneChanged();
    // "M-module Spk Vol Add" and the like: step a level box up or down.
    void StepSpeaker(int step);
    void StepMicrophone(int step);
    MonitorSession* Monitor() const { return monitor_.get(); }

    // MonitorView
    void ShowStatus(const StatusReport& report, std::uint32_t frameCount, Bytes frame) override;
    void ShowModel(const DeviceModel& model) override;
    void DeviceLost() override;

    // LinkObserver
    void OnUsbStatus(bool present, bool initial) override;
    void OnDeviceUnusable(const std::string& advice) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildButtons(QWidget* area);
    void BuildMonitorPanel(QWidget* area);
    void BuildLevelPanel(QWidget* area);
    void BuildGrids(QWidget* area);
    void BuildMenus();
    QMenu* BuildMenu(const char* name, const QStringList& captions);
    void ShowFileError(const std::exception& error);
    void WireMenu(const char* menu, const QString& caption, std::function<void()> command);
    void WireMenu(const char* menu, const QString& caption, void (TMainSetting::*command)());
    void AddSimulatorControls(sim::SimDevice& simulator);
    void SetEnabled(std::initializer_list<const char*> names, bool enabled);
    void ClearSignal();
    void FillLevelBox(QComboBox* box, const QString& prefix, int max, int selected);

    WorkFolder folder_;
    Prompts& prompts_;
    QTimer* timer1_ = nullptr;
    int numberCount_ = 0;
    QLabel* status_ = nullptr;
    Lamp* usbLamp_ = nullptr;
    QComboBox* speakerBox_ = nullptr;
    QComboBox* micBox_ = nullptr;
    QLineEdit* totalEdit_ = nullptr;
    DeviceLink* link_ = nullptr;
    std::unique_ptr<MonitorSession> monitor_;
    RecordFiles records_;
    std::array<CallListGrid*, 2> grids_{};
    bool simulated_ = false;
};

} // namespace mervadin
