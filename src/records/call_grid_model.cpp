#include "records/call_grid_model.h"

#include "records/call_record.h"
#include "ui/qt_prompts.h"

namespace mervadin {

CallGridModel::CallGridModel(QStringList headers, int minimumRows, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), minimumRows_(minimumRows) {}

void CallGridModel::SetLines(Lines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void CallGridModel::SetLine(std::size_t index, std::string line) {
    if (index < lines_.size()) {
        lines_[index] = std::move(line);
        const int row = static_cast<int>(index);
        emit dataChanged(this->index(row, 1), this->index(row, kColumns - 1));
        return;
    }
    const int before = rowCount();
    lines_.resize(index + 1);
    lines_[index] = std::move(line);
    if (rowCount() > before) {
        beginInsertRows({}, before, rowCount() - 1);
        endInsertRows();
    }
    emit dataChanged(this->index(0, 1), this->index(static_cast<int>(index), kColumns - 1));
}

int CallGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(minimumRows_, static_cast<int>(lines_.size()));
}

int CallGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString CallGridModel::Cell(const std::string& line, int column) const {
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
    return row < lines_.size() ? Cell(lines_[row], index.column()) : QString();
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

bool CallGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != kRemarkColumn || !onRemark)
        return false;
    // A cell entered and left without typing hands back what it showed: the
    // stored bytes stay as they are.
    if (value.toString() == data(index, Qt::DisplayRole).toString())
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    const auto line = onRemark(row, ToFileText(value.toString()));
    if (!line)
        return false;
    SetLine(row, *line);
    return true;
}

} // namespace mervadin
