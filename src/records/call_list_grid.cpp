#include "records/call_list_grid.h"

#include "common/common_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/text_lines.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "records/call_grid_model.h"
#include "records/call_record.h"
#include "records/record_export.h"
#include "records/record_names.h"
#include "records/record_texts.h"
#include "ui/file_work.h"
#include "ui/flow_layout.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace mervadin {

namespace {

constexpr int kColumnWidths[] = {60, 100, 120, 50, 130, 62, 270};
// The widest text each column usually holds; a column is widened from its
// usual width to show it whole in the font in use.
constexpr const char* kWidestTexts[] = {
    "000000", "0000000000000",       texts::records::kTypeNames[0],
    "0000",   "2026/12/31 23:59:59", "00:00:00",
    ""};

struct GridLook {
    const char* name;
    int rows;
    QStringList headers;
    int scrollAfter; // lines beyond which the grid scrolls ...
    int keepBelow;   // ... to show this many rows below the top one
};

QStringList HeadersOf(const char* const (&headers)[7]) {
    QStringList list;
    for (const char* header : headers)
        list << header; // English: the model shows each in the language of the windows
    return list;
}

const GridLook& LookOf(RecordFiles::List list) {
    static const GridLook out{names::grids::kCallOut, 100000,
                              HeadersOf(texts::records::kCallOutHeaders), 13, 10};
    static const GridLook in{names::grids::kCallIn, 60000,
                             HeadersOf(texts::records::kCallInHeaders), 6, 3};
    return list == RecordFiles::List::CallOut ? out : in;
}

} // namespace

CallListGrid::CallListGrid(RecordFiles::List list, const RecordFiles& files, Prompts& prompts,
                           QWidget* parent)
    : QTableView(parent), list_(list), files_(files), prompts_(prompts) {
    const GridLook& look = LookOf(list);
    setObjectName(look.name);
    // Tab leaves the grid for the next control; the arrows move in it.
    setTabKeyNavigation(false);
    model_ = new CallGridModel(look.headers, look.rows, this);
    model_->onRemark = [this](std::size_t row, const std::string& remark) {
        return CommitRemark(row, remark);
    };
    setModel(model_);
    setEditTriggers(QAbstractItemView::AllEditTriggers); // only the remark column is editable
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setFixedHeight(22);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < CallGridModel::kColumns; ++column)
        setColumnWidth(column, std::max(kColumnWidths[column], TextWidth(kWidestTexts[column])));
    // The operator's own scrolling leaves the end where it is.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { showsEnd_ = false; });
}

void CallListGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (showsEnd_)
        ScrollToEnd();
}

int CallListGrid::TextWidth(const QString& text) const {
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    return fontMetrics().horizontalAdvance(text) + padding;
}

// A list of a million lines and more has row numbers of seven digits and
// more: the number column widens to show them whole.
void CallListGrid::FitRowNumbers() {
    const int wanted = TextWidth(QString::number(model_->rowCount()).fill('0'));
    if (columnWidth(0) < wanted)
        setColumnWidth(0, wanted);
}

std::optional<std::string> CallListGrid::CommitRemark(std::size_t row, const std::string& remark) {
    std::string line;
    const auto committed =
        RunFileWork(prompts_, [&] { return files_.CommitRemark(list_, row, remark, &line); });
    if (committed.value_or(false))
        return line;
    return std::nullopt;
}

void CallListGrid::Load() {
    if (!RunFileWork(prompts_, [this] { model_->Show(files_.ListFile(list_)); }))
        return;
    FitRowNumbers();
    ScrollToEnd();
}

void CallListGrid::ShowStoredLine() {
    if (!RunFileWork(prompts_, [this] { model_->Refresh(); }))
        return;
    FitRowNumbers();
    ScrollToEnd();
}

// Rows are counted from 1 here: the call-out grid shows row (lines - 10) at
// the top beyond 13 lines, the call-in grid row (lines - 3) beyond 6.
void CallListGrid::ScrollToEnd() {
    showsEnd_ = true;
    const GridLook& look = LookOf(list_);
    const int lines = static_cast<int>(model_->ShownCount());
    if (lines <= look.scrollAfter)
        return;
    // The scroll bar takes the rows' new count first: scrolled before, a
    // list grown past the grid's usual rows would stop at their end.
    updateGeometries();
    scrollTo(model_->index(lines - look.keepBelow - 1, 0), QAbstractItemView::PositionAtTop);
    // Where a taller font leaves room for fewer rows, the last line still
    // shows.
    scrollTo(model_->index(lines - 1, 0), QAbstractItemView::EnsureVisible);
}

void CallListGrid::SetFilter(RecordFilter filter) {
    if (!RunFileWork(prompts_, [&] { model_->SetFilter(std::move(filter)); }))
        return;
    FitRowNumbers();
    ScrollToEnd();
}

void CallListGrid::SaveAs() {
    const bool out = list_ == RecordFiles::List::CallOut;
    // With a filter set the operator says which lines go out: those shown
    // or the whole list.
    std::optional<RecordFilter> only;
    if (model_->Filtered()) {
        const auto shown = static_cast<qulonglong>(model_->ShownCount());
        const auto all = static_cast<qulonglong>(model_->LineCount());
        const auto choice =
            prompts_.Choose(texts::records::kSaveWhichCaption,
                            UiMarked(texts::records::kSaveWhich).arg(shown).arg(all).toStdString(),
                            {UiMarked(texts::records::kSaveShownLines).arg(shown).toStdString(),
                             UiMarked(texts::records::kSaveAllLines).arg(all).toStdString()});
        if (!choice)
            return;
        if (*choice == 0)
            only = model_->Filter();
    }
    const auto target = ChooseSaveFile(
        prompts_, DocumentsFolder(), kRecordsFilter,
        out ? texts::records::kCallOutReplaceCaption : texts::records::kCallInReplaceCaption,
        out ? texts::records::kCallOutReplace : texts::records::kCallInReplace);
    if (!target)
        return;
    ExportReport report;
    std::size_t saved = 0;
    const bool exported = RunFileWork(prompts_, [&] {
        const auto file = files_.ListFile(list_);
        std::string text = ReadFileBytes(file);
        if (only)
            text = FilteredLines(text, *only);
        saved = CountLines(text);
        report = ExportRecords(*target, text, TextCodec::Chosen(), {.sheet = file.stem().string()});
    });
    if (!exported)
        return;
    const char* done = out ? texts::records::kCallOutSaved : texts::records::kCallInSaved;
    if (!model_->Filtered())
        prompts_.Inform(texts::records::kSavedCaption, done);
    else
        prompts_.Inform(texts::records::kSavedCaption,
                        (UiMarked(done) + '\n' + UiMarked(texts::records::kLinesSaved).arg(saved))
                            .toStdString());
    // Remarks cut at the bytes a remark keeps: said once, after the save.
    if (const std::string cut = report.Text(UiMarkedString); !cut.empty())
        prompts_.Inform(texts::records::kSavedCaption, cut);
}

void CallListGrid::Clear(const std::string& caption) {
    const auto count = model_->LineCount();
    if (count > 0 &&
        !prompts_.Confirm(caption,
                          UiMarked(texts::records::kClearRecordsQuestion).arg(count).toStdString()))
        return;
    if (!RunFileWork(prompts_, [this] { files_.ClearList(list_); }))
        return;
    model_->ShowNone();
    prompts_.Inform(texts::records::kListClearedCaption, texts::records::kListCleared);
}

namespace {

// Typing waits this long for the next key before the filter reads the list.
constexpr int kTypingPauseMs = 250;

QLineEdit* FilterField(QWidget* parent, const char* name, const char* hint, int width) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setPlaceholderText(UiMarked(hint));
    field->setClearButtonEnabled(true);
    field->setFixedWidth(width);
    return field;
}

} // namespace

CallFilterBar::CallFilterBar(CallListGrid& grid, QWidget* parent)
    : QWidget(parent), grid_(grid), number_(FilterField(this, names::grids::kFilterNumber,
                                                        texts::records::kFilterNumberHint, 130)),
      type_(new QComboBox(this)),
      group_(FilterField(this, names::grids::kFilterGroup, texts::records::kFilterGroupHint, 70)),
      from_(FilterField(this, names::grids::kFilterFrom, texts::records::kFilterFromHint, 100)),
      to_(FilterField(this, names::grids::kFilterTo, texts::records::kFilterToHint, 100)),
      count_(new QLabel(this)) {
    const bool out = grid.objectName() == names::grids::kCallOut;
    setObjectName(out ? names::grids::kCallOutFilter : names::grids::kCallInFilter);
    type_->setObjectName(names::grids::kFilterType);
    type_->addItem(UiMarked(texts::records::kFilterAllTypes));
    // Only the kinds of the grid's own list, each with its type digit.
    for (const char type : out ? std::string_view("014") : std::string_view("23"))
        type_->addItem(UiMarked(texts::records::kTypeNames[type - '0']), QChar(type));
    count_->setObjectName(names::grids::kFilterCount);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // One row where the grid is wide enough, more where it is not: the
    // count stays in view at the right.
    auto* layout = new FlowLayout(this, 4, true);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* field :
         std::initializer_list<QWidget*>{number_, type_, group_, from_, to_, count_})
        layout->addWidget(field);

    pause_.setSingleShot(true);
    pause_.setInterval(kTypingPauseMs);
    connect(&pause_, &QTimer::timeout, this, &CallFilterBar::Apply);
    for (QLineEdit* field : {number_, group_, from_, to_}) {
        connect(field, &QLineEdit::textChanged, &pause_, qOverload<>(&QTimer::start));
        connect(field, &QLineEdit::returnPressed, this, &CallFilterBar::Apply);
    }
    connect(type_, &QComboBox::currentIndexChanged, this, &CallFilterBar::Apply);
    // The count follows the list: a read, a call stored live, a clear.
    connect(grid_.Model(), &CallGridModel::LinesChanged, this, &CallFilterBar::ShowCount);
    ShowCount();
}

std::optional<std::chrono::year_month_day> CallFilterBar::DayOf(QLineEdit& field) const {
    const std::string text = field.text().trimmed().toStdString();
    const auto day = text.empty() ? std::nullopt : ParseDay(text);
    const bool wrong = !text.empty() && !day;
    field.setToolTip(wrong ? UiMarked(texts::records::kFilterBadDay) : QString());
    field.setStyleSheet(wrong ? "color: red" : "");
    return day;
}

// Beside the day fields: how to write a day while one cannot be read,
// else how many lines the rows show.
void CallFilterBar::ShowCount() {
    // A day field that cannot be read carries how to write it as its tooltip.
    const bool wrongDay = !from_->toolTip().isEmpty() || !to_->toolTip().isEmpty();
    const CallGridModel& model = *grid_.Model();
    const QString count =
        UiMarked(texts::records::kFilterCount).arg(model.ShownCount()).arg(model.LineCount());
    count_->setText(wrongDay ? UiMarked(texts::records::kFilterDayForm) : count);
    count_->setStyleSheet(wrongDay ? "color: red" : "");
    count_->setToolTip(wrongDay ? count : QString());
}

std::vector<QWidget*> CallFilterBar::FocusChain() const {
    return {number_, type_, group_, from_, to_};
}

void CallFilterBar::Apply() {
    pause_.stop();
    RecordFilter filter;
    filter.number = number_->text().trimmed().toStdString();
    if (type_->currentIndex() > 0)
        filter.type = type_->currentData().toChar().toLatin1();
    if (const QString group = group_->text().trimmed(); !group.isEmpty())
        filter.group = group.toStdString();
    filter.from = DayOf(*from_);
    filter.to = DayOf(*to_);
    grid_.SetFilter(std::move(filter));
    ShowCount();
}

} // namespace mervadin
