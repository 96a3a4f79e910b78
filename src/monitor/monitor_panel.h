#pragma once
// The monitor and level panels on the left of the main window: the monitor
// box (its lamp, the frame counter, the monitor and dialing buttons, its
// popup menu) above the level box (LevelBox). It sends its commands to the device session that runs
// the live monitor and shows what the session tells it; it tells the main window what concerns the
// rest of it: the status line, the commands to refuse while the monitor runs, and a Close chosen
// from its menus.

#include "common/prompts.h"
#include "files/work_folder.h"
#include "monitor/level_box.h"
#include "monitor/monitor_commands.h"

#include <QWidget>

#include <vector>

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

    // The level box's: the number count read at start-up, the levels of
    // Config.txt, a step of a level up or down.
    void SetNumberCount(int count) { levels_->SetNumberCount(count); }
    int NumberCount() const { return levels_->NumberCount(); }
    void LoadLevelBoxes() { levels_->LoadLevelBoxes(); }
    void StepSpeaker(int step) { levels_->StepSpeaker(step); }
    void StepMicrophone(int step) { levels_->StepMicrophone(step); }

    void MonitorOn();
    void MonitorOff();
    // The stop request of a Close: the monitor ends, nothing is shown.
    void EndMonitor();
    void StartDialing();
    void StopDialing();
    void Forward();
    void SendSms();

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
    // The monitor runs (or was cut by an unplug and not switched off).
    bool Active() { return session_ && session_->Monitor().Active(); }
    QWidget* BuildMonitorBox();
    void ClearSignal();
    void ShowEnded(bool deviceLost);
    void SetDialing(bool dialing);

    Prompts& prompts_;
    MonitorCommands* session_ = nullptr;
    LevelBox* levels_ = nullptr;

    QGroupBox* monitorBox_ = nullptr;
    Lamp* lamp_ = nullptr;
    QLineEdit* frameCounter_ = nullptr;
    QPushButton* monitorOn_ = nullptr;
    QPushButton* monitorOff_ = nullptr;
    QPushButton* startDialing_ = nullptr;
    QPushButton* stopDialing_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* sendSms_ = nullptr;
};

} // namespace mervadin
