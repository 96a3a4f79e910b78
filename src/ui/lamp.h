#pragma once
// A coloured rectangle that shows a state: the USB lamp, the monitor lamp
// and the signal bars.

#include "ui/colours.h"

#include <QColor>
#include <QFrame>

namespace mervadin {

class Lamp : public QFrame {
    Q_OBJECT
public:
    explicit Lamp(QWidget* parent, const QColor& colour = colour::kSilver);

    void SetColour(const QColor& colour);
};

} // namespace mervadin
