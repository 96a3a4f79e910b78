#include "ui/operation_window.h"

#include "link/device_clocks.h"
#include "qtcore/translation.h"
#include "ui/memo_box.h"
#include "ui/qt_prompts.h"
#include "ui/ui_names.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace mervadin {

OperationWindow::OperationWindow(DeviceLink& link, Prompts& prompts, WindowStop stop,
                                 QWidget* parent)
    : QDialog(parent), link_(link), prompts_(prompts), stop_(std::move(stop)),
      runner_(link, *this) {
    label_ = new QLabel("0%", this);
    label_->setObjectName(names::operation::kPercent);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(names::operation::kProgress);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    memo_ = new MemoBox(this);
    memo_->setObjectName(names::operation::kMemo);

    // The window's clocks run only while there is work for them: from the
    // start of an operation, or of Stop's or Exit's frames, to its end. The
    // 1-ms clock paces the short pauses of the block transfers.
    clocks_ = new DeviceClocks(this);
    clocks_->Name(names::operation::kClock, "FastTimer");
    connect(clocks_, &DeviceClocks::Ticked, this, [this] {
        runner_.OnTick();
        KeepClocksWithWork();
    });
    connect(clocks_, &DeviceClocks::FastTicked, this, [this] {
        runner_.OnFastTick();
        KeepClocksWithWork();
    });
    runner_.onFinished = [this](OperationStatus) {
        SetCommandsEnabled(!runner_.Busy());
        KeepClocksWithWork();
    };
    link_.Hold(stop_.holder);
}

OperationWindow::~OperationWindow() {
    runner_.onFinished = nullptr;
    runner_.Abandon();
    link_.Release();
}

QPushButton* OperationWindow::MakeCommand(const char* name, const QString& caption, QSize design) {
    auto* button = MakeButton(this, name, caption, design);
    commands_.push_back(button);
    return button;
}

void OperationWindow::RunOperation(std::unique_ptr<Operation> operation) {
    if (runner_.Busy())
        return;
    SetCommandsEnabled(false);
    if (!runner_.Run(std::move(operation)))
        SetCommandsEnabled(true);
    KeepClocksWithWork();
}

void OperationWindow::KeepClocksWithWork() {
    if (runner_.Busy())
        clocks_->Start();
    else
        clocks_->Stop();
}

void OperationWindow::SetCommandsEnabled(bool enabled) {
    for (auto* button : commands_)
        button->setEnabled(enabled);
}

void OperationWindow::SendClosingFrames(OutgoingFrame frame, std::function<void(bool)> afterwards) {
    if (stop_.sharedStopRequest)
        link_.RequestStop();
    // No command starts until the three frames are out: they would end it.
    SetCommandsEnabled(false);
    runner_.StopWith(frame, std::move(afterwards));
    KeepClocksWithWork();
}

void OperationWindow::StopCommand() {
    if (runner_.Stopping())
        return; // three frames are already going out
    SendClosingFrames(BuildStopFrame(stop_.style.frames), [this](bool allSent) {
        SetCommandsEnabled(true);
        if (allSent)
            AppendMemo(stop_.style.line);
    });
}

void OperationWindow::ExitCommand() {
    SendClosingFrames(BuildExitFrame(stop_.style.frames), [this](bool) { accept(); });
}

void OperationWindow::reject() {
    if (runner_.Stopping())
        return; // the window closes (Exit) or stays (Stop) when the frames are out
    if (!runner_.Busy())
        return QDialog::reject();
    const OutgoingFrame frame = stop_.closeSendsExit ? BuildExitFrame(stop_.style.frames)
                                                     : BuildStopFrame(stop_.style.frames);
    SendClosingFrames(frame, [this](bool) { QDialog::reject(); });
}

std::string OperationWindow::Translated(const char* text) const {
    return UiMarked(text).toStdString();
}

void OperationWindow::ClearMemo() {
    memo_->ClearLines();
}
void OperationWindow::AppendMemo(const ShownText& line) {
    memo_->AppendLine(line);
}

void OperationWindow::SetProgress(int percent, const std::string& label) {
    progress_->setValue(percent);
    label_->setText(ToQString(label));
}

void OperationWindow::Inform(const ShownText& caption, const ShownText& text) {
    prompts_.Inform(caption, text);
}

} // namespace mervadin
