#include "monitor/monitor_panel.h"

#include "monitor/monitor_names.h"
#include "monitor/monitor_texts.h"
#include "operation/operation_texts.h"
#include "qtcore/file_text.h"
#include "qtcore/translation.h"
#include "ui/lamp.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mervadin {

namespace {

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
    : QWidget(parent), prompts_(prompts) {
    // The monitor box above the level box, each at its usual size or as
    // wide as its texts need.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildMonitorBox());
    levels_ = new LevelBox(std::move(folder), prompts_, this);
    connect(levels_, &LevelBox::CloseRequested, this, &MonitorPanel::CloseRequested);
    layout->addWidget(levels_);
    layout->addStretch(1);
}

MonitorPanel::~MonitorPanel() {
    if (session_)
        session_->RemoveView(*this);
}

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

std::vector<QWidget*> MonitorPanel::FocusChain() const {
    return {monitorOn_, monitorOff_, startDialing_,         stopDialing_,
            forward_,   sendSms_,    levels_->SpeakerBox(), levels_->MicrophoneBox()};
}

void MonitorPanel::Attach(MonitorCommands& session) {
    session_ = &session;
    session.AddView(*this);
    levels_->Attach(session);
}

void MonitorPanel::MonitorOn() {
    if (!session_ || !session_->DeviceConnected()) {
        prompts_.Inform(texts::operation::kGuardCaption, texts::monitor::kMonitorNoDevice);
        return;
    }
    levels_->ShowListCount();
    session_->StartMonitor();
    ClearSignal();
    lamp_->SetColour(colour::kGreen);
    emit MonitoringStarted();
    for (auto* button : {monitorOn_, forward_, stopDialing_})
        button->setEnabled(false);
    for (auto* button : {startDialing_, monitorOff_, sendSms_})
        button->setEnabled(true);
}

void MonitorPanel::MonitorOff() {
    if (Active())
        session_->StopMonitor();
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
    if (session_)
        session_->EndMonitor();
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
    if (!Active())
        return;
    session_->Monitor().RequestStart();
    SetDialing(true);
}

void MonitorPanel::StopDialing() {
    if (!Active())
        return;
    session_->Monitor().RequestStopDialing();
    SetDialing(false);
}

void MonitorPanel::Forward() {
    if (Active())
        session_->Monitor().RequestForward();
}

// The SMS goes out with a later answer and the device shows it in its own
// time: the status line says at once that it was asked for (or why not).
void MonitorPanel::SendSms() {
    if (!Active()) {
        emit Notice(UiMarked(texts::monitor::kSmsNotMonitoring));
        return;
    }
    session_->Monitor().RequestSms();
    emit Notice(UiMarked(texts::monitor::kSmsRequested));
}

void MonitorPanel::ClearSignal() {
    levels_->ClearSignal();
    frameCounter_->clear();
}

void MonitorPanel::ShowModel(const DeviceModel& model) {
    monitorBox_->setTitle(ToQString(model.displayName));
    levels_->ShowModel(model);
}

void MonitorPanel::ShowStatus(const StatusReport& report, std::uint32_t frameCount) {
    levels_->ShowStatus(report);
    emit StatusTextChanged(ShownStatusLine(report));
    frameCounter_->setText(QString::number(frameCount));
}

} // namespace mervadin
