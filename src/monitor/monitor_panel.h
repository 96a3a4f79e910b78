#pragma once
// The monitor and level panels on the left of the main window: the monitor
// lamp, the frame counter, the monitor and dialing buttons, the speaker and
// microphone level boxes, the "Total:" line and the signal bars, with their
// popup menus. It sends its commands to the device session that runs the
// live monitor and shows what the session tells it; it tells the main
// window what concerns the rest of it: the status line, the commands to
// refuse while the monitor runs, and a Close chosen from its menus.

#include "common/prompts.h"
#include "files/work_folder.h"
#include "monitor/monitor_commands.h"

#include <QByteArray>
#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace mervadin {

class Lamp;

class MonitorPanel : public QWidget, public MonitorView {
    Q_OBJECT
public:
    MonitorPanel(WorkFolder folder, Prompts& prompts, QWidget* parent);
    ~MonitorPanel() override;

    // Sends its commands to `session` and shows its monitor from now on.
    void Attach(MonitorCommands& session);

    // The number count that "Total:" shows, as read at start-up.
    void SetNumberCount(int count);
    int NumberCount() const { return numberCount_; }
    // Selects the level boxes' items from the speaker and microphone volumes
    // of Config.txt.
    void LoadLevelBoxes();

    void MonitorOn();
    void MonitorOff();
    // The stop request of a Close: the monitor ends, nothing is shown.
    void EndMonitor();
    void StartDialing();
    void StopDialing();
    void Forward();
    void SendSms();
    void SpeakerChanged();
    void MicrophoneChanged();
    // "M-module Spk Vol Add" and the like: step a level box up or down.
    void StepSpeaker(int step);
    void StepMicrophone(int step);

    // The panel's controls in the order Tab visits them: the commands top to
    // bottom, then the two level boxes.
    std::vector<QWidget*> FocusChain() const;

    // MonitorView
    void ShowStatus(const StatusReport& report, std::uint32_t frameCount) override;
    void ShowModel(const DeviceModel& model) override;
    void DeviceLost() override;
    void StoppedByRequest() override;

signals:
    void StatusTextChanged(const QString& text);
    // A passing word for the status line: what a command did.
    void Notice(const QString& text);
    // The monitor started (the main window refuses its other commands) or
    // ended, for any reason; `deviceLost` when the device went away. The
    // main window's status line then says whether a device is connected.
    void MonitoringStarted();
    void MonitoringEnded(bool deviceLost);
    void CloseRequested();

private:
    static bool Step(QComboBox* box, int step, int top);
    // The monitor runs (or was cut by an unplug and not switched off).
    bool Active() { return session_ && session_->Monitor().Active(); }
    QWidget* BuildMonitorBox();
    QWidget* BuildLevelBox();
    void ShowTotal(const QString& text);
    void ShowReportedLevels(const StatusReport& report);
    void ClearSignal();
    void ShowEnded(bool deviceLost);
    void SetDialing(bool dialing);
    void FillLevelBox(QComboBox* box, const QString& prefix, int max, int selected);
    void ShowFileError(const std::exception& error);

    WorkFolder folder_;
    Prompts& prompts_;
    MonitorCommands* session_ = nullptr;
    int numberCount_ = 0;

    QGroupBox* monitorBox_ = nullptr;
    Lamp* lamp_ = nullptr;
    QLineEdit* frameCounter_ = nullptr;
    QPushButton* monitorOn_ = nullptr;
    QPushButton* monitorOff_ = nullptr;
    QPushButton* startDialing_ = nullptr;
    QPushButton* stopDialing_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* sendSms_ = nullptr;
    QGroupBox* levelBox_ = nullptr;
    QComboBox* speakerBox_ = nullptr;
    QComboBox* micBox_ = nullptr;
    QLineEdit* total_ = nullptr;
    QLineEdit* signal_ = nullptr;
    std::array<Lamp*, 4> bars_{};
};

} // namespace mervadin
