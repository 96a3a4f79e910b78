#include "records/display_window.h"

#include "common/common_texts.h"
#include "common/ui_text.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "qtcore/file_text.h"
#include "qtcore/translation.h"
#include "records/record_names.h"
#include "records/record_texts.h"
#include "ui/colours.h"
#include "ui/designed.h"
#include "ui/file_work.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mervadin {

DisplayWindow::DisplayWindow(WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), prompts_(prompts) {
    setObjectName(names::display::kWindow);
    setWindowTitle(tr("CDRDisplay"));
    PaintBackground(this, colour::kSkyBlue);
    // The five boxes side by side, each its list above its Save button; on
    // a narrow screen they share its width, and scroll only where their
    // titles need more.
    area_ = ScrollingArea(*this);
    boxRow_ = new QHBoxLayout(area_);
    boxRow_->setContentsMargins(8, 8, 8, 7);
    boxRow_->setSpacing(7);
    AddBox(QT_TR_NOOP("CallOut--Succeeded"), names::display::kMemos[0],
           names::display::kSaveButtons[0], file::kCallOutSuccessed,
           texts::records::kSucceededSaved);
    AddBox(QT_TR_NOOP("CallOut--Failed"), names::display::kMemos[1],
           names::display::kSaveButtons[1], file::kCallOutFailed, texts::records::kFailedSaved);
    AddBox(QT_TR_NOOP("PhoneBook"), names::display::kMemos[2], names::display::kSaveButtons[2],
           file::kCallOutManual, texts::records::kManualSaved);
    AddBox(QT_TR_NOOP("CallIn--Answered"), names::display::kMemos[3],
           names::display::kSaveButtons[3], file::kCallInAnswer, texts::records::kAnsweredSaved);
    AddBox(QT_TR_NOOP("CallIn--Missed"), names::display::kMemos[4], names::display::kSaveButtons[4],
           file::kCallInMissed, texts::records::kMissedSaved);
    FixSizeOnScreen(*this, LaidOutSize(*area_, ClientSize(895, 476)));
    MoveOnScreen(*this, {222, 65});

    auto* menu = new QMenu(this);
    menu->setObjectName(names::display::kMenu);
    connect(menu->addAction(texts::records::kDisplayClose), &QAction::triggered, this,
            &QDialog::reject);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint& at) { menu->popup(mapToGlobal(at)); });
}

void DisplayWindow::AddBox(const char* caption, const char* memo, const char* button,
                           std::string_view file, const char* confirmation) {
    auto* group = new Designed<QGroupBox>({169, 433}, tr(caption), area_);
    auto* text = new QPlainTextEdit(group);
    text->setObjectName(memo);
    text->setMinimumWidth(60);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    PaintTextArea(text, colour::kSilver);
    auto* save = MakeButton(group, button, tr("Save"), {75, 25});
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(7);
    layout->addWidget(text, 1);
    layout->addWidget(save, 0, Qt::AlignHCenter);
    boxRow_->addWidget(group, 1);
    Lines lines =
        RunFileWork(prompts_, [&] { return ReadLines(folder_.File(file)); }).value_or(Lines());
    text->setPlainText(LinesAsShown(lines));
    const std::size_t index = boxes_.size();
    connect(save, &QPushButton::clicked, this, [this, index] { SaveBox(index); });
    boxes_.push_back({text, std::move(lines), confirmation});
}

void DisplayWindow::SaveBox(std::size_t index) {
    Box& box = boxes_.at(index);
    const auto target =
        ChooseSaveFile(prompts_, folder_.root(), kTextFilter, "", texts::common::kFileExists);
    if (!target)
        return;
    // Lines as the box shows them now.
    const Lines lines = ShownLinesAsBytes(box.loaded, box.memo->toPlainText());
    if (!RunFileWork(prompts_, [&] { WriteLines(*target, lines); }))
        return;
    prompts_.Inform(texts::records::kSavedCaption, box.confirmation);
}

} // namespace mervadin
