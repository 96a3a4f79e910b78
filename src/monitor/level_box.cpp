#include "monitor/level_box.h"

#include "common/common_texts.h"
#include "common/decimal.h"
#include "files/file_read.h"
#include "monitor/level_step.h"
#include "monitor/monitor_names.h"
#include "monitor/monitor_texts.h"
#include "qtcore/translation.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "ui/file_work.h"
#include "ui/lamp.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

QLineEdit* MakeShownBox(QWidget* parent, const char* name, QSize design) {
    auto* box = new Designed<QLineEdit>(design, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

// 145 high, its top line on the monitor box's bottom one.
LevelBox::LevelBox(WorkFolder folder, Prompts& prompts, QWidget* parent)
    : Designed<QGroupBox>({129, 144}, parent), folder_(std::move(folder)), prompts_(prompts) {
    setObjectName(names::panel::kLevelBox);
    // What the two boxes below set, top to bottom (both say "-OFF-" when off).
    setTitle(tr("Speaker / Mic"));
    speakerBox_ =
        MakeLevelBox(this, names::panel::kSpeakerBox, UiMarked(texts::monitor::kSpeakerItem), 9);
    micBox_ = MakeLevelBox(this, names::panel::kMicrophoneBox,
                           UiMarked(texts::monitor::kMicrophoneItem), 15);
    // Only the operator's choice counts as a change, not the program's.
    speakerBox_->setToolTip(
        tr("Speaker level of the master module, as the device reports it; a "
           "level chosen here is sent with the answer to the next status frame"));
    micBox_->setToolTip(tr("Microphone level of the master module, as the device reports it; a "
                           "level chosen here is sent with the answer to the next status frame"));
    connect(speakerBox_, &QComboBox::activated, this, &LevelBox::SpeakerChanged);
    connect(micBox_, &QComboBox::activated, this, &LevelBox::MicrophoneChanged);
    total_ = MakeShownBox(this, names::panel::kTotal, {113, 21});
    total_->setToolTip(tr("Numbers in the number list at start; while monitoring, after \"/\", "
                          "the device's call counter"));
    signal_ = MakeShownBox(this, names::panel::kSignal, {49, 24});
    signal_->setToolTip(tr("Signal quality the device reports (0-31)"));
    // The signal value, then four bars rising from left to right.
    auto* signalRow = new QHBoxLayout;
    signalRow->setSpacing(3);
    signalRow->addWidget(signal_, 0, Qt::AlignBottom);
    signalRow->addSpacing(4);
    for (int i = 0; i < 4; ++i) {
        auto* bar = new Lamp(this);
        bar->setObjectName(names::panel::kSignalBars[i]);
        bar->setFixedSize(11, 17 + 8 * i);
        bar->setToolTip(
            tr("Signal strength: one bar from 1, two from 7, three from 10, four from 13"));
        signalRow->addWidget(bar, 0, Qt::AlignBottom);
        bars_[static_cast<std::size_t>(i)] = bar;
    }
    signalRow->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(5, 6, 5, 3);
    column->setSpacing(4);
    column->addWidget(speakerBox_);
    column->addWidget(micBox_);
    column->addWidget(total_);
    // The caption over the signal value, beside the bars' tops.
    auto* signalCaption = new QLabel(tr("Signal"), this);
    signalCaption->setObjectName(names::panel::kSignalCaption);
    column->addWidget(signalCaption);
    column->addLayout(signalRow);
    AttachPopupMenu(this,
                    BuildPopupMenu(this, names::panel::kLevelMenu,
                                   {{tr("M-module Spk Vol Add"), [this] { StepSpeaker(+1); }},
                                    {tr("M-module Spk Vol Sub"), [this] { StepSpeaker(-1); }},
                                    {tr("M-module Mic Vol Add"), [this] { StepMicrophone(+1); }},
                                    {tr("M-module Mic Vol Sub"), [this] { StepMicrophone(-1); }},
                                    {tr("Close"), [this] { emit CloseRequested(); }}}));
}

void LevelBox::SetNumberCount(int count) {
    numberCount_ = count;
    ShowTotal(UiMarked(texts::monitor::kTotal) + QString::number(count));
}

void LevelBox::ShowTotal(const QString& text) {
    total_->setText(text);
}

void LevelBox::ShowListCount() {
    try {
        const auto count = CountLines(ReadFileBytes(folder_.File(file::kLoadNumber)));
        ShowTotal(UiMarked(texts::monitor::kTotal) + QString::number(count));
    } catch (const FileError& e) {
        ShowFileError(prompts_, e);
    }
}

void LevelBox::ShowStatus(const StatusReport& report) {
    signal_->setText(report.signal ? QString::number(*report.signal) : "");
    for (int i = 0; i < 4; ++i)
        bars_[static_cast<std::size_t>(i)]->SetColour(i < report.signalBars ? colour::kGreen
                                                                            : colour::kSilver);
    ShowTotal(UiMarked(texts::monitor::kTotal) + QString::number(numberCount_) + "/" +
              ToQString(report.counter));
    ShowReportedLevels(report);
}

void LevelBox::LoadLevelBoxes() {
    try {
        const auto config = folder_.File(file::kConfig);
        speakerBox_->setCurrentIndex(ReadIntSetting(config, keys::kSpeakerVolume));
        micBox_->setCurrentIndex(ReadIntSetting(config, keys::kMicVolume));
    } catch (const FileError& e) {
        ShowFileError(prompts_, e);
    }
}

void LevelBox::ClearSignal() {
    for (auto* bar : bars_)
        bar->SetColour(colour::kSilver);
    signal_->clear();
}

void LevelBox::SpeakerChanged() {
    if (session_)
        session_->Monitor().RequestSpeaker(speakerBox_->currentIndex());
}

void LevelBox::MicrophoneChanged() {
    if (session_)
        session_->Monitor().RequestMicrophone(micBox_->currentIndex());
}

// One item up or down within the device's range; a step that finds no
// item chosen, or would leave the box, changes nothing and sends nothing.
bool LevelBox::Step(QComboBox* box, int step, int top) {
    const auto next = SteppedLevel(box->currentIndex(), step, top, box->count());
    if (!next)
        return false;
    box->setCurrentIndex(*next);
    return true;
}

void LevelBox::StepSpeaker(int step) {
    if (Step(speakerBox_, step, kSpeakerTopLevel))
        SpeakerChanged();
}

void LevelBox::StepMicrophone(int step) {
    if (Step(micBox_, step, kMicrophoneTopLevel))
        MicrophoneChanged();
}

void LevelBox::FillLevelBox(QComboBox* box, const QString& prefix, int max, int selected) {
    const QSignalBlocker blocker(box);
    box->clear();
    for (int i = 0; i <= max; ++i)
        box->addItem(prefix + QString::number(i));
    box->insertItem(0, UiMarked(texts::common::kOff));
    box->setCurrentIndex(selected);
}

void LevelBox::ShowModel(const DeviceModel& model) {
    FillLevelBox(speakerBox_, UiMarked(texts::monitor::kSpeakerItem), model.speakerMax,
                 model.speakerIndex);
    FillLevelBox(micBox_, UiMarked(texts::monitor::kMicrophoneItem), model.micMax, model.micIndex);
}

// The boxes show the levels the device reports ("masterspk:", "mastermic:"),
// so that after a restart of the monitor they say what the device uses, not
// the model's first level. A level the operator chose and that is not sent
// yet stays chosen; a report the box cannot show changes nothing.
void LevelBox::ShowReportedLevels(const StatusReport& report) {
    const auto show = [](QComboBox* box, const std::string& reported, bool pending) {
        const auto level = ParseDecimal(reported);
        if (!pending && level && *level >= 0 && *level < box->count())
            box->setCurrentIndex(static_cast<int>(*level));
    };
    show(speakerBox_, report.speaker, session_ && session_->Monitor().SpeakerPending());
    show(micBox_, report.microphone, session_ && session_->Monitor().MicrophonePending());
}

} // namespace mervadin
