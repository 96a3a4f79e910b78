#pragma once
// The statistics chart's drawing, wherever it is drawn: the window's chart
// widget and the report's page. It holds the bars of calls per day, week or
// month, their title and labels; lays them out at a size for a font as a
// paint device measures it (ChartLayout places every part); and paints them
// onto any painter. Qt GUI only, so that the command line's report draws
// the same chart as the window.

#include "statistics/call_statistics.h"
#include "statistics/chart_layout.h"
#include "statistics/chart_periods.h"

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QStringList>

#include <chrono>
#include <map>
#include <vector>

class QPaintDevice;
class QPainter;

namespace mervadin {

class ChartPainter {
public:
    // The bars of `byDay` by `period`, and the title naming their days.
    void Show(const std::map<std::chrono::year_month_day, CallCounts>& byDay, ChartPeriod period);
    // Places the parts at `size` for `font` as measured on `device`.
    void LayOut(const QFont& font, QPaintDevice* device, QSizeF size);
    // Paints what was laid out, texts and lines in `ink`.
    void Paint(QPainter& painter, const QFont& font, const QColor& ink) const;

    bool Empty() const { return bars_.empty(); }
    const std::vector<ChartBar>& Bars() const { return bars_; }
    ChartPeriod Period() const { return period_; }
    const ChartLayout& Layout() const { return layout_; }
    const QString& Title() const { return title_; }
    const QStringList& BarLabels() const { return labels_; }
    // The figures of the bar at `point`; empty where no bar is.
    QString TipAt(const QPointF& point) const;

    // A call type's name (marked for translation) and colour.
    static const char* TypeName(std::size_t type);
    static QColor TypeColour(std::size_t type);

private:
    void PaintLegend(QPainter& painter) const;
    void PaintAxes(QPainter& painter, const QColor& ink) const;
    void PaintBars(QPainter& painter) const;
    void PaintLabels(QPainter& painter) const;

    std::vector<ChartBar> bars_;
    ChartPeriod period_ = ChartPeriod::Day;
    QString title_;
    QStringList titleLines_; // the title broken before its days
    QStringList labels_;
    ChartLayout layout_;
};

} // namespace mervadin
