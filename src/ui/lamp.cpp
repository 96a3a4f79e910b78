#include "ui/lamp.h"

#include <QPainter>

namespace mervadin {

Lamp::Lamp(QWidget* parent, const QColor& colour) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    SetColour(colour);
}

void Lamp::SetColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Lamp::SetCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void Lamp::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(colour_.lightness() < 120 ? Qt::white : Qt::black);
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

} // namespace mervadin
