#pragma once
// The rows of the outcome window's table: a row per number of the list, its
// cells as the command line prints them (round/outcome_table.h), the name
// in the chosen encoding. Every column sorts by its value (counts and talk
// as numbers, the last call by its time), and each row says its outcome
// for the window's filter.

#include "round/outcome_files.h"
#include "round/outcome_table.h"

#include <QAbstractTableModel>

#include <memory>

namespace mervadin {

class OutcomeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // What a column sorts by, and what the filter reads: the outcome's
    // number (Reach) as text.
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kReachRole = Qt::UserRole + 1;

    explicit OutcomeModel(QObject* parent = nullptr);

    // Shows `round`; nothing for none.
    void Show(std::shared_ptr<const RoundOutcome> round);
    const RoundOutcome* Round() const { return round_.get(); }
    const NumberOutcome& NumberAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant SortKey(const QModelIndex& index) const;

    std::shared_ptr<const RoundOutcome> round_;
    QStringList header_;
};

} // namespace mervadin
