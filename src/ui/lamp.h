#pragma once
// A coloured rectangle that shows a state: the USB lamp, the monitor lamp
// and the signal bars. A lamp may carry a caption that says what it shows,
// written across it in a colour that stands out from the lamp's.

#include "ui/colours.h"

#include <QColor>
#include <QFrame>

namespace mervadin {

class Lamp : public QFrame {
    Q_OBJECT
public:
    explicit Lamp(QWidget* parent, const QColor& colour = colour::kSilver);

    void SetColour(const QColor& colour);
    // A short text drawn on the lamp, also its name for screen readers.
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    QString caption_;
};

} // namespace mervadin
