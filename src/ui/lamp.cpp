#include "ui/lamp.h"

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

} // namespace mervadin
