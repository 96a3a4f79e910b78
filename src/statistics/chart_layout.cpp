#include "statistics/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace mervadin {

namespace {

// Proportions of a line of text, so that the chart grows with its font (a
// larger font, a higher scaling) rather than with fixed pixels.
constexpr double kPadLines = 0.5;       // around the whole chart
constexpr double kTitleGapLines = 0.4;  // between the title and the legend
constexpr double kSwatchLines = 0.7;    // a legend square's side
constexpr double kSwatchGapLines = 0.3; // between a square and its name
constexpr double kEntryGapLines = 1.0;  // between legend entries
constexpr double kTickLines = 0.3;      // a tick mark's length
constexpr double kAxisGapLines = 0.4;   // between a count and the axis
constexpr double kTickSpaceLines = 1.4; // the least room between two counts
constexpr double kLabelGapLines = 0.5;  // the least room between two labels
constexpr double kBarShare = 0.7;       // of its slot a bar fills, where slots are wide
constexpr double kWidestBarLines = 4;   // a bar of a few is no wider than this
constexpr double kNarrowestGap = 4;     // pixels: narrower slots are filled whole

} // namespace

ChartLayout::ChartLayout(const std::vector<ChartBar>& bars, double width, double height,
                         const ChartTextSizes& sizes)
    : width_(std::max(1.0, width)), height_(std::max(1.0, height)) {
    if (bars.empty())
        return;
    const double line = sizes.lineHeight;
    pad_ = std::max(2.0, line * kPadLines);

    const double room = width_ - 2 * pad_;
    titleLines_ = sizes.titleWidth <= room || sizes.titleBrokenWidth <= 0 ? 1 : 2;
    const double titleWidth =
        std::min(titleLines_ == 1 ? sizes.titleWidth : sizes.titleBrokenWidth, room);
    title_ = {(width_ - titleWidth) / 2, pad_, std::max(0.0, titleWidth), line * titleLines_};
    const double legendBottom = LayOutLegend(title_.Bottom() + line * kTitleGapLines, sizes);

    // The top count's label reaches half a line above the plot; the period
    // labels hang below it, after the tick marks.
    plot_.top = legendBottom + line;
    const double plotBottom = height_ - pad_ - line - line * kTickLines;
    plot_.height = std::max(1.0, plotBottom - plot_.top);

    std::uint64_t highest = 0;
    for (const auto& bar : bars)
        highest = std::max(highest, bar.counts.Total());
    LayOutCountAxis(highest, sizes);
    LayOutColumns(bars, line);
    LayOutLabels(sizes);
}

// The legend's entries in rows as wide as the chart, each row centred.
double ChartLayout::LayOutLegend(double top, const ChartTextSizes& sizes) {
    const double line = sizes.lineHeight;
    const double swatch = line * kSwatchLines;
    const double room = width_ - 2 * pad_;
    const auto entryWidth = [&](std::size_t type) {
        return swatch + line * kSwatchGapLines + sizes.legendWidths[type];
    };
    std::size_t first = 0;
    double rowTop = top;
    while (first < kCallTypes) {
        std::size_t end = first + 1; // one entry at least, however narrow the chart
        double rowWidth = entryWidth(first);
        while (end < kCallTypes && rowWidth + line * kEntryGapLines + entryWidth(end) <= room)
            rowWidth += line * kEntryGapLines + entryWidth(end++);
        double x = pad_ + std::max(0.0, (room - rowWidth) / 2);
        for (std::size_t type = first; type < end; ++type) {
            auto& entry = legend_[type];
            entry.swatch = {x, rowTop + (line - swatch) / 2, swatch, swatch};
            entry.text = {x + swatch + line * kSwatchGapLines, rowTop, sizes.legendWidths[type],
                          line};
            x = entry.text.Right() + line * kEntryGapLines;
        }
        rowTop += line;
        first = end;
    }
    return rowTop;
}

// As many round steps as leave each count a line and a half of room; the
// plot starts right of the widest count.
void ChartLayout::LayOutCountAxis(std::uint64_t highest, const ChartTextSizes& sizes) {
    const double line = sizes.lineHeight;
    const auto fitting = static_cast<std::uint64_t>(
        std::max(1.0, std::floor(plot_.height / (line * kTickSpaceLines))));
    axis_ = CountAxisFor(highest, std::min(kMostCountSteps, fitting));
    const double labelWidth =
        static_cast<double>(std::to_string(axis_.top).size()) * sizes.digitWidth;
    plot_.left = pad_ + labelWidth + line * kAxisGapLines;
    plot_.width = std::max(1.0, width_ - pad_ - plot_.left);
    for (std::uint64_t value = 0; value <= axis_.top; value += axis_.step) {
        const double y = plot_.Bottom() -
                         static_cast<double>(value) / static_cast<double>(axis_.top) * plot_.height;
        ticks_.push_back({value, y, {pad_, y - line / 2, labelWidth, line}});
    }
}

// A slot per bar across the plot, the bar in its middle; each type's
// segment as high as its count on the axis, stacked in the types' order.
void ChartLayout::LayOutColumns(const std::vector<ChartBar>& bars, double line) {
    const double slot = plot_.width / static_cast<double>(bars.size());
    const double barWidth =
        slot >= kNarrowestGap ? std::min(slot * kBarShare, line * kWidestBarLines) : slot;
    const double perCall = plot_.height / static_cast<double>(axis_.top);
    columns_.reserve(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        ChartColumn column;
        column.slot = {plot_.left + static_cast<double>(i) * slot, plot_.top, slot, plot_.height};
        const double left = column.slot.left + (slot - barWidth) / 2;
        std::uint64_t below = 0;
        for (std::size_t type = 0; type < kCallTypes; ++type) {
            const std::uint64_t above = below + bars[i].counts.calls[type];
            const double top = plot_.Bottom() - static_cast<double>(above) * perCall;
            column.segments[type] = {left, top, barWidth,
                                     static_cast<double>(above - below) * perCall};
            below = above;
        }
        const double top = plot_.Bottom() - static_cast<double>(below) * perCall;
        column.bar = {left, top, barWidth, plot_.Bottom() - top};
        columns_.push_back(column);
    }
}

// The first bar is always labelled; then every stride-th one, the stride
// the least that keeps each label whole and clear of the next. A last label
// pushed off the chart's right edge into its neighbour is left out rather
// than thinning them all.
void ChartLayout::LayOutLabels(const ChartTextSizes& sizes) {
    const double gap = sizes.lineHeight * kLabelGapLines;
    const auto clear = [gap](const std::vector<ChartLabel>& labels) {
        return std::adjacent_find(labels.begin(), labels.end(), [&](const auto& a, const auto& b) {
                   return b.box.left < a.box.Right() + gap;
               }) == labels.end();
    };
    for (stride_ = 1; stride_ < columns_.size(); ++stride_) {
        labels_ = LabelsEvery(stride_, sizes);
        if (clear(labels_))
            return;
        labels_.pop_back();
        if (labels_.size() > 1 && clear(labels_))
            return;
    }
    labels_ = LabelsEvery(stride_, sizes); // the first alone
}

std::vector<ChartLabel> ChartLayout::LabelsEvery(std::size_t stride,
                                                 const ChartTextSizes& sizes) const {
    std::vector<ChartLabel> labels;
    const double top = plot_.Bottom() + sizes.lineHeight * kTickLines;
    for (std::size_t bar = 0; bar < columns_.size(); bar += stride) {
        const double width =
            std::min(bar < sizes.labelWidths.size() ? sizes.labelWidths[bar] : 0.0, width_);
        const auto& slot = columns_[bar].slot;
        // Centred under its bar, but never past the chart's edges.
        const double left = std::clamp(slot.left + slot.width / 2 - width / 2, 0.0, width_ - width);
        labels.push_back({bar, {left, top, width, sizes.lineHeight}});
    }
    return labels;
}

std::optional<std::size_t> ChartLayout::BarAt(double x, double y) const {
    if (Empty() || !plot_.Holds(x, y))
        return std::nullopt;
    const auto at = static_cast<std::size_t>((x - plot_.left) / columns_.front().slot.width);
    return std::min(at, columns_.size() - 1);
}

} // namespace mervadin
