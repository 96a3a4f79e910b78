#include "statistics/chart_layout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace mervadin {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

// `count` bars, bar i holding `calls(i, type)` calls of each type.
template <typename Calls>
std::vector<ChartBar> Bars(std::size_t count, Calls calls) {
    std::vector<ChartBar> bars;
    const sys_days first{year(2026) / 1 / 1};
    for (std::size_t i = 0; i < count; ++i) {
        ChartBar bar{year_month_day(first + std::chrono::days(i)), {}};
        for (std::size_t type = 0; type < kCallTypes; ++type)
            bar.counts.calls[type] = calls(i, type);
        bars.push_back(bar);
    }
    return bars;
}

// Sizes as a font of `line` pixels gives them, each bar's label `label` wide.
ChartTextSizes Sizes(std::size_t bars, double label, double line = 16) {
    ChartTextSizes sizes;
    sizes.lineHeight = line;
    sizes.digitWidth = line / 2;
    sizes.titleWidth = line * 20;
    sizes.legendWidths = {line * 4, line * 3, line * 4.5, line * 3.5, line * 3.5};
    sizes.labelWidths.assign(bars, label);
    return sizes;
}

bool IsRoundStep(std::uint64_t step) {
    while (step % 10 == 0)
        step /= 10;
    return step == 1 || step == 2 || step == 5;
}

TEST(ChartLayout, BarsStandAsHighAsTheirCountsOnTheAxis) {
    const auto bars = Bars(31, [](std::size_t i, std::size_t type) {
        return (i * 7 + type * 3) % 11 + (i == 4 ? 40 : 0); // one tall day
    });
    for (const auto& [width, height] : {std::pair{720.0, 300.0}, {1600.0, 900.0}, {400.0, 170.0}}) {
        const ChartLayout layout(bars, width, height, Sizes(bars.size(), 36));
        ASSERT_EQ(layout.Columns().size(), bars.size());
        const auto& plot = layout.Plot();
        const double perCall = plot.height / static_cast<double>(layout.Axis().top);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const auto& column = layout.Columns()[i];
            double base = plot.Bottom();
            for (std::size_t type = 0; type < kCallTypes; ++type) {
                const auto& segment = column.segments[type];
                // Each type's part in proportion, stacked without gaps.
                EXPECT_NEAR(segment.height,
                            static_cast<double>(bars[i].counts.calls[type]) * perCall, 1e-9);
                EXPECT_NEAR(segment.Bottom(), base, 1e-9);
                EXPECT_DOUBLE_EQ(segment.left, column.bar.left);
                base = segment.top;
            }
            EXPECT_NEAR(column.bar.height, static_cast<double>(bars[i].counts.Total()) * perCall,
                        1e-9);
            EXPECT_GE(column.bar.top, plot.top - 1e-9);
            // Bars side by side in the plot, never over one another.
            EXPECT_GE(column.bar.left, column.slot.left);
            EXPECT_LE(column.bar.Right(), column.slot.Right() + 1e-9);
            if (i > 0) {
                EXPECT_FALSE(column.bar.Overlaps(layout.Columns()[i - 1].bar));
            }
        }
        // The highest bar reaches into the top step.
        EXPECT_LE(layout.Columns()[4].bar.height, plot.height + 1e-9);
        EXPECT_GT(layout.Columns()[4].bar.height,
                  plot.height * static_cast<double>(layout.Axis().top - layout.Axis().step) /
                      static_cast<double>(layout.Axis().top));
    }
    const auto quiet = Bars(3, [](std::size_t i, std::size_t) { return i == 1 ? 0u : 1u; });
    const ChartLayout layout(quiet, 600, 300, Sizes(3, 36));
    EXPECT_EQ(layout.Columns()[1].bar.height, 0); // a day without calls is flat
    EXPECT_EQ(layout.Axis().top, 5u);             // five calls on each busy day
    // A bar alone stands in the middle, no wider than a few lines of text.
    const ChartLayout one(Bars(1, [](std::size_t, std::size_t) { return 2u; }), 900, 300,
                          Sizes(1, 40));
    const auto& only = one.Columns().front();
    EXPECT_LE(only.bar.width, 4 * 16);
    EXPECT_GT(only.bar.width, 16);
    EXPECT_NEAR(only.bar.left + only.bar.width / 2, only.slot.left + only.slot.width / 2, 1e-9);
}

TEST(ChartLayout, CountsStepRoundlyAndNeverCrowdTheAxis) {
    for (const std::uint64_t most : {0u, 1u, 3u, 7u, 9u, 10u, 11u, 99u, 101u, 1234u, 98765u})
        for (const double height : {120.0, 200.0, 330.0, 600.0, 1200.0}) {
            const auto bars = Bars(5, [&](std::size_t i, std::size_t type) {
                return i == 2 && type == 0 ? most : 0u;
            });
            const ChartLayout layout(bars, 800, height, Sizes(5, 36));
            const auto& axis = layout.Axis();
            SCOPED_TRACE(std::to_string(most) + " calls, " + std::to_string(height) + " px");
            EXPECT_TRUE(IsRoundStep(axis.step)) << axis.step;
            EXPECT_GE(axis.top, std::max<std::uint64_t>(most, 1));
            EXPECT_EQ(axis.top % axis.step, 0u);
            EXPECT_LE(axis.top, most + axis.step); // no more than a step to spare
            const auto& ticks = layout.Ticks();
            ASSERT_EQ(ticks.size(), static_cast<std::size_t>(axis.Ticks()));
            EXPECT_LE(ticks.size(), kMostCountSteps + 1);
            EXPECT_EQ(ticks.front().value, 0u);
            EXPECT_DOUBLE_EQ(ticks.front().y, layout.Plot().Bottom());
            EXPECT_NEAR(ticks.back().y, layout.Plot().top, 1e-9);
            for (std::size_t i = 1; i < ticks.size(); ++i) {
                EXPECT_EQ(ticks[i].value, ticks[i - 1].value + axis.step);
                EXPECT_FALSE(ticks[i].label.Overlaps(ticks[i - 1].label));
            }
            // The widest count fits left of the plot.
            const double digits = static_cast<double>(std::to_string(axis.top).size());
            EXPECT_GE(ticks.back().label.width, digits * 8);
            EXPECT_LE(ticks.back().label.Right(), layout.Plot().left);
        }
}

TEST(ChartLayout, LabelsStayWholeAndApartAtAnyWidthAndRange) {
    for (const double width : {300.0, 480.0, 720.0, 1024.0, 1920.0})
        for (const std::size_t count : {1u, 2u, 7u, 31u, 53u, 62u, 120u, 366u, 2000u})
            for (const double label : {34.0, 52.0, 90.0}) {
                const auto bars = Bars(count, [](std::size_t i, std::size_t) { return i % 3; });
                const ChartLayout layout(bars, width, 320, Sizes(count, label));
                SCOPED_TRACE(std::to_string(count) + " bars of " + std::to_string(label) +
                             " px labels, " + std::to_string(width) + " px wide");
                const auto& labels = layout.Labels();
                ASSERT_FALSE(labels.empty());
                EXPECT_EQ(labels.front().bar, 0u);
                for (std::size_t i = 0; i < labels.size(); ++i) {
                    const auto& box = labels[i].box;
                    EXPECT_EQ(box.width, label); // whole
                    EXPECT_GE(box.left, 0.0);
                    EXPECT_LE(box.Right(), width);
                    EXPECT_GE(box.top, layout.Plot().Bottom());
                    EXPECT_LE(box.Bottom(), 320.0);
                    for (std::size_t j = i + 1; j < labels.size(); ++j)
                        EXPECT_FALSE(box.Overlaps(labels[j].box)) << i << " and " << j;
                    // Evenly thinned: every stride-th bar.
                    EXPECT_EQ(labels[i].bar, i * layout.LabelStride());
                }
                // Thinned only as far as needed: a label more would touch
                // its neighbour (or, at the chart's edge, be pushed into it).
                if (layout.LabelStride() > 1) {
                    const double slot = layout.Columns().front().slot.width;
                    EXPECT_LT(slot * static_cast<double>(layout.LabelStride() - 1), label * 1.5 + 8)
                        << "stride " << layout.LabelStride();
                }
                // Only the last one may be left out short of the stride.
                EXPECT_GE((labels.size() + 1) * layout.LabelStride(), count);
            }
    // Few bars on a wide chart: each one labelled.
    const ChartLayout wide(Bars(7, [](std::size_t, std::size_t) { return 1; }), 1000, 300,
                           Sizes(7, 40));
    EXPECT_EQ(wide.Labels().size(), 7u);
    // A year by days on a narrow chart: thinned to what fits.
    const ChartLayout year(Bars(365, [](std::size_t, std::size_t) { return 1; }), 720, 300,
                           Sizes(365, 40));
    EXPECT_LT(year.Labels().size(), 16u);
    EXPECT_GT(year.Labels().size(), 5u);
}

TEST(ChartLayout, TitleLegendAndPlotShareTheChartWithoutOverlapping) {
    const auto bars = Bars(10, [](std::size_t i, std::size_t) { return i; });
    for (const double width : {260.0, 400.0, 720.0, 1400.0})
        for (const double line : {13.0, 16.0, 24.0}) { // 100 % to 150 % and more
            SCOPED_TRACE(std::to_string(width) + " px wide, lines of " + std::to_string(line));
            const ChartLayout layout(bars, width, 400, Sizes(10, 3 * line, line));
            const auto& legend = layout.Legend();
            for (std::size_t a = 0; a < kCallTypes; ++a) {
                EXPECT_FALSE(legend[a].text.Overlaps(layout.Title()));
                EXPECT_FALSE(legend[a].swatch.Overlaps(legend[a].text));
                EXPECT_LE(legend[a].text.Bottom(), layout.Plot().top - line / 2);
                EXPECT_GE(legend[a].swatch.left, 0.0);
                if (width >= 400) {
                    EXPECT_LE(legend[a].text.Right(), width);
                }
                for (std::size_t b = a + 1; b < kCallTypes; ++b) {
                    EXPECT_FALSE(legend[a].text.Overlaps(legend[b].text));
                    EXPECT_FALSE(legend[a].swatch.Overlaps(legend[b].text));
                }
            }
            EXPECT_LE(layout.Title().width, width);
            EXPECT_GE(layout.Title().left, 0.0);
            EXPECT_GT(layout.Plot().height, 0.0);
            EXPECT_LE(layout.Plot().Right(), width);
        }
    // A title wider than the chart breaks before its days, the legend below.
    ChartTextSizes wide = Sizes(10, 40, 16);
    wide.titleWidth = 500;
    wide.titleBrokenWidth = 280;
    const ChartLayout broken(bars, 400, 400, wide);
    EXPECT_EQ(broken.TitleLines(), 2);
    EXPECT_EQ(broken.Title().height, 32);
    EXPECT_EQ(broken.Title().width, 280);
    EXPECT_GE(broken.Legend()[0].text.top, broken.Title().Bottom());
    EXPECT_EQ(ChartLayout(bars, 600, 400, wide).TitleLines(), 1);
    // Narrow, the legend runs on in a second row.
    const ChartLayout narrow(bars, 300, 400, Sizes(10, 40, 16));
    EXPECT_GT(narrow.Legend()[4].text.top, narrow.Legend()[0].text.top);
    const ChartLayout broad(bars, 1200, 400, Sizes(10, 40, 16));
    EXPECT_EQ(broad.Legend()[4].text.top, broad.Legend()[0].text.top);
}

TEST(ChartLayout, ThePointerFindsTheBarOfItsSlotAndAnEmptyRangeHasNone) {
    const auto bars = Bars(12, [](std::size_t i, std::size_t) { return i + 1; });
    const ChartLayout layout(bars, 720, 300, Sizes(12, 40));
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const auto& slot = layout.Columns()[i].slot;
        // Above a low bar too: the whole slot is the bar's.
        EXPECT_EQ(layout.BarAt(slot.left + slot.width / 2, layout.Plot().top + 1), i);
        EXPECT_EQ(layout.BarAt(slot.left + 0.01, layout.Plot().Bottom() - 1), i);
    }
    EXPECT_EQ(layout.BarAt(layout.Plot().left - 1, layout.Plot().top + 5), std::nullopt);
    EXPECT_EQ(layout.BarAt(layout.Plot().left + 5, layout.Plot().Bottom() + 2), std::nullopt);
    EXPECT_EQ(layout.BarAt(layout.Title().left + 1, layout.Title().top + 1), std::nullopt);

    const ChartLayout empty({}, 720, 300, Sizes(0, 40));
    EXPECT_TRUE(empty.Empty());
    EXPECT_TRUE(empty.Labels().empty());
    EXPECT_TRUE(empty.Ticks().empty());
    EXPECT_EQ(empty.BarAt(360, 150), std::nullopt);
    EXPECT_TRUE(ChartLayout().Empty());
}

} // namespace
} // namespace mervadin
