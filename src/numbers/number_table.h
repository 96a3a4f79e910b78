#pragma once
// The number list as a table of GROUP, NAME and NUMBER for the list editor.
// It keeps each line's bytes: a cell shows its field through the chosen
// encoding, and only a cell the operator changes is written back, with the
// rest of its line as it was. Every change goes on an undo stack.

#include "files/text_lines.h"
#include "numbers/number_fields.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <vector>

namespace mervadin {

class TextCodec;

class NumberTable : public QAbstractTableModel {
    Q_OBJECT
public:
    NumberTable(Lines lines, const TextCodec& codec, QObject* parent = nullptr);

    const Lines& lines() const { return lines_; }
    QUndoStack& undoStack() { return undo_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Pushes the edit on the undo stack; refuses (EditRefused) a text that
    // holds a separator or a character the encoding cannot hold.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Inserts a line at `row` with the GROUP and separator of the line
    // before it (GROUP 1 and a comma in an empty list), NAME and NUMBER empty.
    void AddRow(int row);
    // Deletes the rows, given in any order.
    void DeleteRows(std::vector<int> rows);
    // Orders the lines by a column (GROUP by its value), keeping the order
    // of lines that compare equal. Undone, the lines are in the order they
    // had, and SortShown names the sort they had (-1: the file's order).
    void SortBy(int column, Qt::SortOrder order);
    // The first row from `start` on, wrapping round, with a cell holding
    // `text` (case ignored); -1 when none does.
    int Find(const QString& text, int start) const;

signals:
    void EditRefused(const QString& why);
    // The lines are now in the order of a sort by `column` (-1: none), by a
    // sort or by its undo or redo: the header's arrow follows.
    void SortShown(int column, Qt::SortOrder order);

private:
    static NumberFields::Field FieldOf(int column);
    QString Cell(int row, int column) const;
    void SetLine(int row, const std::string& line);
    void InsertLines(const std::vector<std::pair<int, std::string>>& rows); // ascending rows
    void RemoveLines(const std::vector<int>& rows);                         // ascending rows
    void ReplaceAll(Lines lines);

    struct Sort {
        int column = -1;
        Qt::SortOrder order = Qt::AscendingOrder;
    };
    void ShowSort(Sort sort);

    Lines lines_;
    Sort sort_; // the sort the lines are in, as the last sort step left them
    const TextCodec& codec_;
    QUndoStack undo_;
};

} // namespace mervadin
