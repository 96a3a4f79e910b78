#include "ui/widgets.h"

#include "qtcore/qt_paths.h"

#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

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

void PlaceBeside(QWidget& window, const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect taken = anchor.frameGeometry();
    // A window never shown nor resized is as large as its layout asks; its
    // frame adds to that, and one never shown has none to measure yet, so
    // a title bar's worth is allowed for.
    const QSize body = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize size = window.frameGeometry().size().expandedTo(body + QSize(0, 30));
    constexpr int kGap = 8;
    const auto within = [&](QPoint at) {
        return QPoint(
            std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())),
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    };
    const QPoint candidates[] = {
        within({taken.right() + kGap, taken.top()}),
        within({taken.left() - kGap - size.width(), taken.top()}),
        within({taken.left(), taken.bottom() + kGap}),
    };
    QPoint best = candidates[0];
    qint64 leastCovered = -1;
    for (const QPoint& at : candidates) {
        const QRect covered = QRect(at, size).intersected(taken);
        const qint64 area = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            leastCovered = area;
            best = at;
        }
    }
    window.move(best);
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
