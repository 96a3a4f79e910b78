#include "ui/popup_menu.h"

#include <QAbstractScrollArea>
#include <QEvent>

#include <algorithm>

namespace mervadin {

namespace {

// Keeps an entry enabled exactly while its control is.
class EnabledFollower : public QObject {
public:
    EnabledFollower(QAction* action, QWidget* control) : QObject(action), action_(action) {
        control->installEventFilter(this);
        action->setEnabled(control->isEnabled());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            action_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return false;
    }

private:
    QAction* action_;
};

// Where a menu opens over `widget` for a request at `at` (in the
// coordinates the request came in): a scrolling view's requests are in its
// viewport's, and one from the keyboard may point at a cell scrolled out of
// view, or nowhere. The place is kept inside what shows of the widget.
QPoint MenuPlace(QWidget* widget, QPoint at) {
    QWidget* area = widget;
    if (auto* scroll = qobject_cast<QAbstractScrollArea*>(widget))
        area = scroll->viewport();
    const QRect shown = area->rect();
    if (!shown.contains(at))
        at = {std::clamp(at.x(), 0, std::max(0, shown.width() - 1)),
              std::clamp(at.y(), 0, std::max(0, shown.height() - 1))};
    return area->mapToGlobal(at);
}

} // namespace

QMenu* BuildPopupMenu(QWidget* owner, const char* name, const MenuEntries& entries) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(name);
    for (const auto& [caption, command] : entries)
        QObject::connect(menu->addAction(caption), &QAction::triggered, menu, command);
    return menu;
}

void AttachPopupMenu(QWidget* widget, QMenu* menu) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [widget, menu](const QPoint& at) { menu->popup(MenuPlace(widget, at)); });
}

QAction* AddCommand(QMenu& menu, const char* name, const QString& caption,
                    std::function<void()> command, QWidget* follows) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, &menu, std::move(command));
    if (follows)
        new EnabledFollower(action, follows);
    return action;
}

} // namespace mervadin
