#include "numbers/number_edit_window.h"

#include "common/common_texts.h"
#include "files/file_read.h"
#include "numbers/number_check.h"
#include "numbers/number_list.h"
#include "numbers/number_names.h"
#include "numbers/number_table.h"
#include "numbers/number_texts.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "ui/edit_table_view.h"
#include "ui/file_work.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace mervadin {

namespace {

// The list's bytes, or none when there is no list yet.
std::string ReadList(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return {};
    return ReadFileBytes(file);
}

// A finding in the language of the windows: "line 4: " and its fault.
QString ShownFinding(const NumberFinding& finding) {
    return QString::fromStdString(finding.Text(UiMarkedString));
}

} // namespace

NumberEditWindow::NumberEditWindow(WorkFolder folder, Prompts& prompts, QWidget* parent,
                                   const BlockedNumbersSource& blocked)
    : QDialog(parent), folder_(std::move(folder)), prompts_(prompts) {
    setObjectName(names::numbers::kEditor);
    setWindowTitle(UiMarked(texts::numbers::kEditTitle));
    try {
        if (blocked)
            blocked_ = blocked();
    } catch (const FileError& e) {
        blockedError_ = QString::fromStdString(FileErrorText(e));
    }
    // Opens on an empty list when the file cannot be read.
    RunFileWork(prompts_, [this] { loaded_ = ReadList(folder_.File(file::kLoadNumber)); });
    table_ = new NumberTable(SplitLines(loaded_), TextCodec::Chosen(), this);

    view_ = new EditTableView(this);
    view_->setObjectName(names::numbers::kEditorTable);
    view_->setModel(table_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setSortIndicatorShown(true);
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // file order at first
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setColumnWidth(1, 180);
    connect(view_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { table_->SortBy(column, order); });
    // An undone sort takes its arrow away (or shows the sort before it).
    connect(table_, &NumberTable::SortShown, this, [this](int column, Qt::SortOrder order) {
        const QSignalBlocker quiet(view_->horizontalHeader());
        view_->horizontalHeader()->setSortIndicator(column, order);
        view_->horizontalHeader()->viewport()->update();
    });

    find_ = new QLineEdit(this);
    find_->setObjectName(names::numbers::kEditorFind);
    find_->setPlaceholderText(UiMarked(texts::numbers::kEditFindHint));
    find_->setClearButtonEnabled(true);
    connect(find_, &QLineEdit::returnPressed, this, &NumberEditWindow::FindNext);

    findings_ = new QListWidget(this);
    findings_->setObjectName(names::numbers::kEditorFindings);
    findings_->setMaximumHeight(120);
    findings_->hide();
    connect(findings_, &QListWidget::currentRowChanged, this, [this](int at) {
        const QVariant line = at >= 0 ? findings_->item(at)->data(Qt::UserRole) : QVariant();
        if (line.isValid())
            SelectRow(line.toInt() - 1);
    });

    total_ = new QLabel(this);
    total_->setObjectName(names::numbers::kEditorTotal);
    status_ = new QLabel(this);
    status_->setObjectName(names::numbers::kEditorStatus);
    status_->setWordWrap(true);
    connect(table_, &NumberTable::EditRefused, status_, &QLabel::setText);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(table_, signal, this, &NumberEditWindow::ShowTotal);
    connect(table_, &QAbstractItemModel::modelReset, this, &NumberEditWindow::ShowTotal);
    // Findings on the screen follow every step, so that none names a line
    // that has changed or is gone.
    connect(&table_->undoStack(), &QUndoStack::indexChanged, this, [this] {
        if (checked_)
            Check();
    });

    BuildCommands();
    ShowTotal();
    resize(FittedClientSize({560, 600}, screen()->availableGeometry()));
}

// The table's undo stack goes with the window's children, after this
// window's part: its last signals must not reach it.
NumberEditWindow::~NumberEditWindow() {
    table_->undoStack().disconnect(this);
}

void NumberEditWindow::BuildCommands() {
    auto* add = MakeButton(this, names::numbers::kEditorAdd, tr("Add"));
    auto* remove = MakeButton(this, names::numbers::kEditorDelete, tr("Delete"));
    auto* undo = MakeButton(this, names::numbers::kEditorUndo, tr("Undo"));
    auto* redo = MakeButton(this, names::numbers::kEditorRedo, tr("Redo"));
    auto* check = MakeButton(this, names::numbers::kEditorCheck, tr("Check"));
    auto* save = MakeButton(this, names::numbers::kEditorSave, tr("Save"));
    auto* close = MakeButton(this, names::numbers::kEditorClose, tr("Close"));
    connect(add, &QPushButton::clicked, this, &NumberEditWindow::AddRow);
    connect(remove, &QPushButton::clicked, this, &NumberEditWindow::DeleteRows);
    QUndoStack& stack = table_->undoStack();
    connect(undo, &QPushButton::clicked, &stack, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, &stack, &QUndoStack::redo);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QWidget::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QWidget::setEnabled);
    connect(check, &QPushButton::clicked, this, &NumberEditWindow::Check);
    connect(save, &QPushButton::clicked, this, &NumberEditWindow::Save);
    connect(close, &QPushButton::clicked, this, &NumberEditWindow::reject);

    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Undo, [&stack] { stack.undo(); });
    // Ctrl+Y everywhere, beside the platform's own redo keys: one shortcut,
    // since two holding the same keys would each leave them to the other.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    auto* redoShortcut = new QShortcut(this);
    redoShortcut->setKeys(redoKeys);
    connect(redoShortcut, &QShortcut::activated, &stack, &QUndoStack::redo);
    shortcut(QKeySequence::Save, [this] { Save(); });
    shortcut(QKeySequence::Find, [this] { find_->setFocus(); });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, view_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &NumberEditWindow::DeleteRows);

    auto* commands = new QHBoxLayout;
    for (auto* button : {add, remove, undo, redo, check, save, close})
        commands->addWidget(button);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(total_);
    bottom->addWidget(status_, 1);
    // Tab in reading order: the commands, the find box, the table (which
    // Tab leaves past its last cell, Ctrl+Tab at once), the findings.
    QWidget* previous = nullptr;
    for (QWidget* next : std::initializer_list<QWidget*>{add, remove, undo, redo, check, save,
                                                         close, find_, view_, findings_}) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(find_);
    layout->addWidget(view_, 1);
    layout->addWidget(findings_);
    layout->addLayout(bottom);
}

void NumberEditWindow::ShowTotal() {
    total_->setText(UiMarked(texts::numbers::kEditTotal).arg(table_->rowCount()));
}

void NumberEditWindow::SelectRow(int row) {
    if (row < 0 || row >= table_->rowCount())
        return;
    const QModelIndex at =
        table_->index(row, view_->currentIndex().isValid() ? view_->currentIndex().column() : 0);
    view_->setCurrentIndex(at);
    view_->selectRow(row);
    view_->scrollTo(at);
}

void NumberEditWindow::AddRow() {
    const QModelIndex current = view_->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : table_->rowCount();
    table_->AddRow(row);
    const QModelIndex name = table_->index(row, 1);
    view_->setCurrentIndex(name);
    view_->edit(name);
}

void NumberEditWindow::DeleteRows() {
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && view_->currentIndex().isValid())
        rows.insert(view_->currentIndex().row());
    table_->DeleteRows({rows.begin(), rows.end()});
}

void NumberEditWindow::FindNext() {
    const QModelIndex current = view_->currentIndex();
    const int row = table_->Find(find_->text(), current.isValid() ? current.row() + 1 : 0);
    if (row < 0) {
        status_->setText(UiMarked(texts::numbers::kEditNotFound).arg(find_->text()));
        return;
    }
    status_->clear();
    SelectRow(row);
}

void NumberEditWindow::Check() {
    checked_ = true;
    const auto findings = CheckNumberList(table_->lines(), SIZE_MAX, blocked_);
    findings_->clear();
    for (const auto& finding : findings) {
        auto* item = new QListWidgetItem(ShownFinding(finding), findings_);
        item->setData(Qt::UserRole, static_cast<int>(finding.line));
    }
    findings_->setVisible(!findings.empty());
    status_->setText((findings.empty()
                          ? UiMarked(texts::numbers::kEditNothingFound).arg(table_->rowCount())
                          : UiMarked(texts::numbers::kEditFound).arg(findings.size())) +
                     (blockedError_.isEmpty() ? QString() : "\n" + blockedError_));
}

bool NumberEditWindow::Save() {
    const auto file = folder_.File(file::kLoadNumber);
    // True once stored; false when the operator keeps a list changed elsewhere.
    const auto stored = RunFileWork(prompts_, [&] {
        if (ReadList(file) != loaded_ &&
            !prompts_.Confirm(texts::numbers::kEditTitle, texts::numbers::kEditChangedElsewhere))
            return false;
        StoreNumberList(file, table_->lines());
        return true;
    });
    if (!stored.value_or(false))
        return false;
    loaded_ = JoinLines(table_->lines());
    table_->undoStack().setClean();
    status_->setText(UiMarked(texts::numbers::kEditSavedLines).arg(table_->rowCount()));
    emit Saved(table_->lines().size());
    return true;
}

void NumberEditWindow::reject() {
    if (!table_->undoStack().isClean()) {
        switch (prompts_.Ask(texts::numbers::kEditTitle, texts::numbers::kEditSaveChanges)) {
        case Prompts::Answer::Yes:
            if (!Save())
                return;
            break;
        case Prompts::Answer::No:
            break;
        case Prompts::Answer::Cancel:
            return;
        }
    }
    QDialog::reject();
}

} // namespace mervadin
