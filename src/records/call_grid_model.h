#pragma once
// The rows of a call record grid: one row per line of its list file, served
// on demand, with the row number, number, type name, group, date, duration
// and remark. The grid shows exactly its file: never a stale row, and every
// line however long the list. Only the remark column can be edited; an
// edit is written into the file at once.

#include "records/record_files.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

namespace mervadin {

class CallGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 7;
    static constexpr int kRemarkColumn = 6;

    CallGridModel(QStringList headers, int minimumRows, QObject* parent = nullptr);

    // Shows these lines (the list file's content).
    void SetLines(Lines lines);
    const Lines& LinesShown() const { return lines_; }
    // Replaces or appends one line and refreshes its row.
    void SetLine(std::size_t index, std::string line);

    // Called to write a remark typed into row `row`; returns the line as it
    // now stands in the file, or nothing when nothing was written.
    std::function<std::optional<std::string>(std::size_t row, const std::string& remark)> onRemark;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QString Cell(const std::string& line, int column) const;

    QStringList headers_;
    int minimumRows_;
    Lines lines_;
};

} // namespace mervadin
