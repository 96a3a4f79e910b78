#include "ui/popup_menu.h"

namespace mervadin {

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
                     [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}

} // namespace mervadin
