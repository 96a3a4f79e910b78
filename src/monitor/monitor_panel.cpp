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
#include "ui/designed.h"
#include "ui/lamp.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace mervadin {

namespace {

QComboBox* MakeLevelBox(QWidget* parent, const char* name, const QString& prefix, int levels) {
    auto* box = new Designed<QComboBox>({113, 24}, parent);
    box->setObjectName(name);
    box->addItem(UiMarked(texts::common::kOff));
    for (int i = 1; i <= levels; ++i)
        box->addItem(prefix + QString::number(i));
    return box;
}

// A read-only box of the panel: shown, not edited (Tab passes by).
QLineEdit* MakeShownBox(QWidget* parent, const char* name, QSize design) {
    auto* box = new Designed<QLineEdit>(design, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

// The status line in the language of the windows: its names translated,
// what the device sent as it came.
QString ShownStatusLine(const StatusReport& report) {
    using namespace texts::monitor;
    return UiMarked(kStatusState) + UiMarked(report.stateName.c_str()) + UiMarked(kStatusNumber) +
           FromFileText(report.number) + UiMarked(kStatusKeys) + FromFileText(report.keys) +
           UiMarked(kStatusCounter) + FromFileText(report.counter) + UiMarked(kStatusTalking) +
           FromFileText(report.talking) + UiMarked(kStatusSpeaker) + FromFileText(report.speaker) +
           UiMarked(kStatusMicrophone) + FromFileText(report.microphone) + UiMarked(kStatusEnd);
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
    // The monitor box above the level box, each at its usual size or as
    // wide as its texts need.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildMonitorBox());
    layout->addWidget(BuildLevelBox());
    layout->addStretch(1);
}

MonitorPanel::~MonitorPanel() = default;

QWidget* MonitorPanel::BuildMonitorBox() {
    monitorBox_ = new Designed<QGroupBox>({129, 321}, this);
    monitorBox_->setObjectName(names::panel::kMonitorBox);
    lamp_ = new Lamp(monitorBox_);
    lamp_->setObjectName(names::panel::kMonitorLamp);
    lamp_->setFixedSize(97, 25);
    lamp_->SetCaption(tr("Monitor"));
    lamp_->setToolTip(tr("Monitor: green while the monitor runs"));
    frameCounter_ = MakeShownBox(monitorBox_, names::panel::kFrameCounter, {97, 24});
    Caption(*frameCounter_, names::panel::kFrameCounterCaption, tr("Frames"));
    frameCounter_->setToolTip(tr("Status frames received intact since MonitorON"));
    auto* column = new QVBoxLayout(monitorBox_);
    column->setContentsMargins(13, 8, 13, 8);
    column->setSpacing(7);
    column->addWidget(lamp_, 0, Qt::AlignHCenter);
    column->addWidget(frameCounter_);
    auto button = [this, column](const char* name, const QString& caption,
                                 void (MonitorPanel::*command)()) {
        auto* made = MakeButton(monitorBox_, name, caption, {97, 33});
        connect(made, &QPushButton::clicked, this, command);
        column->addWidget(made);
        return made;
    };
    monitorOn_ = button(names::panel::kMonitorOnButton, tr("MonitorON"), &MonitorPanel::MonitorOn);
    monitorOff_ =
        button(names::panel::kMonitorOffButton, tr("MonitorOFF"), &MonitorPanel::MonitorOff);
    startDialing_ =
        button(names::panel::kZelStartButton, tr("ZelStart"), &MonitorPanel::StartDialing);
    stopDialing_ = button(names::panel::kZelStopButton, tr("ZelStop"), &MonitorPanel::StopDialing);
    forward_ = button(names::panel::kForwardButton, tr("Forward"), &MonitorPanel::Forward);
    sendSms_ = button(names::panel::kSendSmsButton, tr("SendSms"), &MonitorPanel::SendSms);
    AttachPopupMenu(monitorBox_,
                    BuildPopupMenu(this, names::panel::kMonitorMenu,
                                   {{tr("MoniterOn"), [this] { MonitorOn(); }},
                                    {tr("MoniterOff"), [this] { MonitorOff(); }},
                                    {tr("Zel Start"), [this] { StartDialing(); }},
                                    {tr("Zel End"), [this] { StopDialing(); }},
                                    {tr("Forward"), [this] { Forward(); }},
                                    {tr("Send SMS"), [this] { SendSms(); }},
                                    {tr("Close"), [this] { emit CloseRequested(); }}}));
    return monitorBox_;
}

QWidget* MonitorPanel::BuildLevelBox() {
    // 145 high, its top line on the monitor box's bottom one.
    levelBox_ = new Designed<QGroupBox>({129, 144}, this);
    levelBox_->setObjectName(names::panel::kLevelBox);
    // What the two boxes below set, top to bottom (both say "-OFF-" when off).
    levelBox_->setTitle(tr("Speaker / Mic"));
    speakerBox_ = MakeLevelBox(levelBox_, names::panel::kSpeakerBox,
                               UiMarked(texts::monitor::kSpeakerItem), 9);
    micBox_ = MakeLevelBox(levelBox_, names::panel::kMicrophoneBox,
                           UiMarked(texts::monitor::kMicrophoneItem), 15);
    // Only the operator's choice counts as a change, not the program's.
    speakerBox_->setToolTip(
        tr("Speaker level of the master module, as the device reports it; a "
           "level chosen here is sent with the answer to the next status frame"));
    micBox_->setToolTip(tr("Microphone level of the master module, as the device reports it; a "
                           "level chosen here is sent with the answer to the next status frame"));
    connect(speakerBox_, &QComboBox::activated, this, &MonitorPanel::SpeakerChanged);
    connect(micBox_, &QComboBox::activated, this, &MonitorPanel::MicrophoneChanged);
    total_ = MakeShownBox(levelBox_, names::panel::kTotal, {113, 21});
    total_->setToolTip(tr("Numbers in the number list at start; while monitoring, after \"/\", "
                          "the device's call counter"));
    signal_ = MakeShownBox(levelBox_, names::panel::kSignal, {49, 24});
    signal_->setToolTip(tr("Signal quality the device reports (0-31)"));
    // The signal value, then four bars rising from left to right.
    auto* signalRow = new QHBoxLayout;
    signalRow->setSpacing(3);
    signalRow->addWidget(signal_, 0, Qt::AlignBottom);
    signalRow->addSpacing(4);
    for (int i = 0; i < 4; ++i) {
        auto* bar = new Lamp(levelBox_);
        bar->setObjectName(names::panel::kSignalBars[i]);
        bar->setFixedSize(11, 17 + 8 * i);
        bar->setToolTip(
            tr("Signal strength: one bar from 1, two from 7, three from 10, four from 13"));
        signalRow->addWidget(bar, 0, Qt::AlignBottom);
        bars_[static_cast<std::size_t>(i)] = bar;
    }
    signalRow->addStretch(1);
    auto* column = new QVBoxLayout(levelBox_);
    column->setContentsMargins(5, 6, 5, 3);
    column->setSpacing(4);
    column->addWidget(speakerBox_);
    column->addWidget(micBox_);
    column->addWidget(total_);
    // The caption over the signal value, beside the bars' tops.
    auto* signalCaption = new QLabel(tr("Signal"), levelBox_);
    signalCaption->setObjectName(names::panel::kSignalCaption);
    column->addWidget(signalCaption);
    column->addLayout(signalRow);
    AttachPopupMenu(levelBox_,
                    BuildPopupMenu(this, names::panel::kLevelMenu,
                                   {{tr("M-module Spk Vol Add"), [this] { StepSpeaker(+1); }},
                                    {tr("M-module Spk Vol Sub"), [this] { StepSpeaker(-1); }},
                                    {tr("M-module Mic Vol Add"), [this] { StepMicrophone(+1); }},
                                    {tr("M-module Mic Vol Sub"), [this] { StepMicrophone(-1); }},
                                    {tr("Close"), [this] { emit CloseRequested(); }}}));
    return levelBox_;
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
    ShowTotal(UiMarked(texts::monitor::kTotal) + QString::number(count));
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
    prompts_.Inform(texts::common::kErrorCaption, std::string(error.what()));
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
        ShowTotal(UiMarked(texts::monitor::kTotal) + QString::number(count));
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
        emit Notice(UiMarked(texts::monitor::kSmsNotMonitoring));
        return;
    }
    monitor_->RequestSms();
    emit Notice(UiMarked(texts::monitor::kSmsRequested));
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
    box->insertItem(0, UiMarked(texts::common::kOff));
    box->setCurrentIndex(selected);
}

void MonitorPanel::ShowModel(const DeviceModel& model) {
    monitorBox_->setTitle(ToQString(model.displayName));
    FillLevelBox(speakerBox_, UiMarked(texts::monitor::kSpeakerItem), model.speakerMax,
                 model.speakerIndex);
    FillLevelBox(micBox_, UiMarked(texts::monitor::kMicrophoneItem), model.micMax, model.micIndex);
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
    ShowTotal(UiMarked(texts::monitor::kTotal) + QString::number(numberCount_) + "/" +
              ToQString(report.counter));
    ShowReportedLevels(report);
    emit StatusTextChanged(ShownStatusLine(report));
    frameCounter_->setText(QString::number(frameCount));
}

} // namespace mervadin
