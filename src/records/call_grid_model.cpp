#include "records/call_grid_model.h"

namespace mervadin {

CallGridModel::CallGridModel(QStringList headers, int rowCount, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), rows_(rowCount) {}

int CallGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int CallGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CallGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return QString();
}

QVariant CallGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= headers_.size())
        return {};
    return headers_[section];
}

} // namespace mervadin
