#include "records/call_grid_model.h"

#include "qtcore/file_text.h"
#include "qtcore/translation.h"
#include "records/call_record.h"

namespace mervadin {

CallGridModel::CallGridModel(QStringList headers, int minimumRows, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), minimumRows_(minimumRows) {}

namespace {

// The lines of `lines` that `filter` lets through; none when it takes all.
std::vector<std::size_t> LinesFound(LineIndex& lines, const RecordFilter& filter) {
    std::vector<std::size_t> found;
    if (filter.TakesAll())
        return found;
    for (std::size_t line = 0; line < lines.Count(); ++line)
        if (filter.Matches(lines.Line(line)))
            found.push_back(line);
    return found;
}

} // namespace

void CallGridModel::Show(const std::filesystem::path& file) {
    LineIndex lines;
    lines.Index(file);
    auto found = LinesFound(lines, filter_);
    beginResetModel();
    file_ = file;
    lines_ = std::move(lines);
    shownLines_ = lines_.Count();
    found_ = std::move(found);
    endResetModel();
    emit LinesChanged();
}

void CallGridModel::ShowNone() {
    beginResetModel();
    lines_.Clear();
    shownLines_ = 0;
    found_.clear();
    endResetModel();
    emit LinesChanged();
}

void CallGridModel::SetFilter(RecordFilter filter) {
    auto found = LinesFound(lines_, filter);
    beginResetModel();
    filter_ = std::move(filter);
    found_ = std::move(found);
    endResetModel();
    emit LinesChanged();
}

int CallGridModel::Rows() const {
    // Unfiltered, the grid keeps its usual rows, blank beyond the list.
    return Filtered() ? static_cast<int>(found_.size())
                      : std::max(minimumRows_, static_cast<int>(shownLines_));
}

void CallGridModel::Refresh() {
    lines_.Index(file_);
    auto found = LinesFound(lines_, filter_);
    const int before = Rows();
    const std::size_t shownBefore = ShownCount();
    const std::size_t lines = lines_.Count();
    const auto after = static_cast<int>(
        Filtered() ? found.size() : std::max(static_cast<std::size_t>(minimumRows_), lines));
    // Rows come and go at the end; every row shown is read again.
    if (after > before)
        beginInsertRows({}, before, after - 1);
    else if (after < before)
        beginRemoveRows({}, after, before - 1);
    shownLines_ = lines;
    found_ = std::move(found);
    if (after > before)
        endInsertRows();
    else if (after < before)
        endRemoveRows();
    const auto rows = static_cast<int>(std::max(shownBefore, ShownCount()));
    if (rows > 0 && after > 0)
        emit dataChanged(index(0, 0), index(std::min(rows, after) - 1, kColumns - 1));
    emit LinesChanged();
}

int CallGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Rows();
}

int CallGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString CallGridModel::Cell(std::string_view line, int column) const {
    static const char* keys[] = {"", "Number[", "Type[", "Group[", "Date[", "Duration[", "Remark["};
    const std::string value = FieldValue(line, keys[column]);
    return column == 2 ? UiMarked(std::string(TypeName(value)).c_str()) : FromFileText(value);
}

QVariant CallGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (index.column() == 0)
        return QString::number(row < ShownCount() ? LineOfRow(row) + 1 : row + 1);
    if (row >= ShownCount())
        return QString();
    QString cell;
    try {
        cell = Cell(lines_.Line(LineOfRow(row)), index.column());
    } catch (const FileError&) {
        // A file gone unreadable shows blank rows, not a stop.
    }
    if (lines_.TakeChanged()) // replaced by another writer: its rows follow
        QMetaObject::invokeMethod(const_cast<CallGridModel*>(this), &CallGridModel::RefreshQuietly,
                                  Qt::QueuedConnection);
    return cell;
}

QVariant CallGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= headers_.size())
        return {};
    return UiMarked(headers_[section].toStdString().c_str());
}

Qt::ItemFlags CallGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == kRemarkColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

void CallGridModel::RefreshQuietly() {
    try {
        Refresh();
    } catch (const FileError&) {
        // Unreadable now: its rows show blank until it can be read.
    }
}

bool CallGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != kRemarkColumn || !onRemark)
        return false;
    // A cell entered and left without typing hands back what it showed: the
    // stored bytes stay as they are.
    if (value.toString() == data(index, Qt::DisplayRole).toString())
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    if (Filtered() && row >= found_.size())
        return false;
    if (!onRemark(LineOfRow(row), ToFileText(value.toString())))
        return false;
    RefreshQuietly();
    return true;
}

} // namespace mervadin
