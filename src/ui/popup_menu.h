#pragma once
// Popup menus built from their entries, each with the command it runs, and
// attached to the widget whose right click opens them.

#include <QMenu>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace mervadin {

using MenuEntries = std::vector<std::pair<QString, std::function<void()>>>;

// A menu named `name` (its object name) holding `entries` in order.
QMenu* BuildPopupMenu(QWidget* owner, const char* name, const MenuEntries& entries);

// Opens `menu` where `widget` is right-clicked.
void AttachPopupMenu(QWidget* widget, QMenu* menu);

} // namespace mervadin
