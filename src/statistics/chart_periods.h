#pragma once
// What the statistics chart draws: calls per day, per week or per month
// (chosen from the span of the days shown so that bars stay readable), every
// period between the first and the last day given a bar, and a count axis
// with whole-number ticks.

#include "statistics/call_statistics.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

namespace mervadin {

enum class ChartPeriod { Day, Week, Month };

// Day for up to kMaxDailyBars days, Week for up to a year, else Month.
inline constexpr int kMaxDailyBars = 62;
inline constexpr int kMaxWeeklyDays = 371;
ChartPeriod PeriodFor(std::chrono::year_month_day first, std::chrono::year_month_day last);

struct ChartBar {
    std::chrono::year_month_day start; // the day, the week's Monday, the month's first day
    CallCounts counts;
};

// One bar per period from the first to the last day of `byDay`, empty
// periods included; nothing for no days.
std::vector<ChartBar> ChartBars(const std::map<std::chrono::year_month_day, CallCounts>& byDay,
                                ChartPeriod period);

// A count axis from 0 to `top` in steps of `step` (1, 2 or 5 times a power
// of ten), whole numbers only, at most `mostSteps` steps (fewer where the
// chart is short), `top` >= the highest bar and at least one step.
struct CountAxis {
    std::uint64_t top = 1;
    std::uint64_t step = 1;
    int Ticks() const { return static_cast<int>(top / step) + 1; }
};
inline constexpr std::uint64_t kMostCountSteps = 8;
CountAxis CountAxisFor(std::uint64_t highest, std::uint64_t mostSteps = kMostCountSteps);

} // namespace mervadin
