#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace mervadin {

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0); // drawn on the SVG's 256 x 256 grid
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x5F, 0xA8));
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // The handset: a thick arc with an ear and a mouth piece.
    QPen handset(QColor(0xFF, 0xFF, 0xFF), 30, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(handset);
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(70, 96);
    arc.cubicTo(70, 150, 106, 186, 160, 186);
    painter.drawPath(arc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
    painter.drawRoundedRect(QRectF(48, 64, 48, 40), 12, 12);
    painter.drawRoundedRect(QRectF(152, 160, 40, 48), 12, 12);

    // Three waves going out.
    painter.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 3; ++wave) {
        painter.setPen(QPen(QColor(0x9C, 0xD8, 0xFF), 12, Qt::SolidLine, Qt::RoundCap));
        const double r = 36 + 26 * wave;
        painter.drawArc(QRectF(150 - r, 106 - r, 2 * r, 2 * r), 0 * 16, 90 * 16);
    }
    return image;
}

} // namespace mervadin
