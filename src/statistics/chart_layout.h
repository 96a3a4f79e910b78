#pragma once
// Where each part of the statistics chart goes, in the widget's logical
// pixels: the title, the legend, the count axis and its ticks, a stacked bar
// per period, and which period labels are shown (as many as fit whole
// without touching one another). Texts come in only as the painter measured
// them, so the same layout serves every system, scaling and language.

#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace mervadin {

struct ChartBox {
    double left = 0, top = 0, width = 0, height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool Holds(double x, double y) const {
        return x >= left && x < Right() && y >= top && y < Bottom();
    }
    // Whether the two share more than an edge: how the layout's checks see
    // that nothing is drawn over anything else.
    bool Overlaps(const ChartBox& other) const {
        return left < other.Right() && other.left < Right() && top < other.Bottom() &&
               other.top < Bottom();
    }
};

// The texts' sizes in the painter's font.
struct ChartTextSizes {
    double lineHeight = 14;
    double digitWidth = 7;       // of the widest digit: the count labels are digits
    double titleWidth = 0;       // on one line
    double titleBrokenWidth = 0; // of the wider of its two lines, broken before its days
    std::array<double, kCallTypes> legendWidths{}; // each type's name
    std::vector<double> labelWidths;               // each bar's label, in the bars' order
};

struct ChartLegendEntry {
    ChartBox swatch; // the square in the type's colour
    ChartBox text;
};

struct ChartTick {
    std::uint64_t value = 0;
    double y = 0;   // where its grid line runs
    ChartBox label; // its number, right-aligned beside the axis
};

struct ChartColumn {
    ChartBox slot; // the bar's share of the plot, top to bottom: what the pointer hits
    ChartBox bar;  // the whole stacked bar
    std::array<ChartBox, kCallTypes> segments; // each type's part, stacked from the axis up
};

struct ChartLabel {
    std::size_t bar = 0;
    ChartBox box;
};

class ChartLayout {
public:
    // A layout of no bars is empty: the chart then says that the range
    // holds no calls.
    ChartLayout() = default;
    ChartLayout(const std::vector<ChartBar>& bars, double width, double height,
                const ChartTextSizes& sizes);

    bool Empty() const { return columns_.empty(); }
    const ChartBox& Title() const { return title_; }
    // 1, or 2 where the title is wider than the chart: broken before its days.
    int TitleLines() const { return titleLines_; }
    const std::array<ChartLegendEntry, kCallTypes>& Legend() const { return legend_; }
    const ChartBox& Plot() const { return plot_; }
    // The count scale behind the ticks and bars (the painter needs only
    // those): open for the checks that it steps roundly.
    const CountAxis& Axis() const { return axis_; }
    const std::vector<ChartTick>& Ticks() const { return ticks_; }
    const std::vector<ChartColumn>& Columns() const { return columns_; }
    const std::vector<ChartLabel>& Labels() const { return labels_; }
    // Every how many bars a label is shown (1: each one); the labels show
    // it, this says it for the checks of even thinning.
    std::size_t LabelStride() const { return stride_; }

    // The bar whose slot holds the point, or nothing.
    std::optional<std::size_t> BarAt(double x, double y) const;

private:
    double LayOutLegend(double top, const ChartTextSizes& sizes);
    void LayOutCountAxis(std::uint64_t highest, const ChartTextSizes& sizes);
    void LayOutColumns(const std::vector<ChartBar>& bars, double line);
    void LayOutLabels(const ChartTextSizes& sizes);
    std::vector<ChartLabel> LabelsEvery(std::size_t stride, const ChartTextSizes& sizes) const;

    double width_ = 0, height_ = 0, pad_ = 0;
    ChartBox title_;
    int titleLines_ = 1;
    std::array<ChartLegendEntry, kCallTypes> legend_{};
    ChartBox plot_;
    CountAxis axis_;
    std::vector<ChartTick> ticks_;
    std::vector<ChartColumn> columns_;
    std::vector<ChartLabel> labels_;
    std::size_t stride_ = 1;
};

} // namespace mervadin
