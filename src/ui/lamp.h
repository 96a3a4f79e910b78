#pragma once
// A coloured rectangle that shows a state: the USB lamp, the monitor lamp
// and the signal bars.

#include <QColor>
#include <QFrame>

namespace mervadin {

namespace colour {
inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kGreen{0x00, 0xFF, 0x00};
inline const QColor kRed{0xFF, 0x00, 0x00};
} // namespace colour

class Lamp : public QFrame {
    Q_OBJECT
public:
    explicit Lamp(QWidget* parent, const QColor& colour = colour::kSilver);

    void SetColour(const QColor& colour);
    QColor Colour() const { return colour_; }

private:
    QColor colour_;
};

} // namespace mervadin
