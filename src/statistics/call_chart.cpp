#include "statistics/call_chart.h"

#include "common/ui_text.h"
#include "qtcore/translation.h"
#include "records/call_record.h"
#include "statistics/day_field.h"

#include <QColor>
#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace mervadin {

namespace {

QRectF Rect(const ChartBox& box) {
    return {box.left, box.top, box.width, box.height};
}

} // namespace

CallChart::CallChart(QWidget* parent) : QWidget(parent) {
    setObjectName("CallsPerDayChart");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    noCalls_ = new QLabel(tr("No calls in this range"), this);
    noCalls_->setObjectName("NoCalls");
    noCalls_->setAlignment(Qt::AlignCenter);
    noCalls_->hide();
}

void CallChart::Show(const std::map<std::chrono::year_month_day, CallCounts>& byDay,
                     ChartPeriod period) {
    painter_.Show(byDay, period);
    noCalls_->setVisible(painter_.Empty());
    LayOut();
    update();
}

void CallChart::LayOut() {
    painter_.LayOut(font(), this, size());
}

QSize CallChart::minimumSizeHint() const {
    const QFontMetrics metrics(font(), this);
    return {metrics.height() * 24, metrics.height() * 10};
}

QSize CallChart::sizeHint() const {
    const QFontMetrics metrics(font(), this);
    return {metrics.height() * 50, metrics.height() * 20};
}

// Qt sends the tooltip event once the pointer has rested; the tip goes as
// soon as the pointer leaves the bar's slot. No timer of ours, no tracking
// of the pointer's moves.
bool CallChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto at = Layout().BarAt(help->pos().x(), help->pos().y());
    if (!at) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), TipAt(help->pos()), this,
                       Rect(Layout().Columns()[*at].slot).toAlignedRect());
    return true;
}

void CallChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    noCalls_->setGeometry(rect());
    LayOut();
}

void CallChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        LayOut();
}

void CallChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter_.Paint(painter, font(), palette().color(QPalette::Text));
}

} // namespace mervadin
