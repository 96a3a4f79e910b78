#pragma once
// The level box under the monitor box: the speaker and microphone level
// boxes, the "Total:" line and the signal value with its four bars, and its
// popup menu. A level the operator picks goes to the live monitor with the
// answer to a later status frame; the boxes otherwise show what the device
// reports.

#include "common/prompts.h"
#include "files/work_folder.h"
#include "monitor/monitor_commands.h"
#include "ui/designed.h"

#include <QGroupBox>

#include <array>

class QComboBox;
class QLineEdit;

namespace mervadin {

class Lamp;

// A read-only box of the panels: shown, not edited (Tab passes by).
QLineEdit* MakeShownBox(QWidget* parent, const char* name, QSize design);

class LevelBox : public Designed<QGroupBox> {
    Q_OBJECT
public:
    LevelBox(WorkFolder folder, Prompts& prompts, QWidget* parent);

    // Sends the levels picked to `session`'s monitor from now on.
    void Attach(MonitorCommands& session) { session_ = &session; }

    // The number count that "Total:" shows, as read at start-up.
    void SetNumberCount(int count);
    int NumberCount() const { return numberCount_; }
    // "Total:" with the lines of LoadNumber.txt as they are now.
    void ShowListCount();
    // Selects the level boxes' items from the speaker and microphone volumes
    // of Config.txt.
    void LoadLevelBoxes();

    void SpeakerChanged();
    void MicrophoneChanged();
    // "M-module Spk Vol Add" and the like: step a level box up or down.
    void StepSpeaker(int step);
    void StepMicrophone(int step);

    // A model's levels, the signal, levels and call counter of a status
    // frame; ClearSignal when the monitor starts or ends.
    void ShowModel(const DeviceModel& model);
    void ShowStatus(const StatusReport& report);
    void ClearSignal();

    QComboBox* SpeakerBox() const { return speakerBox_; }
    QComboBox* MicrophoneBox() const { return micBox_; }

signals:
    void CloseRequested();

private:
    static bool Step(QComboBox* box, int step, int top);
    void ShowTotal(const QString& text);
    void ShowReportedLevels(const StatusReport& report);
    void FillLevelBox(QComboBox* box, const QString& prefix, int max, int selected);

    WorkFolder folder_;
    Prompts& prompts_;
    MonitorCommands* session_ = nullptr;
    int numberCount_ = 0;

    QComboBox* speakerBox_ = nullptr;
    QComboBox* micBox_ = nullptr;
    QLineEdit* total_ = nullptr;
    QLineEdit* signal_ = nullptr;
    std::array<Lamp*, 4> bars_{};
};

} // namespace mervadin
