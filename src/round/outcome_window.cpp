#include "round/outcome_window.h"

#include "common/common_texts.h"
#include "files/file_read.h"
#include "numbers/number_texts.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "round/block_list.h"
#include "round/number_calls_window.h"
#include "round/outcome_model.h"
#include "round/outcome_table.h"
#include "round/round_names.h"
#include "round/round_texts.h"
#include "statistics/day_field.h"
#include "statistics/day_range_row.h"
#include "ui/file_work.h"
#include "ui/flow_layout.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace mervadin {

namespace {

// The filter's choices, in the order the box offers them.
constexpr int kAllRows = -1;
const std::pair<const char*, int> kFilters[] = {
    {QT_TRANSLATE_NOOP("mervadin::OutcomeWindow", "Not reached"),
     static_cast<int>(Reach::NotReached)},
    {QT_TRANSLATE_NOOP("mervadin::OutcomeWindow", "Reached"), static_cast<int>(Reach::Reached)},
    {QT_TRANSLATE_NOOP("mervadin::OutcomeWindow", "Never dialled"),
     static_cast<int>(Reach::NeverDialled)},
    {QT_TRANSLATE_NOOP("mervadin::OutcomeWindow", "All"), kAllRows}};

} // namespace

OutcomeWindow::OutcomeWindow(WorkFolder folder, Prompts& prompts, QWidget* parent,
                             std::filesystem::path list)
    : QDialog(parent), folder_(std::move(folder)), prompts_(prompts), list_(std::move(list)) {
    setObjectName(names::round::kOutcomeWindow);
    setWindowTitle(tr("Outcome of the list"));
    resize(FittedClientSize({960, 640}, screen() ? screen()->availableGeometry() : QRect()));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(BuildListRow());
    layout->addWidget(BuildRangeRow());
    totals_ = new QLabel(this);
    totals_->setObjectName(names::round::kTotals);
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totals_->setWordWrap(true);
    QFont bold = totals_->font();
    bold.setBold(true);
    totals_->setFont(bold);
    layout->addWidget(totals_);
    setApart_ = new QLabel(this);
    setApart_->setObjectName(names::round::kSetApart);
    setApart_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setApart_->setWordWrap(true);
    layout->addWidget(setApart_);
    layout->addWidget(BuildFilterRow());

    model_ = new OutcomeModel(this);
    rows_ = new QSortFilterProxyModel(this);
    rows_->setSourceModel(model_);
    rows_->setSortRole(OutcomeModel::kSortRole);
    rows_->setFilterRole(OutcomeModel::kReachRole);
    table_ = new QTableView(this);
    table_->setObjectName(names::round::kTable);
    table_->setModel(rows_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(static_cast<int>(OutcomeColumn::LinesOfList), Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    // A double-click, or Enter on the row, lists the number's calls.
    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { ShowCalls(index.row()); });
    layout->addWidget(table_, 1);
    layout->addWidget(BuildSaveRow());
    Refresh();
}

OutcomeWindow::~OutcomeWindow() = default;

QWidget* OutcomeWindow::BuildListRow() {
    auto* row = new QWidget(this);
    // One row where the window is wide enough, more on a narrow screen.
    auto* layout = new FlowLayout(row, 6);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("List"), row);
    listFile_ = new QLineEdit(row);
    listFile_->setObjectName(names::round::kListFile);
    listFile_->setReadOnly(true);
    listFile_->setMinimumWidth(listFile_->fontMetrics().averageCharWidth() * 40);
    label->setBuddy(listFile_);
    auto* choose = MakeButton(row, names::round::kChooseList, tr("Another list file…"));
    connect(choose, &QPushButton::clicked, this, &OutcomeWindow::ChooseList);
    auto* working = MakeButton(row, names::round::kWorkingList, tr("LoadNumber.txt"));
    connect(working, &QPushButton::clicked, this, &OutcomeWindow::UseWorkingList);
    layout->addWidget(label);
    layout->addWidget(listFile_);
    layout->addWidget(choose);
    layout->addWidget(working);
    return row;
}

QWidget* OutcomeWindow::BuildRangeRow() {
    range_ = new DayRangeRow(this);
    connect(range_, &DayRangeRow::Changed, this, [this] { Refresh(); });
    auto* refresh = MakeButton(range_, names::round::kRefresh, tr("Refresh"));
    connect(refresh, &QPushButton::clicked, this, &OutcomeWindow::Refresh);
    range_->Add(refresh);
    return range_;
}

QWidget* OutcomeWindow::BuildFilterRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Show"), row);
    filter_ = new QComboBox(row);
    filter_->setObjectName(names::round::kFilter);
    for (const auto& [text, reach] : kFilters)
        filter_->addItem(tr(text), reach);
    filter_->setCurrentIndex(filter_->findData(kAllRows));
    filter_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    label->setBuddy(filter_);
    connect(filter_, &QComboBox::currentIndexChanged, this, &OutcomeWindow::ApplyFilter);
    layout->addWidget(label);
    layout->addWidget(filter_);
    layout->addStretch();
    return row;
}

QWidget* OutcomeWindow::BuildSaveRow() {
    auto* row = new QWidget(this);
    // One row where the window is wide enough, more on a narrow screen.
    auto* layout = new FlowLayout(row, 6, true);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Not reached:"), row);
    notReached_ = new QComboBox(row);
    notReached_->setObjectName(names::round::kNotReachedChoice);
    notReached_->addItem(tr("failed and never dialled"),
                         static_cast<int>(NotReached::FailedAndNeverDialled));
    notReached_->addItem(tr("failed only"), static_cast<int>(NotReached::FailedOnly));
    notReached_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    label->setBuddy(notReached_);
    auto* save = MakeButton(row, names::round::kSaveNotReached,
                            UiMarked(texts::round::kSaveNotReachedCommand));
    connect(save, &QPushButton::clicked, this, &OutcomeWindow::SaveNotReached);
    auto* replace =
        MakeButton(row, names::round::kReplaceList, UiMarked(texts::round::kReplaceListCommand));
    connect(replace, &QPushButton::clicked, this, &OutcomeWindow::ReplaceLoadNumber);
    auto* close = MakeButton(row, names::round::kClose, tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(label);
    layout->addWidget(notReached_);
    layout->addWidget(save);
    layout->addWidget(replace);
    layout->addWidget(close);
    return row;
}

DayRange OutcomeWindow::ChosenRange() const {
    if (range_->AllDays())
        return {};
    return {FromQDate(range_->From()), FromQDate(range_->To())};
}

NotReached OutcomeWindow::ChosenNotReached() const {
    return static_cast<NotReached>(notReached_->currentData().toInt());
}

const RoundOutcome* OutcomeWindow::Shown() const {
    return shown_.get();
}

void OutcomeWindow::Refresh() {
    const std::filesystem::path list = list_.empty() ? folder_.File(file::kLoadNumber) : list_;
    listFile_->setText(ToQString(Utf8Of(list)));
    shown_.reset();
    setApart_->clear();
    const DayRange range = ChosenRange();
    if (const auto problem = RangeProblem(range, UiMarkedString)) {
        totals_->setText(ToQString(*problem));
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            shown_ = std::make_shared<const RoundOutcome>(
                ComputeOutcome(folder_, list_, range, TextCodec::Chosen()));
        } catch (const FileError& e) {
            totals_->setText(ToQString(FileErrorText(e)));
        }
        QApplication::restoreOverrideCursor();
    }
    model_->Show(shown_);
    if (shown_) {
        totals_->setText(ToQString(TotalsText(shown_->outcome.Totals(), UiMarkedString)));
        setApart_->setText(ToQString(SetApartText(shown_->outcome, UiMarkedString)));
    }
    setApart_->setVisible(!setApart_->text().isEmpty());
    table_->resizeColumnsToContents();
    ApplyFilter();
    FollowDataSpan();
}

// The range row's days follow the records' span while all days count.
void OutcomeWindow::FollowDataSpan() {
    if (shown_ && shown_->outcome.FirstDay())
        range_->FollowSpan(ToQDate(*shown_->outcome.FirstDay()),
                           ToQDate(*shown_->outcome.LastDay()));
}

void OutcomeWindow::ApplyFilter() {
    const int reach = filter_->currentData().toInt();
    rows_->setFilterRegularExpression(reach == kAllRows ? QString() : QString("^%1$").arg(reach));
}

void OutcomeWindow::ChooseList() {
    const auto file = prompts_.OpenFileName(
        DocumentsFolder(), {"Text Files(*.txt)", "CSV Files(*.csv)", "All Files(*)"});
    if (!file)
        return;
    list_ = IsWorkingList(folder_, *file) ? std::filesystem::path() : *file;
    Refresh();
}

void OutcomeWindow::UseWorkingList() {
    list_.clear();
    Refresh();
}

void OutcomeWindow::ShowCalls(int row) {
    if (!shown_ || row < 0)
        return;
    const int source = rows_->mapToSource(rows_->index(row, 0)).row();
    const NumberOutcome& number = model_->NumberAt(source);
    const QString shown = model_->index(source, 0).data().toString();
    std::vector<FoundCall> calls;
    const bool found = RunFileWork(prompts_, [&] {
        if (!number.digits.empty())
            calls = CallsOfNumber(folder_.File(file::kCallOutList), number.digits,
                                  shown_->outcome.Range());
    });
    if (!found)
        return;
    NumberCallsWindow window(shown, calls, this);
    RunToolWindow(window);
}

std::optional<NextList> OutcomeWindow::NextOfShown() {
    if (!shown_)
        return std::nullopt;
    auto next = RunFileWork(prompts_, [this] {
        return NotReachedLines(shown_->list, shown_->outcome, ChosenNotReached(),
                               BlockList::Load(folder_.File(file::kBlockList)).Blocked());
    });
    if (!next)
        return std::nullopt;
    if (next->lines.empty()) {
        prompts_.Inform(texts::round::kSaveNotReachedCommand, texts::round::kNothingLeft);
        return std::nullopt;
    }
    return next;
}

void OutcomeWindow::TellWritten(const NextList& next, const std::filesystem::path& file) {
    std::string text = UiMarked(texts::round::kNextListWritten)
                           .arg(next.lines.size())
                           .arg(ToQString(Utf8Of(file)))
                           .toStdString();
    if (next.blockedLines > 0)
        text +=
            " " + UiMarked(texts::numbers::kBlockedLeftOut).arg(next.blockedLines).toStdString();
    prompts_.Inform(texts::round::kSaveNotReachedCommand, text);
}

void OutcomeWindow::SaveNotReached() {
    const auto next = NextOfShown();
    if (!next)
        return;
    const auto target =
        ChooseSaveFile(prompts_, DocumentsFolder(), kTextFilter, "", texts::common::kFileExists);
    if (!target)
        return;
    if (!RunFileWork(prompts_, [&] { SaveNumberListFile(*target, next->lines); }))
        return;
    TellWritten(*next, *target);
}

void OutcomeWindow::ReplaceLoadNumber() {
    const auto next = NextOfShown();
    if (!next)
        return;
    const auto file = folder_.File(file::kLoadNumber);
    // True once the list is written; false when the operator said no or it
    // changed meanwhile.
    const auto written = RunFileWork(prompts_, [&] {
        const std::size_t count = CountLines(ReadFileBytes(file));
        if (!prompts_.Confirm(texts::round::kReplaceListCommand,
                              UiMarked(texts::round::kReplaceListQuestion)
                                  .arg(count)
                                  .arg(next->lines.size())
                                  .toStdString()))
            return false;
        if (!list_.empty())
            SaveNumberListFile(file, next->lines);
        else if (!ReplaceWorkingList(folder_, shown_->list, next->lines)) {
            prompts_.Inform(texts::round::kReplaceListCommand, texts::round::kListChanged);
            return false;
        }
        return true;
    });
    if (!written.value_or(false))
        return;
    TellWritten(*next, file);
    emit WorkingListReplaced();
    if (list_.empty())
        Refresh();
}

} // namespace mervadin
