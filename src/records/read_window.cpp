#include "records/read_window.h"

#include "operation/operation_texts.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "records/read_cdr_operation.h"
#include "records/record_names.h"
#include "ui/colours.h"
#include "ui/memo_box.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mervadin {

ReadWindow::ReadWindow(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent)
    : OperationWindow(link, prompts, {kReadWindowStop, false, false, "the read window"}, parent),
      folder_(std::move(folder)) {
    setObjectName(names::read::kWindow);
    setWindowTitle(tr("read"));
    const QSize design{145, 41};
    QPushButton* buttons[] = {
        MakeCommand(names::read::kReadButton, tr("ReadCDR"), design),
        MakeButton(this, names::read::kStopButton, tr("Stop"), design),
        MakeButton(this, names::read::kExitButton, tr("Exit"), design),
    };
    for (auto* button : buttons) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
    }
    connect(buttons[0], &QPushButton::clicked, this, &ReadWindow::ReadCdr);
    connect(buttons[1], &QPushButton::clicked, this, &ReadWindow::StopCommand);
    connect(buttons[2], &QPushButton::clicked, this, &ReadWindow::ExitCommand);

    // The three commands spread along the top, the percentage centred below
    // them, then the progress bar and the memo.
    auto* commands = new QHBoxLayout;
    commands->setContentsMargins(8, 8, 0, 0);
    commands->setSpacing(8);
    for (auto* button : buttons) {
        commands->addWidget(button);
        if (button != buttons[2])
            commands->addStretch(1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(commands);
    layout->addWidget(label_, 0, Qt::AlignHCenter);
    label_->setMinimumWidth(80);
    label_->setAlignment(Qt::AlignCenter);
    layout->addWidget(progress_);
    progress_->setFixedHeight(16);
    layout->addWidget(memo_, 1);
    PaintBackground(this, colour::kTeal);
    PaintBackground(label_, colour::kSilver);
    PaintTextArea(memo_, colour::kSilver);
    for (QWidget* bold : std::initializer_list<QWidget*>{label_, memo_}) {
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
    }
    FixSizeOnScreen(*this, LaidOutSize(*this, ClientSize(576, 341)));
    MoveOnScreen(*this, {364, 85});
}

void ReadWindow::ReadCdr() {
    RunOperation(std::make_unique<ReadCdrOperation>(link_, *this,
                                                    RecordFiles(folder_, TextCodec::Chosen())));
}

} // namespace mervadin
