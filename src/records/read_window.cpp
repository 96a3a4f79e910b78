#include "records/read_window.h"

#include "app/memo_box.h"
#include "app/qt_prompts.h"
#include "link/tick_clock.h"
#include "records/read_cdr_operation.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace mervadin {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, 16, 145, 41);
    button->setAutoDefault(false);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    return button;
}

} // namespace

TReadData::TReadData(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QDialog(parent), link_(link), folder_(std::move(folder)), prompts_(prompts),
      runner_(link, *this) {
    setObjectName("ReadData");
    setWindowTitle("read");
    setFixedSize(570, 313);
    move(364, 85);

    read_ = MakeButton(this, "Button4", "ReadCDR", 16);
    connect(read_, &QPushButton::clicked, this, &TReadData::ReadCdr);
    connect(MakeButton(this, "Button1", "Stop", 208), &QPushButton::clicked, this,
            &TReadData::StopCommand);
    connect(MakeButton(this, "Button2", "Exit", 408), &QPushButton::clicked, this,
            &TReadData::ExitCommand);
    label_ = new QLabel("0%", this);
    label_->setObjectName("Label1");
    label_->setGeometry(272, 80, 80, 20);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar1");
    progress_->setGeometry(8, 113, 553, 16);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    memo_ = new MemoBox(this);
    memo_->setObjectName("DisplayMessage");
    memo_->setGeometry(8, 136, 553, 169);

    auto* clock = new TickClock(this);
    connect(clock, &TickClock::Ticked, this, [this] { runner_.OnTick(); });
    clock->Start();
    runner_.onFinished = [this](OperationStatus) { read_->setEnabled(true); };
}

TReadData::~TReadData() { runner_.onFinished = nullptr; }

void TReadData::ReadCdr() {
    if (runner_.Busy())
        return;
    read_->setEnabled(false);
    if (!runner_.Run(std::make_unique<ReadCdrOperation>(link_, *this, RecordFiles(folder_))))
        read_->setEnabled(true);
}

void TReadData::StopCommand() {
    runner_.StopWith(BuildStopFrame(FrameLength::Short), [this] {
        AppendMemo("================STOP==================\r");
    });
}

void TReadData::ExitCommand() {
    runner_.StopWith(BuildExitFrame(FrameLength::Short), [this] { accept(); });
}

void TReadData::closeEvent(QCloseEvent* event) {
    runner_.Abandon();
    QDialog::closeEvent(event);
}

const std::vector<std::string>& TReadData::MemoLines() const { return memo_->Lines(); }
void TReadData::ClearMemo() { memo_->ClearLines(); }
void TReadData::AppendMemo(const std::string& line) { memo_->AppendLine(line); }

void TReadData::SetProgress(int percent, const std::string& label) {
    progress_->setValue(percent);
    label_->setText(ToQString(label));
}

void TReadData::Inform(const std::string& caption, const std::string& text) {
    prompts_.Inform(caption, text);
}

} // namespace mervadin
