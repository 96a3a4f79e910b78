#include "numbers/number_table.h"

#include "common/decimal.h"
#include "common/ui_text.h"
#include "numbers/number_texts.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"

#include <QUndoCommand>

#include <algorithm>
#include <functional>
#include <numeric>

namespace mervadin {

namespace {

constexpr int kColumns = 3;
const char* const kHeaders[kColumns] = {QT_TRANSLATE_NOOP("mervadin::NumberTable", "GROUP"),
                                        QT_TRANSLATE_NOOP("mervadin::NumberTable", "NAME"),
                                        QT_TRANSLATE_NOOP("mervadin::NumberTable", "NUMBER")};

// An undo step as two functions.
class Step : public QUndoCommand {
public:
    Step(const QString& text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text), redo_(std::move(redo)), undo_(std::move(undo)) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_, undo_;
};

// GROUP sorts by its value; one that is no number after all that are.
bool GroupBefore(std::string_view a, std::string_view b) {
    const auto x = ParseDecimal(a), y = ParseDecimal(b);
    if (x && y && *x != *y)
        return *x < *y;
    if (x.has_value() != y.has_value())
        return x.has_value();
    return !x && a < b;
}

} // namespace

NumberTable::NumberTable(Lines lines, const TextCodec& codec, QObject* parent)
    : QAbstractTableModel(parent), lines_(std::move(lines)), codec_(codec) {}

int NumberTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int NumberTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

NumberFields::Field NumberTable::FieldOf(int column) {
    return static_cast<NumberFields::Field>(column);
}

QString NumberTable::Cell(int row, int column) const {
    return codec_.Decode(
        SplitNumberLine(lines_[static_cast<std::size_t>(row)]).Of(FieldOf(column)));
}

QVariant NumberTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return Cell(index.row(), index.column());
}

QVariant NumberTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1; // the line's number in the file
    return section >= 0 && section < kColumns ? tr(kHeaders[section]) : QVariant();
}

Qt::ItemFlags NumberTable::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool NumberTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    if (text == Cell(index.row(), index.column()))
        return true; // unchanged: the line keeps its bytes
    const auto bytes = codec_.FromUnicode(text.toStdString());
    if (!bytes) {
        emit EditRefused(UiMarked(texts::numbers::kEditCannotEncode)
                             .arg(QString::fromStdString(codec_.Name()), text));
        return false;
    }
    if (!FitsInField(*bytes)) {
        emit EditRefused(UiMarked(texts::numbers::kEditNoSeparators).arg(text));
        return false;
    }
    const int row = index.row();
    const std::string before = lines_[static_cast<std::size_t>(row)];
    const std::string after = SplitNumberLine(before).With(FieldOf(index.column()), *bytes);
    undo_.push(new Step(
        "edit", [this, row, after] { SetLine(row, after); },
        [this, row, before] { SetLine(row, before); }));
    return true;
}

void NumberTable::SetLine(int row, const std::string& line) {
    lines_[static_cast<std::size_t>(row)] = line;
    emit dataChanged(index(row, 0), index(row, kColumns - 1));
}

void NumberTable::AddRow(int row) {
    row = std::clamp(row, 0, rowCount());
    std::string line = "1,,";
    if (!lines_.empty()) {
        const NumberFields like =
            SplitNumberLine(lines_[static_cast<std::size_t>(std::max(row - 1, 0))]);
        const char separator = like.firstSeparator ? like.firstSeparator : ',';
        line = std::string(like.group) + separator + separator;
    }
    undo_.push(new Step(
        "add",
        [this, row, line] {
            InsertLines({{row, line}});
        },
        [this, row] { RemoveLines({row}); }));
}

void NumberTable::DeleteRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [this](int row) { return row < 0 || row >= rowCount(); });
    if (rows.empty())
        return;
    std::vector<std::pair<int, std::string>> removed;
    removed.reserve(rows.size());
    for (int row : rows)
        removed.emplace_back(row, lines_[static_cast<std::size_t>(row)]);
    undo_.push(new Step(
        "delete", [this, rows] { RemoveLines(rows); }, [this, removed] { InsertLines(removed); }));
}

void NumberTable::InsertLines(const std::vector<std::pair<int, std::string>>& rows) {
    // Ascending rows, each the row it will have once all are in.
    for (const auto& [row, line] : rows) {
        beginInsertRows({}, row, row);
        lines_.insert(lines_.begin() + row, line);
        endInsertRows();
    }
}

void NumberTable::RemoveLines(const std::vector<int>& rows) {
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        beginRemoveRows({}, *it, *it);
        lines_.erase(lines_.begin() + *it);
        endRemoveRows();
    }
}

void NumberTable::SortBy(int column, Qt::SortOrder order) {
    std::vector<std::size_t> rows(lines_.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::vector<std::string_view> fields;
    std::vector<QString> shown;
    for (const auto& line : lines_) {
        fields.push_back(SplitNumberLine(line).Of(FieldOf(column)));
        if (FieldOf(column) == NumberFields::Field::Name)
            shown.push_back(codec_.Decode(fields.back()));
    }
    const auto before = [&](std::size_t a, std::size_t b) {
        switch (FieldOf(column)) {
        case NumberFields::Field::Group:
            return GroupBefore(fields[a], fields[b]);
        case NumberFields::Field::Name:
            return QString::localeAwareCompare(shown[a], shown[b]) < 0;
        case NumberFields::Field::Number:
            break;
        }
        return fields[a] < fields[b];
    };
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        return order == Qt::AscendingOrder ? before(a, b) : before(b, a);
    });
    Lines sorted;
    sorted.reserve(lines_.size());
    for (std::size_t row : rows)
        sorted.push_back(lines_[row]);
    if (sorted == lines_)
        return;
    undo_.push(new Step(
        "sort",
        [this, sorted, sort = Sort{column, order}] {
            ReplaceAll(sorted);
            ShowSort(sort);
        },
        [this, old = lines_, before = sort_] {
            ReplaceAll(old);
            ShowSort(before);
        }));
}

void NumberTable::ShowSort(Sort sort) {
    sort_ = sort;
    emit SortShown(sort.column, sort.order);
}

void NumberTable::ReplaceAll(Lines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int NumberTable::Find(const QString& text, int start) const {
    const int rows = rowCount();
    if (text.isEmpty() || rows == 0)
        return -1;
    start = std::clamp(start, 0, rows - 1);
    for (int i = 0; i < rows; ++i) {
        const int row = (start + i) % rows;
        for (int column = 0; column < kColumns; ++column)
            if (Cell(row, column).contains(text, Qt::CaseInsensitive))
                return row;
    }
    return -1;
}

} // namespace mervadin
