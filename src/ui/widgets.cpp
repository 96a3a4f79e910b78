#include "ui/widgets.h"

#include "qtcore/qt_paths.h"

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

std::filesystem::path DocumentsFolder() {
    return PathOf(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace mervadin
