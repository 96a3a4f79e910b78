#include "ui/edit_table_view.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

namespace mervadin {

bool EditTableView::AtEnd(bool next) const {
    const QModelIndex current = currentIndex();
    if (!model() || !current.isValid())
        return true;
    const int lastRow = model()->rowCount() - 1, lastColumn = model()->columnCount() - 1;
    return next ? current.row() >= lastRow && current.column() >= lastColumn
                : current.row() <= 0 && current.column() <= 0;
}

// The focus goes to the window's next (or previous) control, past the cells:
// the item view's own step would go to the next cell.
bool EditTableView::Leave(bool next) {
    return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
}

bool EditTableView::focusNextPrevChild(bool next) {
    if (AtEnd(next))
        return Leave(next);
    return QTableView::focusNextPrevChild(next);
}

void EditTableView::keyPressEvent(QKeyEvent* event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && event->modifiers().testFlag(Qt::ControlModifier)) {
        Leave(event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (currentIndex().isValid()) // the row, the cell staying current
            selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool EditTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A blank typed on a cell would open it with the blank in place of its
    // text; F2, any other character typed and a double click still edit.
    if (trigger == AnyKeyPressed && event && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
        return false;
    return QTableView::edit(index, trigger, event);
}

// Tab in an open cell stores it and opens the next one; in the last cell it
// stores it and leaves the table, as Tab does on a cell that is not open.
void EditTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool leave =
        (forward || hint == QAbstractItemDelegate::EditPreviousItem) && AtEnd(forward);
    QTableView::closeEditor(editor, leave ? QAbstractItemDelegate::NoHint : hint);
    if (leave)
        Leave(forward);
}

} // namespace mervadin
