#include "statistics/statistics_report.h"

#include "common/ui_text.h"
#include "files/file_batch.h"
#include "qtcore/translation.h"
#include "records/call_record.h"
#include "statistics/chart_painter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace mervadin {

namespace {

// The texts of this file's free functions, in their own translation context.
constexpr const char* kTrContext = "mervadin::StatisticsReport";
QString tr(const char* text) {
    return QCoreApplication::translate(kTrContext, text);
}

constexpr int kDotsPerInch = 300;
constexpr double kMarginMm = 15;
constexpr double kBodyPoints = 9;
constexpr double kTitlePoints = 16;
constexpr double kSectionPoints = 11;
// A table too wide for the page is set no smaller than this.
constexpr double kSmallestPoints = 6;
// The chart takes at most this share of the page's height.
constexpr double kChartShare = 0.4;

QString DayOf(std::chrono::year_month_day day) {
    return QString::fromStdString(DayText(day));
}

QFont Sized(double points, bool bold = false) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays the report out page by page onto a PDF painter, top to bottom.
class ReportPages {
public:
    ReportPages(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter),
          page_(writer.pageLayout().paintRectPixels(kDotsPerInch)) {
        page_.moveTo(0, 0);
    }

    int Pages() const { return pages_; }
    double Left() const { return page_.height() - y_; }

    // Text wrapped to the page's width.
    void Text(const QString& text, const QFont& font, const QColor& ink = Qt::black) {
        if (text.isEmpty())
            return;
        painter_.setFont(font);
        painter_.setPen(ink);
        const QRectF box(0, y_, page_.width(), page_.height() - y_);
        QRectF used;
        painter_.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
        y_ += used.height() + Line(font) * 0.3;
    }

    double TextHeight(const QString& text, const QFont& font) const {
        const QFontMetricsF metrics(font, &writer_);
        return metrics
                   .boundingRect(QRectF(0, 0, page_.width(), 1e6), Qt::TextWordWrap | Qt::AlignLeft,
                                 text)
                   .height() +
               metrics.height() * 0.3;
    }

    void Chart(const StatisticsReport& report, double height) {
        ChartPainter chart;
        chart.Show(report.byDay, report.period);
        if (chart.Empty()) {
            Text(tr("No calls in this range"), Sized(kBodyPoints));
            return;
        }
        const QFont font = Sized(kBodyPoints - 1);
        chart.LayOut(font, &writer_, QSizeF(page_.width(), height));
        painter_.save();
        painter_.translate(0, y_);
        chart.Paint(painter_, font, Qt::black);
        painter_.restore();
        y_ += height + Line(font);
    }

    // The table's rows from `first` on that fit on this page (below its
    // header); how many.
    std::size_t TableRows(const ReportTable& table, std::size_t first, std::size_t atMost) {
        const double points = TablePoints(table);
        const auto widths = ColumnWidths(table, points);
        const double row = RowHeight();
        Header(table, widths, points);
        std::size_t shown = 0;
        while (first + shown < table.rows.size() && shown < atMost && y_ + row <= page_.height()) {
            Cells(table.rows[first + shown], widths, points, row);
            ++shown;
        }
        y_ += row * 0.5;
        return shown;
    }

    double RowHeight() const { return Line(Sized(kBodyPoints)) * 1.35; }
    // A header's height: its titles broken between words where a column is
    // narrower than a title.
    double HeaderHeight(const ReportTable& table) const {
        const double points = TablePoints(table);
        const auto widths = ColumnWidths(table, points);
        const QFontMetricsF bold(Sized(points, true), &writer_);
        double lines = 1;
        for (std::size_t c = 0; c < widths.size() && c < std::size_t(table.header.size()); ++c)
            lines = std::max(
                lines, std::round(bold.boundingRect(QRectF(0, 0, widths[c] - 2 * Pad(points), 1e6),
                                                    Qt::TextWordWrap, table.header[qsizetype(c)])
                                      .height() /
                                  bold.height()));
        return bold.height() * lines + RowHeight() - Line(Sized(kBodyPoints));
    }

    void NewPage() {
        writer_.newPage();
        ++pages_;
        y_ = 0;
    }

private:
    double Line(const QFont& font) const { return QFontMetricsF(font, &writer_).height(); }
    double Pad(double points) const {
        return QFontMetricsF(Sized(points), &writer_).averageCharWidth() * 0.8;
    }

    // The body's size, or one as much smaller as a table too wide for the
    // page needs to fit it.
    double TablePoints(const ReportTable& table) const {
        double points = kBodyPoints;
        const double wide = Total(ColumnWidths(table, points));
        if (wide > page_.width())
            points = std::max(kSmallestPoints, points * page_.width() / wide * 0.97);
        return points;
    }

    static double Total(const std::vector<double>& widths) {
        return std::accumulate(widths.begin(), widths.end(), 0.0);
    }

    // Each column as wide as its widest cell and its title, or as its
    // title's longest word where the titles whole are wider than the page;
    // all of them cut to the page by the same share where even that is.
    std::vector<double> ColumnWidths(const ReportTable& table, double points) const {
        const QFontMetricsF metrics(Sized(points), &writer_);
        const QFontMetricsF bold(Sized(points, true), &writer_);
        std::vector<double> cells(std::size_t(table.header.size()), 0), whole = cells,
                                                                        words = cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const QString& title = table.header[qsizetype(c)];
            whole[c] = bold.horizontalAdvance(title);
            for (const auto& word : title.split(' ', Qt::SkipEmptyParts))
                words[c] = std::max(words[c], bold.horizontalAdvance(word));
        }
        for (const auto& row : table.rows)
            for (std::size_t c = 0; c < cells.size() && c < std::size_t(row.size()); ++c)
                cells[c] = std::max(cells[c], metrics.horizontalAdvance(row[qsizetype(c)]));
        std::vector<double> widths(cells.size());
        const auto fill = [&](const std::vector<double>& titles) {
            double total = 0;
            for (std::size_t c = 0; c < cells.size(); ++c)
                total += widths[c] = std::max(cells[c], titles[c]) + 2 * Pad(points);
            return total;
        };
        if (fill(whole) <= page_.width())
            return widths;
        const double total = fill(words);
        if (total > page_.width())
            for (auto& width : widths)
                width *= page_.width() / total;
        return widths;
    }

    void Header(const ReportTable& table, const std::vector<double>& widths, double points) {
        const QStringList& titles = table.header;
        const double height = HeaderHeight(table);
        painter_.fillRect(QRectF(0, y_, Total(widths), height), QColor(0xE8, 0xE8, 0xE8));
        painter_.setFont(Sized(points, true));
        painter_.setPen(Qt::black);
        double x = 0;
        for (std::size_t c = 0; c < widths.size() && c < std::size_t(titles.size()); ++c) {
            const auto align = (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
            painter_.drawText(QRectF(x + Pad(points), y_, widths[c] - 2 * Pad(points), height),
                              align | Qt::TextWordWrap, titles[qsizetype(c)]);
            x += widths[c];
        }
        y_ += height;
    }

    void Cells(const QStringList& cells, const std::vector<double>& widths, double points,
               double height) {
        const QFont font = Sized(points);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, &writer_);
        const double width = Total(widths);
        painter_.setPen(QColor(0xC0, 0xC0, 0xC0));
        painter_.drawLine(QPointF(0, y_ + height), QPointF(width, y_ + height));
        painter_.setPen(Qt::black);
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString text = c < std::size_t(cells.size()) ? cells[qsizetype(c)] : QString();
            // Figures to the right, the first column's names to the left.
            const auto align = (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
            const double room = widths[c] - 2 * Pad(points);
            // Elided only where it is wider than its column (a table cut to
            // the page), measured as the widths were.
            painter_.drawText(QRectF(x + Pad(points), y_, room, height), align | Qt::TextDontClip,
                              metrics.horizontalAdvance(text) <= room + 1
                                  ? text
                                  : metrics.elidedText(text, Qt::ElideRight, room));
            x += widths[c];
        }
        y_ += height;
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    QRectF page_;
    double y_ = 0;
    int pages_ = 1;
};

// How high the list's section is: its title, its lines, its table.
double SectionHeight(const ReportPages& pages, const ReportTable& table) {
    double height = pages.TextHeight(table.title, Sized(kSectionPoints, true));
    for (const auto& line : table.lines)
        height += pages.TextHeight(line, Sized(kBodyPoints));
    return height + pages.HeaderHeight(table) +
           pages.RowHeight() * (static_cast<double>(table.rows.size()) + 0.5);
}

void Section(ReportPages& pages, const ReportTable& table) {
    pages.Text(table.title, Sized(kSectionPoints, true));
    for (const auto& line : table.lines)
        pages.Text(line, Sized(kBodyPoints));
    if (!table.header.isEmpty())
        pages.TableRows(table, 0, table.rows.size());
}

} // namespace

QString TotalsLine(const CallCounts& counts) {
    const auto cells = StatisticsCells("", counts);
    const auto header = StatisticsHeader("");
    QStringList parts;
    for (std::size_t i = 1; i < cells.size(); ++i)
        parts << UiMarked(header[i].c_str()) + ": " +
                     QString::fromStdString(cells[i].empty() ? "-" : cells[i]);
    return parts.join("   ");
}

StatisticsReport ReportOf(const CallStatistics& statistics, const DayRange& range,
                          ChartPeriod period) {
    StatisticsReport report;
    report.title = tr("Call statistics");
    const auto& days = statistics.byDay;
    if (range.from && range.to)
        //: %1 and %2 are days, as 2026-12-08.
        report.range = tr("Days %1 to %2").arg(DayOf(*range.from), DayOf(*range.to));
    else if (!days.empty())
        report.range =
            //: %1 and %2 are the first and the last day with calls.
            tr("All days: %1 to %2").arg(DayOf(days.begin()->first), DayOf(days.rbegin()->first));
    else
        report.range = tr("All days");
    report.totals = TotalsLine(statistics.total);
    if (statistics.unread > 0)
        report.unread = tr("\n%1 line(s) could not be read and are not counted")
                            .arg(statistics.unread)
                            .trimmed();
    report.byDay = days;
    report.period = period;
    report.groups.title = tr("Calls per group");
    for (const auto& title : StatisticsHeader(UI_TEXT("Group")))
        report.groups.header << UiMarked(title.c_str());
    const auto row = [](const std::vector<std::string>& cells) {
        QStringList shown;
        for (const auto& cell : cells)
            shown << QString::fromStdString(cell);
        return shown;
    };
    for (const auto& [group, counts] : statistics.byGroup)
        report.groups.rows.push_back(row(StatisticsCells(group, counts)));
    report.groups.rows.push_back(row(StatisticsCells(tr("All").toStdString(), statistics.total)));
    //: %1 is the date and time, %2 the version of Mervadin.
    report.made = tr("Made %1 by Mervadin %2")
                      .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm"),
                           QString(MERVADIN_VERSION));
    return report;
}

int WriteReport(const std::filesystem::path& file, const StatisticsReport& report) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    int pageCount = 0;
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(kDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(report.title);
        writer.setCreator("Mervadin");
        QPainter painter(&writer);
        ReportPages pages(writer, painter);
        pages.Text(report.title, Sized(kTitlePoints, true));
        pages.Text(report.range, Sized(kSectionPoints));
        pages.Text(report.made, Sized(kBodyPoints - 1), QColor(0x60, 0x60, 0x60));
        pages.Text(report.totals, Sized(kBodyPoints));
        pages.Text(report.unread, Sized(kBodyPoints));
        const double page = writer.pageLayout().paintRectPixels(kDotsPerInch).height();
        pages.Chart(report, std::min(pages.Left() * 0.6, page * kChartShare));
        // The table per group on what is left of the first page and on the
        // second, which keeps room for the list's section at its foot.
        const ReportTable& groups = report.groups;
        pages.Text(groups.title, Sized(kSectionPoints, true));
        std::size_t shown = pages.TableRows(groups, 0, groups.rows.size());
        const double listHeight = report.list ? SectionHeight(pages, *report.list) : 0;
        if (shown < groups.rows.size() || listHeight > pages.Left()) {
            pages.NewPage();
            const double room = pages.Left() - listHeight - pages.RowHeight() * 2.5;
            const auto fit = static_cast<std::size_t>(std::max(0.0, room / pages.RowHeight()));
            const std::size_t left = groups.rows.size() - shown;
            if (left > 0) {
                const std::size_t take = left <= fit ? left : (fit > 0 ? fit - 1 : 0);
                shown += pages.TableRows(groups, shown, take);
                if (shown < groups.rows.size())
                    pages.Text(
                        //: %1 is the count of groups left out of the table.
                        tr("… and %1 more groups, not shown here").arg(groups.rows.size() - shown),
                        Sized(kBodyPoints));
            }
        }
        if (report.list)
            Section(pages, *report.list);
        pageCount = pages.Pages();
        if (!painter.end())
            throw FileError(file, "the report could not be drawn");
    }
    WriteFileAtomically(file, std::string_view(bytes.data().constData(),
                                               static_cast<std::size_t>(bytes.data().size())));
    return pageCount;
}

} // namespace mervadin
