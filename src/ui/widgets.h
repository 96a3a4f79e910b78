#pragma once
// Small pieces the windows build themselves from.

#include <QRect>
#include <QString>

#include <filesystem>

class QPushButton;
class QWidget;

namespace mervadin {

// A button with its object name at a fixed place; Enter does not press it.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place);

// Where the file dialogs start: the user's documents folder.
std::filesystem::path DocumentsFolder();

} // namespace mervadin
