#include "settings/write_window.h"

#include "app/memo_box.h"
#include "app/qt_prompts.h"
#include "link/tick_clock.h"
#include "settings/write_settings_operation.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <cstdio>

namespace mervadin {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, 8, 97, 33);
    button->setAutoDefault(false);
    return button;
}

} // namespace

std::string CurrentDataLine(const LocalTime& at) {
    char text[64];
    std::snprintf(text, sizeof text, "Current Data: %d/%d/%d   %d/%02d/%02d", at.year, at.month,
                  at.day, at.hour, at.minute, at.second);
    return text;
}

TWriteData::TWriteData(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QDialog(parent), link_(link), folder_(std::move(folder)), prompts_(prompts),
      runner_(link, *this) {
    setObjectName("WriteData");
    setWindowTitle("WriteData");
    setFixedSize(609, 337);
    move(310, 68);

    auto* writeSetting = MakeButton(this, "Button3", "WriteSetting", 8);
    auto* writeNumber = MakeButton(this, "Button5", "WriteNumber", 113);
    auto* writeVoice = MakeButton(this, "Button6", "写语音", 218);
    writeVoice->setVisible(false);
    connect(writeSetting, &QPushButton::clicked, this, &TWriteData::WriteSetting);
    connect(MakeButton(this, "Button1", "Stop", 218), &QPushButton::clicked, this,
            &TWriteData::StopCommand);
    connect(MakeButton(this, "Button2", "Exit", 323), &QPushButton::clicked, this,
            &TWriteData::ExitCommand);
    commands_ = {writeSetting, writeNumber, writeVoice};

    errors_ = new MemoBox(this);
    errors_->setObjectName("Memo1");
    errors_->setGeometry(428, 8, 173, 64);
    label_ = new QLabel("0%", this);
    label_->setObjectName("Label1");
    label_->setGeometry(280, 48, 60, 20);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar1");
    progress_->setGeometry(8, 76, 593, 16);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    memo_ = new MemoBox(this);
    memo_->setObjectName("DisplayMessage");
    memo_->setGeometry(8, 98, 593, 231);

    memo_->AppendLine(CurrentDataLine(Now()));
    memo_->AppendLine("Connect ZEL");

    clock_ = new TickClock(this);
    connect(clock_, &TickClock::Ticked, this, [this] { runner_.OnTick(); });
    clock_->Start();
    runner_.onFinished = [this](OperationStatus) { SetCommandsEnabled(true); };
}

TWriteData::~TWriteData() { runner_.onFinished = nullptr; }

void TWriteData::WriteSetting() {
    RunOperation(std::make_unique<WriteSettingsOperation>(link_, *this,
                                                          folder_.File(file::kConfig)));
}

void TWriteData::RunOperation(std::unique_ptr<Operation> operation) {
    if (runner_.Busy())
        return;
    SetCommandsEnabled(false);
    if (!runner_.Run(std::move(operation)))
        SetCommandsEnabled(true);
}

void TWriteData::StopCommand() {
    runner_.StopWith(BuildStopFrame(FrameLength::Padded), [this] {
        AppendMemo("================Stop==================\r");
    });
}

void TWriteData::ExitCommand() {
    runner_.StopWith(BuildExitFrame(FrameLength::Padded), [this] { accept(); });
}

void TWriteData::closeEvent(QCloseEvent* event) {
    // Closed by its frame: whatever runs ends here, without sending more.
    runner_.Abandon();
    QDialog::closeEvent(event);
}

void TWriteData::SetCommandsEnabled(bool enabled) {
    for (auto* button : commands_)
        button->setEnabled(enabled);
}

const std::vector<std::string>& TWriteData::MemoLines() const { return memo_->Lines(); }
const std::vector<std::string>& TWriteData::ErrorLines() const { return errors_->Lines(); }
void TWriteData::ClearMemo() { memo_->ClearLines(); }
void TWriteData::AppendMemo(const std::string& line) { memo_->AppendLine(line); }
void TWriteData::AppendErrorMemo(const std::string& line) { errors_->AppendLine(line); }
void TWriteData::ClearErrorMemo() { errors_->ClearLines(); }

void TWriteData::SetProgress(int percent, const std::string& label) {
    progress_->setValue(percent);
    label_->setText(ToQString(label));
}

void TWriteData::Inform(const std::string& caption, const std::string& text) {
    prompts_.Inform(caption, text);
}

} // namespace mervadin
