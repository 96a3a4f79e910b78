#pragma once
// Rows of a call record grid, served on demand: a header row of seven
// captions and numbered data rows. The grid never holds more than the
// view asks for, so a grid of 100000 rows costs nothing at start.

#include <QAbstractTableModel>
#include <QStringList>

namespace mervadin {

class CallGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 7;

    CallGridModel(QStringList headers, int rowCount, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headers_;
    int rows_;
};

} // namespace mervadin
