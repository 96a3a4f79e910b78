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

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace mervadin {

ReadWindow::ReadWindow(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent)
    : OperationWindow(link, prompts, {kReadWindowStop, false, false, "the read window"}, parent),
      folder_(std::move(folder)) {
    setObjectName(names::read::kWindow);
    setWindowTitle(Ui("read"));
    setFixedSize(ClientSize(576, 341));
    MoveOnScreen(*this, {364, 85});

    QPushButton* buttons[] = {
        MakeCommand(names::read::kReadButton, Ui("ReadCDR"), {16, 16, 145, 41}),
        MakeButton(this, names::read::kStopButton, Ui("Stop"), {208, 16, 145, 41}),
        MakeButton(this, names::read::kExitButton, Ui("Exit"), {408, 16, 145, 41}),
    };
    for (auto* button : buttons) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
    }
    connect(buttons[0], &QPushButton::clicked, this, &ReadWindow::ReadCdr);
    connect(buttons[1], &QPushButton::clicked, this, &ReadWindow::StopCommand);
    connect(buttons[2], &QPushButton::clicked, this, &ReadWindow::ExitCommand);
    label_->setGeometry(272, 80, 80, 20);
    progress_->setGeometry(8, 113, 553, 16);
    memo_->setGeometry(8, 136, 553, 169);
    PaintBackground(this, colour::kTeal);
    PaintBackground(label_, colour::kSilver);
    PaintTextArea(memo_, colour::kSilver);
    for (QWidget* bold : std::initializer_list<QWidget*>{label_, memo_}) {
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
    }
}

void ReadWindow::ReadCdr() {
    RunOperation(std::make_unique<ReadCdrOperation>(link_, *this,
                                                    RecordFiles(folder_, TextCodec::Chosen())));
}

} // namespace mervadin
