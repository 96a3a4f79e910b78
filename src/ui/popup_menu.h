#pragma once
// Popup menus built from their entries, each with the command it runs, and
// attached to the widget whose right click (or the Menu key) opens them; and
// the entries of a window's menu bar.

#include <QMenu>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace mervadin {

using MenuEntries = std::vector<std::pair<QString, std::function<void()>>>;

// A menu named `name` (its object name) holding `entries` in order.
QMenu* BuildPopupMenu(QWidget* owner, const char* name, const MenuEntries& entries);

// Opens `menu` where `widget` is right-clicked; the Menu key (or
// Shift+F10) opens it over the widget's current place, inside the widget.
void AttachPopupMenu(QWidget* widget, QMenu* menu);

// Adds an entry that runs `command` to `menu`, named `name`. With
// `follows`, the entry can be chosen exactly when that control can be
// pressed (a button the window disables while it is busy).
QAction* AddCommand(QMenu& menu, const char* name, const QString& caption,
                    std::function<void()> command, QWidget* follows = nullptr);

} // namespace mervadin
