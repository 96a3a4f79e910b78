#include "monitor/monitor_panel.h"

#include "common/common_texts.h"
#include "common/decimal.h"
#include "files/file_read.h"
#include "monitor/level_step.h"
#include "monitor/monitor_names.h"
#include "monitor/monitor_texts.h"
#include "operation/operation_texts.h"
#include "qtcore/file_text.h"
#include "qtcore/translation.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "ui/lamp.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace mervadin {

namespace {

// The two group boxes sit one above the other; the panel's own top left
// corner is the monitor box's.
constexpr int kLevelBoxTop = 320;

QComboBox* MakeLevelBox(QWidget* parent, const char* name, const QString& prefix, int top,
                        int levels) {
    auto* box = Place(new QComboBox(parent), name, {8, top, 113, 24});
    box->addItem(Ui(texts::common::kOff));
    for (int i = 1; i <= levels; ++i)
        box->addItem(prefix + QString::number(i));
    return box;
}

// The status line in the language of the windows: its names translated,
// what the device sent as it came.
QString ShownStatusLine(const StatusReport& report) {
    using namespace texts::monitor;
    return Ui(kStatusState) + Ui(report.stateName) + Ui(kStatusNumber) +
           FromFileText(report.number) + Ui(kStatusKeys) + FromFileText(report.keys) +
           Ui(kStatusCounter) + FromFileText(report.counter) + Ui(kStatusTalking) +
           FromFileText(report.talking) + Ui(kStatusSpeaker) + FromFileText(report.speaker) +
           Ui(kStatusMicrophone) + FromFileText(report.microphone) + Ui(kStatusEnd);
}

// A caption inside a box that shows a number: on its left in the colour of
// a hint, the number on the right.
void Caption(QLineEdit& box, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, &box);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette grey = label->palette();
    grey.setColor(QPalette::WindowText, box.palette().color(QPalette::PlaceholderText));
    label->setPalette(grey);
    const int width = label->sizeHint().width();
    label->setGeometry(4, 0, width, box.height());
    box.setTextMargins(width + 4, 0, 0, 0);
    box.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

MonitorPanel::MonitorPanel(WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), prompts_(prompts) {
    BuildMonitorBox();
    BuildLevelBox();
}

MonitorPanel::~MonitorPanel() = default;

void MonitorPanel::BuildMonitorBox() {
    monitorBox_ = Place(new QGroupBox(this), names::panel::kMonitorBox, {0, 0, 129, 321});
    lamp_ = Place(new Lamp(monitorBox_), names::panel::kMonitorLamp, {16, 16, 97, 25});
    lamp_->SetCaption(Ui("Monitor"));
    lamp_->setToolTip(Ui("Monitor: green while the monitor runs"));
    frameCounter_ =
        Place(new QLineEdit(monitorBox_), names::panel::kFrameCounter, {16, 48, 97, 24});
    Caption(*frameCounter_, names::panel::kFrameCounterCaption, Ui("Frames"));
    frameCounter_->setReadOnly(true);
    frameCounter_->setFocusPolicy(Qt::ClickFocus); // shown, not edited: Tab passes by
    frameCounter_->setToolTip(Ui("Status frames received intact since MonitorON"));
    auto button = [this](const char* name, const QString& caption, int row,
                         void (MonitorPanel::*command)()) {
        auto* made = MakeButton(monitorBox_, name, caption, {16, 80 + 40 * row, 97, 33});
        connect(made, &QPushButton::clicked, this, command);
        return made;
    };
    monitorOn_ =
        button(names::panel::kMonitorOnButton, Ui("MonitorON"), 0, &MonitorPanel::MonitorOn);
    monitorOff_ =
        button(names::panel::kMonitorOffButton, Ui("MonitorOFF"), 1, &MonitorPanel::MonitorOff);
    startDialing_ =
        button(names::panel::kZelStartButton, Ui("ZelStart"), 2, &MonitorPanel::StartDialing);
    stopDialing_ =
        button(names::panel::kZelStopButton, Ui("ZelStop"), 3, &MonitorPanel::StopDialing);
    forward_ = button(names::panel::kForwardButton, Ui("Forward"), 4, &MonitorPanel::Forward);
    sendSms_ = button(names::panel::kSendSmsButton, Ui("SendSms"), 5, &MonitorPanel::SendSms);
    AttachPopupMenu(monitorBox_,
                    BuildPopupMenu(this, names::panel::kMonitorMenu,
                                   {{Ui("MoniterOn"), [this] { MonitorOn(); }},
                                    {Ui("MoniterOff"), [this] { MonitorOff(); }},
                                    {Ui("Zel Start"), [this] { StartDialing(); }},
                                    {Ui("Zel End"), [this] { StopDialing(); }},
                                    {Ui("Forward"), [this] { Forward(); }},
                                    {Ui("Send SMS"), [this] { SendSms(); }},
                                    {Ui("Close"), [this] { emit CloseRequested(); }}}));
}

void MonitorPanel::BuildLevelBox() {
    levelBox_ = Place(new QGroupBox(this), names::panel::kLevelBox, {0, kLevelBoxTop, 129, 145});
    // What the two boxes below set, top to bottom (both say "-OFF-" when off).
    levelBox_->setTitle(Ui("Speaker / Mic"));
    speakerBox_ =
        MakeLevelBox(levelBox_, names::panel::kSpeakerBox, Ui(texts::monitor::kSpeakerItem), 14, 9);
    micBox_ = MakeLevelBox(levelBox_, names::panel::kMicrophoneBox,
                           Ui(texts::monitor::kMicrophoneItem), 46, 15);
    // Only the operator's choice counts as a change, not the program's.
    speakerBox_->setToolTip(
        Ui("Speaker level of the master module, as the device reports it; a "
           "level chosen here is sent with the answer to the next status frame"));
    micBox_->setToolTip(Ui("Microphone level of the master module, as the device reports it; a "
                           "level chosen here is sent with the answer to the next status frame"));
    connect(speakerBox_, &QComboBox::activated, this, &MonitorPanel::SpeakerChanged);
    connect(micBox_, &QComboBox::activated, this, &MonitorPanel::MicrophoneChanged);
    total_ = Place(new QLineEdit(levelBox_), names::panel::kTotal, {8, 73, 113, 21});
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::ClickFocus);
    total_->setToolTip(Ui("Numbers in the number list at start; while monitoring, after \"/\", "
                          "the device's call counter"));
    // The caption over the signal value, beside the bars' tops.
    auto* signalCaption =
        Place(new QLabel(Ui("Signal"), levelBox_), names::panel::kSignalCaption, {8, 95, 55, 17});
    signalCaption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    signal_ = Place(new QLineEdit(levelBox_), names::panel::kSignal, {8, 112, 49, 24});
    signal_->setReadOnly(true);
    signal_->setFocusPolicy(Qt::ClickFocus);
    signal_->setToolTip(Ui("Signal quality the device reports (0-31)"));
    for (int i = 0; i < 4; ++i) {
        const int height = 17 + 8 * i;
        bars_[static_cast<std::size_t>(i)] =
            Place(new Lamp(levelBox_), names::panel::kSignalBars[i],
                  {64 + 14 * i, 138 - height, 11, height});
        bars_[static_cast<std::size_t>(i)]->setToolTip(
            Ui("Signal strength: one bar from 1, two from 7, three from 10, four from 13"));
    }
    AttachPopupMenu(levelBox_,
                    BuildPopupMenu(this, names::panel::kLevelMenu,
                                   {{Ui("M-module Spk Vol Add"), [this] { StepSpeaker(+1); }},
                                    {Ui("M-module Spk Vol Sub"), [this] { StepSpeaker(-1); }},
                                    {Ui("M-module Mic Vol Add"), [this] { StepMicrophone(+1); }},
                                    {Ui("M-module Mic Vol Sub"), [this] { StepMicrophone(-1); }},
                                    {Ui("Close"), [this] { emit CloseRequested(); }}}));
}

std::vector<QWidget*> MonitorPanel::FocusChain() const {
    return {monitorOn_, monitorOff_, startDialing_, stopDialing_,
            forward_,   sendSms_,    speakerBox_,   micBox_};
}

void MonitorPanel::AttachLink(DeviceLink& link) {
    link_ = &link;
    monitor_ = std::make_unique<LiveMonitor>(link, *this);
}

void MonitorPanel::SetNumberCount(int count) {
    numberCount_ = count;
    ShowTotal(Ui(texts::monitor::kTotal) + QString::number(count));
}

void MonitorPanel::ShowTotal(const QString& text) {
    total_->setText(text);
}

void MonitorPanel::LoadLevelBoxes() {
    try {
        const auto config = folder_.File(file::kConfig);
        speakerBox_->setCurrentIndex(ReadIntSetting(config, keys::kSpeakerVolume));
        micBox_->setCurrentIndex(ReadIntSetting(config, keys::kMicVolume));
    } catch (const FileError& e) {
        ShowFileError(e);
    }
}

void MonitorPanel::ShowFileError(const std::exception& error) {
    prompts_.Inform(texts::common::kErrorCaption, error.what());
}

void MonitorPanel::ClearSignal() {
    for (auto* bar : bars_)
        bar->SetColour(colour::kSilver);
    signal_->clear();
    frameCounter_->clear();
}

void MonitorPanel::MonitorOn() {
    if (!link_ || !link_->Connected()) {
        prompts_.Inform(texts::operation::kGuardCaption, texts::monitor::kMonitorNoDevice);
        return;
    }
    try {
        const auto count = CountLines(ReadFileBytes(folder_.File(file::kLoadNumber)));
        ShowTotal(Ui(texts::monitor::kTotal) + QString::number(count));
    } catch (const FileError& e) {
        ShowFileError(e);
    }
    monitor_->Start();
    ClearSignal();
    lamp_->SetColour(colour::kGreen);
    emit MonitoringStarted();
    for (auto* button : {monitorOn_, forward_, stopDialing_})
        button->setEnabled(false);
    for (auto* button : {startDialing_, monitorOff_, sendSms_})
        button->setEnabled(true);
}

void MonitorPanel::MonitorOff() {
    if (!monitor_ || !monitor_->Active())
        return;
    monitor_->Stop();
    StoppedByRequest();
}

void MonitorPanel::StoppedByRequest() {
    ShowEnded(false);
}

// However the monitor ended (MonitorOFF, a Stop or Exit of a tool window,
// an unplug), the panel shows the same: lamp and signal cleared, the level
// boxes as they were, MonitorON the only live command that can do anything.
void MonitorPanel::ShowEnded(bool deviceLost) {
    ClearSignal();
    lamp_->SetColour(colour::kSilver);
    monitorOn_->setEnabled(true);
    for (auto* button : {startDialing_, monitorOff_, stopDialing_, forward_, sendSms_})
        button->setEnabled(false);
    emit MonitoringEnded(deviceLost);
}

void MonitorPanel::EndMonitor() {
    if (monitor_)
        monitor_->Stop();
}

void MonitorPanel::DeviceLost() {
    ShowEnded(true);
}

void MonitorPanel::SetDialing(bool dialing) {
    stopDialing_->setEnabled(dialing);
    forward_->setEnabled(dialing);
    startDialing_->setEnabled(!dialing);
    monitorOff_->setEnabled(!dialing);
}

void MonitorPanel::StartDialing() {
    if (!monitor_ || !monitor_->Active())
        return;
    monitor_->RequestStart();
    SetDialing(true);
}

void MonitorPanel::StopDialing() {
    if (!monitor_ || !monitor_->Active())
        return;
    monitor_->RequestStopDialing();
    SetDialing(false);
}

void MonitorPanel::Forward() {
    if (monitor_ && monitor_->Active())
        monitor_->RequestForward();
}

// The SMS goes out with a later answer and the device shows it in its own
// time: the status line says at once that it was asked for (or why not).
void MonitorPanel::SendSms() {
    if (!monitor_ || !monitor_->Active()) {
        emit Notice(Ui(texts::monitor::kSmsNotMonitoring));
        return;
    }
    monitor_->RequestSms();
    emit Notice(Ui(texts::monitor::kSmsRequested));
}

void MonitorPanel::SpeakerChanged() {
    if (monitor_)
        monitor_->RequestSpeaker(speakerBox_->currentIndex());
}

void MonitorPanel::MicrophoneChanged() {
    if (monitor_)
        monitor_->RequestMicrophone(micBox_->currentIndex());
}

// One item up or down within the device's range; a step that finds no
// item chosen, or would leave the box, changes nothing and sends nothing.
bool MonitorPanel::Step(QComboBox* box, int step, int top) {
    const auto next = SteppedLevel(box->currentIndex(), step, top, box->count());
    if (!next)
        return false;
    box->setCurrentIndex(*next);
    return true;
}

void MonitorPanel::StepSpeaker(int step) {
    if (Step(speakerBox_, step, kSpeakerTopLevel))
        SpeakerChanged();
}

void MonitorPanel::StepMicrophone(int step) {
    if (Step(micBox_, step, kMicrophoneTopLevel))
        MicrophoneChanged();
}

void MonitorPanel::FillLevelBox(QComboBox* box, const QString& prefix, int max, int selected) {
    const QSignalBlocker blocker(box);
    box->clear();
    for (int i = 0; i <= max; ++i)
        box->addItem(prefix + QString::number(i));
    box->insertItem(0, Ui(texts::common::kOff));
    box->setCurrentIndex(selected);
}

void MonitorPanel::ShowModel(const DeviceModel& model) {
    monitorBox_->setTitle(ToQString(model.displayName));
    FillLevelBox(speakerBox_, Ui(texts::monitor::kSpeakerItem), model.speakerMax,
                 model.speakerIndex);
    FillLevelBox(micBox_, Ui(texts::monitor::kMicrophoneItem), model.micMax, model.micIndex);
}

// The boxes show the levels the device reports ("masterspk:", "mastermic:"),
// so that after a restart of the monitor they say what the device uses, not
// the model's first level. A level the operator chose and that is not sent
// yet stays chosen; a report the box cannot show changes nothing.
void MonitorPanel::ShowReportedLevels(const StatusReport& report) {
    const auto show = [](QComboBox* box, const std::string& reported, bool pending) {
        const auto level = ParseDecimal(reported);
        if (!pending && level && *level >= 0 && *level < box->count())
            box->setCurrentIndex(static_cast<int>(*level));
    };
    show(speakerBox_, report.speaker, monitor_ && monitor_->SpeakerPending());
    show(micBox_, report.microphone, monitor_ && monitor_->MicrophonePending());
}

void MonitorPanel::ShowStatus(const StatusReport& report, std::uint32_t frameCount) {
    signal_->setText(report.signal ? QString::number(*report.signal) : "");
    for (int i = 0; i < 4; ++i)
        bars_[static_cast<std::size_t>(i)]->SetColour(i < report.signalBars ? colour::kGreen
                                                                            : colour::kSilver);
    if (report.record)
        emit CallRecordArrived(*report.record);
    ShowTotal(Ui(texts::monitor::kTotal) + QString::number(numberCount_) + "/" +
              ToQString(report.counter));
    ShowReportedLevels(report);
    emit StatusTextChanged(ShownStatusLine(report));
    frameCounter_->setText(QString::number(frameCount));
}

} // namespace mervadin
