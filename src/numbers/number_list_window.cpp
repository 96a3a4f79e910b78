#include "numbers/number_list_window.h"

#include "common/common_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "numbers/number_edit_window.h"
#include "numbers/number_list.h"
#include "numbers/number_names.h"
#include "numbers/number_texts.h"
#include "numbers/sheet_import.h"
#include "qtcore/file_text.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "ui/colours.h"
#include "ui/designed.h"
#include "ui/file_work.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

namespace mervadin {

namespace {

// A turn of the event loop reads rows for about this long.
constexpr qint64 kReadSliceMs = 8;

const std::vector<std::string> kTextFilters = {"Text Files(*.txt)", "CSV Files(*.csv)",
                                               "All Files(*)"};
const std::vector<std::string> kWorkbookFilters = {"Files(*.xlsx)"};

} // namespace

NumberListWindow::NumberListWindow(WorkFolder folder, Prompts& prompts, QWidget* parent,
                                   NumberListLinks links)
    : QDialog(parent), folder_(std::move(folder)), prompts_(prompts), links_(std::move(links)) {
    setObjectName(names::numbers::kWindow);
    setWindowTitle(tr("NumberList"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    // The calling round's two buttons below the editor's, where given.
    const bool roundLinks = links_.openBlockList || links_.openOutcome;
    PaintBackground(this, colour::kTeal);

    imports_[0] =
        MakeButton(this, names::numbers::kLoadTextButton, tr("LoadNumber(txt)"), {177, 33});
    imports_[1] =
        MakeButton(this, names::numbers::kLoadWorkbookButton, tr("LoadNumber(xlsx)"), {177, 33});
    auto* stop = MakeButton(this, names::numbers::kStopButton, tr("Stop"), {113, 33});
    imports_[2] = MakeButton(this, names::numbers::kOpenButton, tr("open"), {113, 33});
    auto* save = MakeButton(this, names::numbers::kSaveButton, tr("save"), {115, 33});
    auto* close = MakeButton(this, names::numbers::kCloseButton, tr("Close"), {115, 29});
    connect(imports_[0], &QPushButton::clicked, this, &NumberListWindow::LoadText);
    connect(imports_[1], &QPushButton::clicked, this, &NumberListWindow::LoadWorkbook);
    connect(stop, &QPushButton::clicked, this, &NumberListWindow::Stop);
    connect(imports_[2], &QPushButton::clicked, this, &NumberListWindow::OpenFile);
    connect(save, &QPushButton::clicked, this, &NumberListWindow::Save);
    connect(close, &QPushButton::clicked, this, &NumberListWindow::reject);
    imports_[3] = MakeButton(this, names::numbers::kEditButton, tr("Edit the list..."), {363, 33});
    connect(imports_[3], &QPushButton::clicked, this, &NumberListWindow::EditList);
    QPushButton* lastButton = imports_[3];
    if (links_.openBlockList) {
        lastButton = MakeButton(this, names::numbers::kBlockListButton,
                                UiMarked(texts::numbers::kBlockListCommand), {177, 33});
        connect(lastButton, &QPushButton::clicked, this, [this] { links_.openBlockList(this); });
    }
    if (links_.openOutcome) {
        auto* outcome = MakeButton(this, names::numbers::kOutcomeButton,
                                   UiMarked(texts::numbers::kOutcomeCommand), {177, 33});
        connect(outcome, &QPushButton::clicked, this, [this] {
            if (!Importing() && links_.openOutcome(this))
                LoadList(); // the next list is the list now
        });
        setTabOrder(lastButton, outcome);
    }

    auto* caption = new QLabel(tr("Total"), this);
    total_ = new Designed<QLineEdit>({97, 21}, this);
    total_->setObjectName(names::numbers::kTotal);
    caption->setBuddy(total_);
    label_ = new QLabel("0%", this);
    label_->setObjectName(names::numbers::kPercent);
    label_->setMinimumWidth(60);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(names::numbers::kProgress);
    progress_->setFixedHeight(16);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(names::numbers::kMemo);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab and Shift+Tab move on, as in every text box of the tool: a TAB
    // typed by a key meant to move would end up in the list.
    memo_->setTabChangesFocus(true);
    PaintTextArea(memo_, colour::kSilver);
    // Reading order: the commands, the count, the lines, then the editor.
    setTabOrder(close, total_);
    setTabOrder(total_, memo_);
    setTabOrder(memo_, imports_[3]);
    if (lastButton != imports_[3])
        setTabOrder(imports_[3], lastButton);

    // The import commands in two rows, the count with Close, the progress,
    // the memo taking what height is left, the editor's button below it.
    const auto row = [](std::initializer_list<QWidget*> widgets, int spacing) {
        auto* layout = new QHBoxLayout;
        layout->setSpacing(spacing);
        for (QWidget* widget : widgets)
            layout->addWidget(widget);
        return layout;
    };
    auto* countRow = row({caption, total_}, 4);
    countRow->addSpacing(15);
    countRow->addWidget(label_);
    countRow->addStretch(1);
    countRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 7);
    layout->setSpacing(7);
    layout->addLayout(row({imports_[0], imports_[1]}, 9));
    layout->addLayout(row({stop, imports_[2], save}, 11));
    layout->addLayout(countRow);
    layout->addWidget(progress_);
    layout->addWidget(memo_, 1);
    layout->addWidget(imports_[3]);
    if (roundLinks) {
        auto* roundRow = new QHBoxLayout;
        roundRow->setSpacing(9);
        for (auto* button : {names::numbers::kBlockListButton, names::numbers::kOutcomeButton})
            if (auto* found = findChild<QPushButton*>(button))
                roundRow->addWidget(found);
        layout->addLayout(roundRow);
    }
    FixSizeOnScreen(*this, LaidOutSize(*this, {379, roundLinks ? 561 : 521}));

    LoadList();
}

void NumberListWindow::LoadList() {
    // Opens on an empty list when the file cannot be read.
    const std::string list = RunFileWork(prompts_, [this] {
                                 return ReadFileBytes(folder_.File(file::kLoadNumber));
                             }).value_or(std::string());
    std::size_t count = 0;
    ShowLines(ShownNumberLines(list, &count));
    ShowCount(count);
}

void NumberListWindow::EditList() {
    if (Importing())
        return;
    NumberEditWindow editor(folder_, prompts_, this, links_.blocked);
    connect(&editor, &NumberEditWindow::Saved, this, &NumberListWindow::LoadList);
    RunToolWindow(editor);
}

NumberListWindow::~NumberListWindow() = default;

std::optional<BlockedNumbers> NumberListWindow::Blocked() {
    if (!links_.blocked)
        return BlockedNumbers();
    return RunFileWork(prompts_, links_.blocked);
}

void NumberListWindow::TellBlocked(const QString& command, std::size_t lines) {
    if (lines > 0)
        prompts_.Inform(command.toStdString(),
                        UiMarked(texts::numbers::kBlockedLeftOut).arg(lines).toStdString());
}

// A line as the memo shows it: the window's own lines ("All: 5;", "Laod
// Max:9000 Number", ...) in the language of the windows, a list's line in
// the chosen encoding. Saving writes a line left as shown as it was.
QString NumberListWindow::AsShown(const std::string& line) {
    using namespace texts::numbers;
    for (const char* own : {kMaxNumbersLine, kReadWarningLine, kLoadStart, kLoadedLine})
        if (line == own)
            return UiMarked(own).remove('\r');
    const std::string count = line.substr(0, std::min(line.size(), std::strlen(kShownCount)));
    if (count == kShownCount && line.ends_with(';') &&
        line.find_first_not_of("0123456789", count.size()) == line.size() - 1)
        return UiMarked(kShownCount) + ToQString(line.substr(count.size()));
    return FromFileText(line).remove('\r');
}

void NumberListWindow::ShowLines(Lines lines) {
    shown_ = std::move(lines);
    shownAs_.clear();
    for (const auto& line : shown_)
        shownAs_ << AsShown(line);
    memo_->setPlainText(shownAs_.join('\n'));
}

void NumberListWindow::AppendLine(const std::string& line) {
    Lines lines = shown_;
    lines.push_back(line);
    ShowLines(std::move(lines));
}

void NumberListWindow::ShowCount(std::size_t count) {
    total_->setText(QString::number(count));
}

void NumberListWindow::SetProgress(int percent, const QString& label) {
    progress_->setValue(percent);
    label_->setText(label);
}

bool NumberListWindow::StoreList(const Lines& lines) {
    return RunFileWork(prompts_, [&] { StoreNumberList(folder_.File(file::kLoadNumber), lines); });
}

// An import replaces the whole list: a list that holds numbers is replaced
// only when the operator agrees, as ClearNumber asks before it empties it.
bool NumberListWindow::MayReplaceList(const QString& command) {
    std::size_t count = 0;
    try {
        count = CountLines(ReadFileBytes(folder_.File(file::kLoadNumber)));
    } catch (const FileError&) {
        return true; // no list to lose; the import says what it cannot write
    }
    return count == 0 ||
           prompts_.Confirm(command.toStdString(),
                            UiMarked(texts::numbers::kReplaceNumbers).arg(count).toStdString());
}

void NumberListWindow::LoadText() {
    if (Importing() || !MayReplaceList(imports_[0]->text()))
        return;
    const auto source = prompts_.OpenFileName(DocumentsFolder(), kTextFilters);
    if (!source)
        return;
    SetProgress(0, "0%"); // no earlier import's figure stays
    const auto blocked = Blocked();
    if (!blocked)
        return;
    auto import = RunFileWork(
        prompts_, [&] { return ImportTextFile(*source, TextCodec::Chosen(), *blocked); });
    if (!import || !StoreList(import->stored))
        return;
    TellBlocked(imports_[0]->text(), import->blockedLines);
    SetProgress(100, "100%"); // a text file is read and stored at once
    ShowCount(import->sourceLines);
    Lines shown = std::move(import->stored);
    if (import->atMax)
        shown.push_back(texts::numbers::kMaxNumbersLine);
    ShowLines(std::move(shown));
}

void NumberListWindow::LoadWorkbook() {
    if (Importing() || !MayReplaceList(imports_[1]->text()) || !Blocked())
        return;
    stopRequested_ = false;
    total_->clear();
    ShowLines({});
    SetProgress(0, "0%");
    const auto source = prompts_.OpenFileName(DocumentsFolder(), kWorkbookFilters);
    if (!source)
        return;
    try {
        import_ = std::make_unique<SheetImport>(*source);
    } catch (const XlsxError& e) {
        prompts_.Inform(texts::numbers::kWorkbookErrorCaption, std::string(e.what()));
        return;
    }
    for (auto* button : imports_)
        button->setEnabled(false);
    SetProgress(0, "0%");
    ShowLines({texts::numbers::kLoadStart});
    QTimer::singleShot(0, this, &NumberListWindow::ReadRows);
}

void NumberListWindow::ReadRows() {
    if (!import_)
        return; // the window was closed meanwhile
    QElapsedTimer slice;
    slice.start();
    try {
        while (slice.elapsed() < kReadSliceMs) {
            if (!import_->ReadRow())
                return FinishImport();
            if (std::exchange(stopRequested_, false))
                return EndImport(); // nothing written, the memo keeps its start line
            const int percent = import_->Percent();
            SetProgress(percent, " " + QString::number(percent) + "%");
        }
    } catch (const XlsxError& e) {
        EndImport();
        prompts_.Inform(texts::numbers::kWorkbookErrorCaption, std::string(e.what()));
        return;
    }
    QTimer::singleShot(0, this, &NumberListWindow::ReadRows);
}

void NumberListWindow::FinishImport() {
    SetProgress(100, "100%");
    AppendLine(texts::numbers::kLoadedLine);
    Lines lines;
    try {
        lines = import_->Result(TextCodec::Chosen());
    } catch (const XlsxError& e) {
        EndImport();
        prompts_.Inform(texts::numbers::kWorkbookErrorCaption, std::string(e.what()));
        return;
    }
    EndImport();
    const auto blocked = Blocked();
    if (!blocked)
        return;
    const std::size_t left = LeaveOutBlocked(lines, *blocked);
    if (!StoreList(lines))
        return;
    TellBlocked(imports_[1]->text(), left);
    ShowCount(lines.size());
    ShowLines(std::move(lines));
    prompts_.Inform(texts::numbers::kNumbersLoadedCaption, texts::numbers::kNumbersLoaded);
}

void NumberListWindow::EndImport() {
    import_.reset();
    stopRequested_ = false;
    for (auto* button : imports_)
        button->setEnabled(true);
}

void NumberListWindow::OpenFile() {
    if (Importing())
        return;
    const auto source = prompts_.OpenFileName(DocumentsFolder(), kTextFilters);
    if (!source)
        return;
    RunFileWork(prompts_, [&] { ShowLines(CdrLines(ReadFileBytes(*source))); });
}

void NumberListWindow::Save() {
    const auto target =
        ChooseSaveFile(prompts_, DocumentsFolder(), kTextFilter, "", texts::common::kFileExists);
    if (!target)
        return;
    RunFileWork(prompts_, [&] {
        WriteLines(*target, ShownLinesAsBytes(shown_, shownAs_, memo_->toPlainText()));
    });
}

void NumberListWindow::reject() {
    EndImport(); // a running import ends unwritten
    QDialog::reject();
}

} // namespace mervadin
