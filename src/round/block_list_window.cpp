#include "round/block_list_window.h"

#include "common/common_texts.h"
#include "numbers/number_texts.h"
#include "qtcore/translation.h"
#include "round/block_list.h"
#include "round/round_names.h"
#include "round/round_texts.h"
#include "ui/file_work.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace mervadin {

namespace {

// The first numbers of a change, to be told without a box the height of
// a whole import.
constexpr std::size_t kNamedNumbers = 10;

QString Joined(const std::vector<std::string>& numbers) {
    QStringList list;
    for (std::size_t i = 0; i < std::min(numbers.size(), kNamedNumbers); ++i)
        list << ToQString(numbers[i]);
    return list.join(", ") + (numbers.size() > kNamedNumbers ? ", …" : "");
}

} // namespace

BlockListWindow::BlockListWindow(std::filesystem::path file, Prompts& prompts, QWidget* parent)
    : QDialog(parent), file_(std::move(file)), prompts_(prompts) {
    setObjectName(names::round::kBlockWindow);
    setWindowTitle(tr("Numbers never to call"));
    resize(FittedClientSize({380, 460}, screen() ? screen()->availableGeometry() : QRect()));
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(tr("The numbers of BlockList.txt are left out of every import and "
                                "of the number write, and the list check names them."),
                             this);
    about->setWordWrap(true);
    layout->addWidget(about);
    numbers_ = new QListWidget(this);
    numbers_->setObjectName(names::round::kBlockNumbers);
    numbers_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(numbers_, 1);
    auto* remove =
        new QShortcut(QKeySequence::Delete, numbers_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &BlockListWindow::RemoveSelected);
    count_ = new QLabel(this);
    count_->setObjectName(names::round::kBlockCount);
    count_->setWordWrap(true);
    count_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(count_);

    auto* addRow = new QHBoxLayout;
    number_ = new QLineEdit(this);
    number_->setObjectName(names::round::kBlockNumber);
    number_->setPlaceholderText(tr("A number, digits only"));
    connect(number_, &QLineEdit::returnPressed, this, &BlockListWindow::AddTyped);
    auto* add = MakeButton(this, names::round::kBlockAdd, tr("Add"));
    connect(add, &QPushButton::clicked, this, &BlockListWindow::AddTyped);
    addRow->addWidget(number_, 1);
    addRow->addWidget(add);
    layout->addLayout(addRow);

    auto* commands = new QHBoxLayout;
    auto* removeButton = MakeButton(this, names::round::kBlockRemove, tr("Remove"));
    connect(removeButton, &QPushButton::clicked, this, &BlockListWindow::RemoveSelected);
    auto* import = MakeButton(this, names::round::kBlockImport, tr("Import…"));
    connect(import, &QPushButton::clicked, this, &BlockListWindow::Import);
    auto* close = MakeButton(this, names::round::kClose, tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    commands->addWidget(removeButton);
    commands->addWidget(import);
    commands->addStretch();
    commands->addWidget(close);
    layout->addLayout(commands);
    setTabOrder(number_, add);
    setTabOrder(add, numbers_);
    setTabOrder(numbers_, removeButton);
    number_->setFocus();
    Load();
}

void BlockListWindow::Load() {
    numbers_->clear();
    try {
        const auto numbers = BlockList::Load(file_).Numbers();
        for (const auto& number : numbers)
            numbers_->addItem(ToQString(number));
        //: %1 is the count of numbers, %2 the list file's path.
        count_->setText(tr("%1 numbers in %2").arg(numbers.size()).arg(ToQString(Utf8Of(file_))));
    } catch (const FileError& e) {
        count_->setText(ToQString(FileErrorText(e)));
    }
}

template <typename Change>
void BlockListWindow::Apply(Change change) {
    RunFileWork(prompts_, change);
    Load();
}

void BlockListWindow::Tell(const char* doneFormat, const std::vector<std::string>& done,
                           const char* unchangedFormat, const std::vector<std::string>& unchanged) {
    QStringList lines;
    if (!done.empty())
        lines << tr(doneFormat).arg(done.size()).arg(Joined(done));
    if (!unchanged.empty())
        lines << tr(unchangedFormat).arg(unchanged.size()).arg(Joined(unchanged));
    prompts_.Inform(texts::numbers::kBlockListCommand, lines.join('\n').toStdString());
}

void BlockListWindow::AddTyped() {
    const auto number = BlockableNumber(number_->text().toStdString());
    if (!number) {
        prompts_.Inform(
            texts::numbers::kBlockListCommand,
            tr("\"%1\" is not a number: digits only").arg(number_->text()).toStdString());
        number_->selectAll();
        return;
    }
    Apply([&] {
        if (AddBlocked(file_, {*number}).done.empty())
            prompts_.Inform(texts::numbers::kBlockListCommand,
                            //: %1 is a telephone number.
                            tr("%1 is on the list already").arg(ToQString(*number)).toStdString());
        number_->clear();
    });
}

void BlockListWindow::RemoveSelected() {
    std::vector<std::string> numbers;
    for (const auto* item : numbers_->selectedItems())
        numbers.push_back(item->text().toStdString());
    if (numbers.empty())
        return;
    Apply([&] { RemoveBlocked(file_, numbers); });
}

void BlockListWindow::Import() {
    const auto source =
        prompts_.OpenFileName(DocumentsFolder(), {"Text Files(*.txt)", "All Files(*)"});
    if (!source)
        return;
    Apply([&] {
        const BlockChange change = AddBlocked(file_, NumbersToBlock(*source));
        Tell(QT_TR_NOOP("%1 numbers added: %2"), change.done,
             QT_TR_NOOP("%1 numbers were on the list already: %2"), change.unchanged);
    });
}

} // namespace mervadin
