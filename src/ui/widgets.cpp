#include "ui/widgets.h"

#include "qtcore/qt_paths.h"

#include <QDialog>
#include <QPushButton>
#include <QStandardPaths>

namespace mervadin {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!place.isNull())
        button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

int RunToolWindow(QDialog& window) {
    window.setWindowModality(Qt::WindowModal);
    return window.exec();
}

std::filesystem::path DocumentsFolder() {
    for (const auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const auto folder = PathOf(QStandardPaths::writableLocation(location));
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_directory(folder, error))
            return folder;
    }
    return {};
}

} // namespace mervadin
