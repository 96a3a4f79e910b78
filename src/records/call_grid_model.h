#pragma once
// The rows of a call record grid: one row per line of its list file, served
// on demand, with the row number, number, type name, group, date, duration
// and remark. The grid shows exactly its file: every line however long the
// list, read from the file as its rows come into view (a list of a million
// lines costs eight bytes a line, not its text). Only the remark column can
// be edited; an edit is written into the file at once. A filter narrows the
// rows to the lines it finds; a remark typed into one lands on its line.

#include "files/line_index.h"
#include "records/record_files.h"
#include "records/record_lines.h"

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

    // Shows the lines of `file`; throws FileError.
    void Show(const std::filesystem::path& file);
    // Shows no lines (the list was emptied).
    void ShowNone();
    // Reads the file again after it changed (a line replaced or added).
    void Refresh();
    std::size_t LineCount() const { return shownLines_; }
    std::string Line(std::size_t index) const { return std::string(lines_.Line(index)); }

    // Shows only the lines `filter` lets through, a row each, numbered by
    // their lines; a filter that takes all shows every line again. Throws
    // FileError when the file cannot be read.
    void SetFilter(RecordFilter filter);
    bool Filtered() const { return !filter_.TakesAll(); }
    const RecordFilter& Filter() const { return filter_; }
    // The lines the rows show: all of them, or those the filter found.
    std::size_t ShownCount() const { return Filtered() ? found_.size() : shownLines_; }
    // The line of the file row `row` shows.
    std::size_t LineOfRow(std::size_t row) const { return Filtered() ? found_[row] : row; }

    // Called to write a remark typed into row `row`; returns the line as it
    // now stands in the file, or nothing when nothing was written.
    std::function<std::optional<std::string>(std::size_t row, const std::string& remark)> onRemark;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The lines of the file, or those the rows show, may be others now: a
    // load, a call stored live, a filter, a clear. (A line added live to an
    // unfiltered list adds no row while the grid's usual rows hold it.)
    void LinesChanged();

private:
    void RefreshQuietly();
    int Rows() const;
    QString Cell(std::string_view line, int column) const;

    QStringList headers_;
    int minimumRows_;
    std::filesystem::path file_;
    // Reading a line fills the index's block cache: a const look is still
    // a read.
    mutable LineIndex lines_;
    // The lines the rows show: the index's count when it was last shown.
    // The index may find the file changed under it while rows are drawn;
    // the rows follow in a queued refresh, announced to the view.
    std::size_t shownLines_ = 0;
    RecordFilter filter_;
    std::vector<std::size_t> found_; // the lines the filter lets through
};

} // namespace mervadin
