#pragma once
// The colours the windows are painted in, and how they are applied: through
// the palette, with the background filled, so that they hold whatever the
// platform style is.

#include <QColor>
#include <QWidget>

namespace mervadin {

namespace colour {
inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kGreen{0x00, 0xFF, 0x00};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kTeal{0x00, 0x80, 0x80};
inline const QColor kSkyBlue{0xA6, 0xCA, 0xF0};
// The gradient colour of an active caption, as the main window shows it.
inline const QColor kActiveCaptionGradient{0xB9, 0xD1, 0xEA};
} // namespace colour

// A window's or label's background.
inline void PaintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The text area of a memo or edit box.
inline void PaintTextArea(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

} // namespace mervadin
