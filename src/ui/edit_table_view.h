#pragma once
// A table whose cells are edited, as the keyboard finds it in a spreadsheet: Tab
// and Shift+Tab go from cell to cell, and past the last cell (or before the
// first) on to the window's other controls; Ctrl+Tab and Ctrl+Shift+Tab
// leave the table at once. Space selects the row: it never opens a cell
// with a blank typed over its text.

#include <QTableView>

namespace mervadin {

class EditTableView : public QTableView {
    Q_OBJECT
public:
    using QTableView::edit;
    using QTableView::QTableView;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Whether Tab (next) or Shift+Tab from the current cell leaves the table.
    bool AtEnd(bool next) const;
    bool Leave(bool next);
};

} // namespace mervadin
