#include "ui/widgets.h"

#include "qtcore/qt_paths.h"
#include "ui/designed.h"
#include "ui/window_frame.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace mervadin {

namespace {

// Enter or Return on a focused button presses it, as Space does. (The
// buttons are not "auto default", so that Enter in a text box never presses
// a button the operator did not choose.)
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        if (button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QSize design) {
    auto* button = new Designed<QPushButton>(design, caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->installEventFilter(new EnterPresses(button));
    return button;
}

namespace {

// The window's outer size: its frame once it has been on the screen, else
// its size with a frame's worth allowed for. A window never resized is as
// large as its layout asks.
QSize OuterSize(const QWidget& window) {
    const QSize body = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize framed = body + QSize(kFrameWidth, kFrameHeight);
    return window.windowHandle() ? window.frameGeometry().size().expandedTo(framed) : framed;
}

QPoint Within(const QRect& room, QPoint at, QSize size) {
    return {std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())),
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height()))};
}

} // namespace

QWidget* ScrollingArea(QWidget& window) {
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName("ClientScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto* area = new QWidget;
    area->setObjectName("ClientArea");
    area->setPalette(window.palette());
    area->setAutoFillBackground(window.autoFillBackground());
    scroll->setWidget(area);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return area;
}

QSize LaidOutSize(const QWidget& window, QSize design) {
    return design.expandedTo(window.sizeHint());
}

void FixSizeOnScreen(QWidget& window, QSize size) {
    const QScreen* screen = window.screen();
    window.setFixedSize(FittedClientSize(size, screen ? screen->availableGeometry() : QRect()));
}

void SizeOnScreen(QWidget& window, QSize size) {
    const QScreen* screen = window.screen();
    const QSize fitted = FittedClientSize(size, screen ? screen->availableGeometry() : QRect());
    window.resize(fitted.expandedTo(window.minimumSizeHint()));
}

void MoveOnScreen(QWidget& window, QPoint at) {
    const QScreen* screen = window.screen();
    window.move(screen ? Within(screen->availableGeometry(), at, OuterSize(window)) : at);
}

void PlaceBeside(QWidget& window, const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect taken = anchor.frameGeometry();
    const QSize size = OuterSize(window);
    constexpr int kGap = 8;
    const auto within = [&](QPoint at) { return Within(room, at, size); };
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
        auto folder = PathOf(QStandardPaths::writableLocation(location));
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_directory(folder, error))
            return folder;
    }
    return {};
}

} // namespace mervadin
