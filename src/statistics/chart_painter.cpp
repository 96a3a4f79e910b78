#include "statistics/chart_painter.h"

#include "common/ui_text.h"
#include "qtcore/translation.h"
#include "records/call_record.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace mervadin {

namespace {

// The texts of this file's free functions, in their own translation context.
constexpr const char* kTrContext = "mervadin::ChartPainter";
QString tr(const char* text) {
    return QCoreApplication::translate(kTrContext, text);
}

constexpr const char* kTypeNames[kCallTypes] = {UI_TEXT("Succeeded"), UI_TEXT("Failed"),
                                                UI_TEXT("Answered"), UI_TEXT("Missed"),
                                                UI_TEXT("Manual")};
// Calls that went well in green and blue, those that did not in red and
// orange, calls by hand in grey: told apart in print and by most eyes.
const QColor kTypeColours[kCallTypes] = {QColor(0x2E, 0x9E, 0x44), QColor(0xD6, 0x45, 0x3D),
                                         QColor(0x32, 0x73, 0xC8), QColor(0xF0, 0x9A, 0x24),
                                         QColor(0x80, 0x80, 0x80)};
constexpr const char* kTitles[] = {UI_TEXT("Calls per day, %1"),
                                   UI_TEXT("Calls per week (from Monday), %1"),
                                   UI_TEXT("Calls per month, %1")};

QDate DateOf(std::chrono::year_month_day day) {
    return QDate(static_cast<int>(day.year()), static_cast<int>(unsigned(day.month())),
                 static_cast<int>(unsigned(day.day())));
}

// Short labels: "12-08" for a day or a week's Monday, "2026-12" for a
// month; the title names the whole span with its years.
QString BarLabel(std::chrono::year_month_day start, ChartPeriod period) {
    return DateOf(start).toString(period == ChartPeriod::Month ? "yyyy-MM" : "MM-dd");
}

// "2026-01-02".
QString DayOf(std::chrono::year_month_day day) {
    return QString::fromStdString(DayText(day));
}

QRectF Rect(const ChartBox& box) {
    return {box.left, box.top, box.width, box.height};
}

QFont BoldOf(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

const char* ChartPainter::TypeName(std::size_t type) {
    return kTypeNames[type];
}

QColor ChartPainter::TypeColour(std::size_t type) {
    return kTypeColours[type];
}

void ChartPainter::Show(const std::map<std::chrono::year_month_day, CallCounts>& byDay,
                        ChartPeriod period) {
    bars_ = ChartBars(byDay, period);
    period_ = period;
    labels_.clear();
    title_.clear();
    titleLines_.clear();
    if (bars_.empty())
        return;
    for (const auto& bar : bars_)
        labels_ << BarLabel(bar.start, period);
    // The days the figures come from, not the periods' edges: a range from
    // a Wednesday is not a week from Monday.
    const auto first = byDay.begin()->first, last = byDay.rbegin()->first;
    const QString days =
        //: %1 and %2 are days, as 2026-12-08.
        first == last ? DayOf(first) : tr("%1 to %2").arg(DayOf(first), DayOf(last));
    const QString format = UiMarked(kTitles[static_cast<int>(period)]);
    title_ = format.arg(days);
    titleLines_ = QStringList{format.left(format.indexOf("%1")).trimmed(), days};
}

void ChartPainter::LayOut(const QFont& font, QPaintDevice* device, QSizeF size) {
    const QFontMetricsF metrics(font, device);
    ChartTextSizes sizes;
    sizes.lineHeight = metrics.height();
    for (char digit = '0'; digit <= '9'; ++digit)
        sizes.digitWidth = std::max(sizes.digitWidth, metrics.horizontalAdvance(QChar(digit)));
    const QFontMetricsF bold(BoldOf(font), device);
    sizes.titleWidth = bold.horizontalAdvance(title_);
    for (const QString& line : titleLines_)
        sizes.titleBrokenWidth = std::max(sizes.titleBrokenWidth, bold.horizontalAdvance(line));
    for (std::size_t type = 0; type < kCallTypes; ++type)
        sizes.legendWidths[type] = metrics.horizontalAdvance(UiMarked(kTypeNames[type]));
    for (const QString& label : labels_)
        sizes.labelWidths.push_back(metrics.horizontalAdvance(label));
    layout_ = ChartLayout(bars_, size.width(), size.height(), sizes);
}

QString ChartPainter::TipAt(const QPointF& point) const {
    const auto at = layout_.BarAt(point.x(), point.y());
    if (!at)
        return {};
    const ChartBar& bar = bars_[*at];
    QStringList lines;
    switch (period_) {
    case ChartPeriod::Day:
        lines << DayOf(bar.start);
        break;
    case ChartPeriod::Week:
        //: %1 is the week's first day, as 2026-12-07.
        lines << tr("Week from %1").arg(DayOf(bar.start));
        break;
    case ChartPeriod::Month:
        lines << DateOf(bar.start).toString("yyyy-MM");
        break;
    }
    for (std::size_t type = 0; type < kCallTypes; ++type)
        lines << UiMarked(kTypeNames[type]) + ": " + QString::number(bar.counts.calls[type]);
    lines << tr("All") + ": " + QString::number(bar.counts.Total());
    return lines.join('\n');
}

void ChartPainter::Paint(QPainter& painter, const QFont& font, const QColor& ink) const {
    if (layout_.Empty())
        return;
    painter.save();
    painter.setPen(ink);
    painter.setFont(BoldOf(font));
    // On one line or two; elided only where the chart is narrower than
    // either of them.
    const QRectF title = Rect(layout_.Title());
    const QStringList lines = layout_.TitleLines() == 1 ? QStringList{title_} : titleLines_;
    const double line = title.height() / static_cast<double>(lines.size());
    const QFontMetricsF bold(painter.font(), painter.device());
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(
            QRectF(title.left(), title.top() + static_cast<double>(i) * line, title.width(), line),
            Qt::AlignCenter | Qt::TextDontClip,
            bold.elidedText(lines[i], Qt::ElideRight, title.width() + 1));
    painter.setFont(font);
    PaintLegend(painter);
    PaintAxes(painter, ink);
    PaintBars(painter);
    PaintLabels(painter);
    painter.restore();
}

void ChartPainter::PaintLegend(QPainter& painter) const {
    for (std::size_t type = 0; type < kCallTypes; ++type) {
        const auto& entry = layout_.Legend()[type];
        painter.fillRect(Rect(entry.swatch), kTypeColours[type]);
        painter.drawText(Rect(entry.text), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         UiMarked(kTypeNames[type]));
    }
}

// A light line at each count, its number beside the axis, the base line
// darker.
void ChartPainter::PaintAxes(QPainter& painter, const QColor& ink) const {
    const QRectF plot = Rect(layout_.Plot());
    QColor grid = ink;
    grid.setAlphaF(0.15);
    for (const auto& tick : layout_.Ticks()) {
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), tick.y), QPointF(plot.right(), tick.y));
        painter.setPen(ink);
        painter.drawText(Rect(tick.label), Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::number(tick.value));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void ChartPainter::PaintBars(QPainter& painter) const {
    for (const auto& column : layout_.Columns())
        for (std::size_t type = 0; type < kCallTypes; ++type)
            if (column.segments[type].height > 0)
                painter.fillRect(Rect(column.segments[type]), kTypeColours[type]);
}

// Each shown label under a tick mark at its bar's middle.
void ChartPainter::PaintLabels(QPainter& painter) const {
    const double base = layout_.Plot().Bottom();
    for (const auto& label : layout_.Labels()) {
        const auto& slot = layout_.Columns()[label.bar].slot;
        const double x = slot.left + slot.width / 2;
        painter.drawLine(QPointF(x, base), QPointF(x, label.box.top));
        painter.drawText(Rect(label.box), Qt::AlignCenter | Qt::TextDontClip,
                         labels_[static_cast<qsizetype>(label.bar)]);
    }
}

} // namespace mervadin
