#include "app/download_window.h"

#include "app/app_names.h"
#include "app/app_texts.h"
#include "numbers/write_number_operation.h"
#include "operation/operation_texts.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "round/block_list.h"
#include "settings/write_settings_operation.h"
#include "ui/designed.h"
#include "ui/memo_box.h"
#include "ui/widgets.h"
#include "voice/write_voice_operation.h"

#include <QAbstractTextDocumentLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mervadin {

std::string CurrentDataLine(const LocalTime& at) {
    char text[64];
    std::snprintf(text, sizeof text, "%d/%d/%d   %d/%02d/%02d", at.year, at.month, at.day, at.hour,
                  at.minute, at.second);
    return UiMarked(texts::app::kCurrentData).toStdString() +
           text; // in the language of the windows
}

DownloadWindow::DownloadWindow(DeviceLink& link, WorkFolder folder, Prompts& prompts,
                               VoiceBuffer& voice, QWidget* parent)
    : OperationWindow(link, prompts, {kDownloadWindowStop, true, true, "the download window"},
                      parent),
      folder_(std::move(folder)), voice_(voice) {
    setObjectName(names::download::kWindow);
    setWindowTitle(tr("WriteData"));
    const QSize design{97, 33};
    auto* writeSetting =
        MakeCommand(names::download::kWriteSettingButton, tr("WriteSetting"), design);
    connect(writeSetting, &QPushButton::clicked, this, &DownloadWindow::WriteSetting);
    auto* writeNumber = MakeCommand(names::download::kWriteNumberButton, tr("WriteNumber"), design);
    connect(writeNumber, &QPushButton::clicked, this, &DownloadWindow::WriteNumber);
    auto* writeVoice = MakeCommand(names::download::kWriteVoiceButton, "写语音", design);
    writeVoice->setVisible(false);
    connect(writeVoice, &QPushButton::clicked, this, &DownloadWindow::WriteVoice);
    auto* stop = MakeButton(this, names::download::kStopButton, tr("Stop"), design);
    connect(stop, &QPushButton::clicked, this, &DownloadWindow::StopCommand);
    auto* exit = MakeButton(this, names::download::kExitButton, tr("Exit"), design);
    connect(exit, &QPushButton::clicked, this, &DownloadWindow::ExitCommand);

    errors_ = new Designed<MemoBox>({173, 64}, this);
    errors_->setObjectName(names::download::kErrorMemo);
    errors_->setMinimumWidth(173);
    errors_->setMaximumHeight(64);

    // The commands in a row with the percentage below them, the error memo
    // to their right; the progress bar and the memo across the window.
    auto* commands = new QHBoxLayout;
    commands->setSpacing(8);
    for (QWidget* button : {writeSetting, writeNumber, writeVoice, stop, exit})
        commands->addWidget(button);
    commands->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addLayout(commands, 0, 0);
    grid->addWidget(label_, 1, 0, Qt::AlignCenter);
    grid->addWidget(errors_, 0, 1, 2, 1);
    grid->addWidget(progress_, 2, 0, 1, 2);
    grid->addWidget(memo_, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    progress_->setFixedHeight(16);
    FixSizeOnScreen(*this, LaidOutSize(*this, {609, 337}));
    MoveOnScreen(*this, {310, 68});

    AppendMemo(CurrentDataLine(Now()));
    AppendMemo(texts::app::kConnectZel);
}

void DownloadWindow::WriteSetting() {
    RunOperation(std::make_unique<WriteSettingsOperation>(link_, *this, folder_.File(file::kConfig),
                                                          TextCodec::Chosen()));
}

void DownloadWindow::WriteNumber() {
    RunOperation(std::make_unique<WriteNumberOperation>(
        link_, *this, folder_.File(file::kLoadNumber),
        BlockListSource(folder_.File(file::kBlockList)), TextCodec::Chosen()));
}

void DownloadWindow::WriteVoice() {
    RunOperation(std::make_unique<WriteVoiceOperation>(link_, *this, voice_));
}

void DownloadWindow::AppendErrorMemo(const ShownText& line) {
    // The memo shows its first lines (the number write's count of its
    // findings) unless the operator scrolled down: a line added below what
    // is in view does not scroll them away.
    QScrollBar* bar = errors_->verticalScrollBar();
    const bool atTop = bar->value() == 0;
    errors_->AppendLine(line);
    errorHeight_ += HeightOf(errors_->document()->lastBlock());
    FitErrorMemo();
    if (atTop)
        bar->setValue(0);
}
void DownloadWindow::ClearErrorMemo() {
    errors_->ClearLines();
    errorHeight_ = 0;
    FitErrorMemo();
}

// The height a line takes in the error memo, wrapped at its width.
int DownloadWindow::HeightOf(const QTextBlock& block) const {
    errors_->document()->documentLayout()->blockBoundingRect(block); // lays it out
    return static_cast<int>(std::ceil(block.layout()->boundingRect().height()));
}

// The error memo grows with its lines (the number write's findings above
// all), from its place beside the commands down to the window's bottom,
// so that they are read without scrolling blind; the progress bar and
// memo narrow to leave it room, and are whole again once it is emptied.
void DownloadWindow::FitErrorMemo() {
    constexpr int kSmallest = 64;
    auto* grid = static_cast<QGridLayout*>(layout());
    const QMargins margins = grid->contentsMargins();
    const int frame = 2 * errors_->frameWidth() + 8; // the frame and the document's margins
    const int wanted = errorHeight_ + errors_->fontMetrics().lineSpacing() + frame;
    const int height =
        std::clamp(wanted, kSmallest, this->height() - margins.top() - margins.bottom());
    errors_->setMaximumHeight(height);
    errors_->setMinimumHeight(height);
    const bool beside = height <= kSmallest;
    for (QWidget* widget : {static_cast<QWidget*>(errors_), static_cast<QWidget*>(progress_),
                            static_cast<QWidget*>(memo_)})
        grid->removeWidget(widget);
    grid->addWidget(errors_, 0, 1, beside ? 2 : 4, 1, Qt::AlignTop);
    grid->addWidget(progress_, 2, 0, 1, beside ? 2 : 1);
    grid->addWidget(memo_, 3, 0, 1, beside ? 2 : 1);
    grid->activate();
}

} // namespace mervadin
