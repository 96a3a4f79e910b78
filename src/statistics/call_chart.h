#pragma once
// The statistics window's stacked bar chart of calls per day, week or month
// by type, painted by itself: a title naming the period and its days, a
// legend, a count axis in round steps, as many period labels as fit whole,
// and a tooltip with the figures of the bar under the pointer. Where each
// part goes is the ChartLayout's, how it is drawn the ChartPainter's (the
// report draws it the same way); this widget gives it its size and font
// and answers the pointer. Nothing of it runs while the pointer rests.

#include "statistics/call_statistics.h"
#include "statistics/chart_layout.h"
#include "statistics/chart_painter.h"
#include "statistics/chart_periods.h"

#include <QStringList>
#include <QWidget>

#include <chrono>
#include <map>

class QLabel;

namespace mervadin {

class CallChart : public QWidget {
    Q_OBJECT
public:
    explicit CallChart(QWidget* parent);

    // The bars of `byDay` by `period`; "No calls in this range" for none.
    void Show(const std::map<std::chrono::year_month_day, CallCounts>& byDay, ChartPeriod period);

    // What is drawn at the present size: its layout, title and the label
    // text of each bar (shown or not). Open so that the fit of every part
    // can be checked without reading pixels.
    const ChartLayout& Layout() const { return painter_.Layout(); }
    const QString& Title() const { return painter_.Title(); }
    const QStringList& BarLabels() const { return painter_.BarLabels(); }
    // The figures of the bar at `point`, as its tooltip shows them; empty
    // where no bar is.
    QString TipAt(const QPointF& point) const { return painter_.TipAt(point); }
    // What the chart shows, to be drawn elsewhere (the report).
    const ChartPainter& Painter() const { return painter_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayOut();

    ChartPainter painter_;
    QLabel* noCalls_ = nullptr;
};

} // namespace mervadin
