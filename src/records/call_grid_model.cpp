#include "records/call_grid_model.h"

#include "records/call_record.h"
#include "ui/qt_prompts.h"

namespace mervadin {

CallGridModel::CallGridModel(QStringList headers, int minimumRows, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), minimumRows_(minimumRows) {}

void CallGridModel::Show(const std::filesystem::path& file) {
    LineIndex lines;
    lines.Index(file);
    beginResetModel();
    file_ = file;
    lines_ = std::move(lines);
    shownLines_ = lines_.Count();
    endResetModel();
}

void CallGridModel::ShowNone() {
    beginResetModel();
    lines_.Clear();
    shownLines_ = 0;
    endResetModel();
}

void CallGridModel::Refresh() {
    lines_.Index(file_);
    const std::size_t linesBefore = shownLines_;
    const int before = rowCount();
    const int after = std::max(minimumRows_, static_cast<int>(lines_.Count()));
    // Rows come and go at the end; every row shown is read again.
    if (after > before)
        beginInsertRows({}, before, after - 1);
    else if (after < before)
        beginRemoveRows({}, after, before - 1);
    shownLines_ = lines_.Count();
    if (after > before)
        endInsertRows();
    else if (after < before)
        endRemoveRows();
    const auto rows = static_cast<int>(std::max(linesBefore, shownLines_));
    if (rows > 0)
        emit dataChanged(index(0, 1), index(std::min(rows, after) - 1, kColumns - 1));
}

int CallGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(minimumRows_, static_cast<int>(shownLines_));
}

int CallGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString CallGridModel::Cell(std::string_view line, int column) const {
    static const char* keys[] = {"", "Number[", "Type[", "Group[", "Date[", "Duration[", "Remark["};
    const std::string value = FieldValue(line, keys[column]);
    return FromFileText(column == 2 ? std::string(TypeName(value)) : value);
}

QVariant CallGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= shownLines_)
        return QString();
    QString cell;
    try {
        cell = Cell(lines_.Line(row), index.column());
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
    return headers_[section];
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
    if (!onRemark(row, ToFileText(value.toString())))
        return false;
    RefreshQuietly();
    return true;
}

} // namespace mervadin
