#include "records/call_list_grid.h"

#include "common/common_texts.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "qtcore/text_codec.h"
#include "records/call_grid_model.h"
#include "records/record_export.h"
#include "records/record_names.h"
#include "records/record_texts.h"
#include "ui/widgets.h"

#include <QHeaderView>
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
        list << header;
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
    try {
        if (files_.CommitRemark(list_, row, remark, &line))
            return line;
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
    }
    return std::nullopt;
}

void CallListGrid::Load() {
    try {
        model_->Show(files_.ListFile(list_));
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return;
    }
    FitRowNumbers();
    ScrollToEnd();
}

void CallListGrid::ShowStoredLine() {
    try {
        model_->Refresh();
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return;
    }
    FitRowNumbers();
    ScrollToEnd();
}

// Rows are counted from 1 here: the call-out grid shows row (lines - 10) at
// the top beyond 13 lines, the call-in grid row (lines - 3) beyond 6.
void CallListGrid::ScrollToEnd() {
    const GridLook& look = LookOf(list_);
    const int lines = static_cast<int>(model_->LineCount());
    if (lines <= look.scrollAfter)
        return;
    // The scroll bar takes the rows' new count first: scrolled before, a
    // list grown past the grid's usual rows would stop at their end.
    updateGeometries();
    scrollTo(model_->index(lines - look.keepBelow - 1, 0), QAbstractItemView::PositionAtTop);
}

void CallListGrid::SaveAs() {
    const bool out = list_ == RecordFiles::List::CallOut;
    const auto target = ChooseSaveFile(
        prompts_, DocumentsFolder(), kRecordsFilter,
        out ? texts::records::kCallOutReplaceCaption : texts::records::kCallInReplaceCaption,
        out ? texts::records::kCallOutReplace : texts::records::kCallInReplace);
    if (!target)
        return;
    try {
        const auto file = files_.ListFile(list_);
        ExportRecords(*target, ReadFileBytes(file), TextCodec::Chosen(),
                      {.sheet = file.stem().string()});
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return;
    }
    prompts_.Inform(texts::records::kSavedCaption,
                    out ? texts::records::kCallOutSaved : texts::records::kCallInSaved);
}

void CallListGrid::Clear(const std::string& caption) {
    const auto count = model_->LineCount();
    if (count > 0 &&
        !prompts_.Confirm(caption,
                          QString(texts::records::kClearRecordsQuestion).arg(count).toStdString()))
        return;
    try {
        files_.ClearList(list_);
    } catch (const FileError& e) {
        prompts_.Inform(texts::common::kErrorCaption, e.what());
        return;
    }
    model_->ShowNone();
    prompts_.Inform(texts::records::kListClearedCaption, texts::records::kListCleared);
}

} // namespace mervadin
