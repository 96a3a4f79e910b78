#include "statistics/chart_periods.h"

#include <algorithm>
#include <cstdint>

namespace mervadin {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

year_month_day StartOf(year_month_day day, ChartPeriod period) {
    switch (period) {
    case ChartPeriod::Day:
        return day;
    case ChartPeriod::Week: {
        const sys_days at(day);
        const std::chrono::weekday weekday(at);
        return year_month_day(at - days((weekday.c_encoding() + 6) % 7)); // back to Monday
    }
    case ChartPeriod::Month:
        return day.year() / day.month() / 1;
    }
    return day;
}

year_month_day Next(year_month_day start, ChartPeriod period) {
    switch (period) {
    case ChartPeriod::Day:
        return year_month_day(sys_days(start) + days(1));
    case ChartPeriod::Week:
        return year_month_day(sys_days(start) + days(7));
    case ChartPeriod::Month:
        return start + std::chrono::months(1);
    }
    return start;
}

} // namespace

ChartPeriod PeriodFor(year_month_day first, year_month_day last) {
    const auto span = (sys_days(last) - sys_days(first)).count() + 1;
    if (span <= kMaxDailyBars)
        return ChartPeriod::Day;
    return span <= kMaxWeeklyDays ? ChartPeriod::Week : ChartPeriod::Month;
}

std::vector<ChartBar> ChartBars(const std::map<year_month_day, CallCounts>& byDay,
                                ChartPeriod period) {
    std::vector<ChartBar> bars;
    if (byDay.empty())
        return bars;
    const year_month_day last = StartOf(byDay.rbegin()->first, period);
    for (auto start = StartOf(byDay.begin()->first, period); start <= last;
         start = Next(start, period))
        bars.push_back({start, {}});
    std::size_t at = 0;
    for (const auto& [day, counts] : byDay) {
        const auto start = StartOf(day, period);
        while (bars[at].start < start)
            ++at;
        for (std::size_t type = 0; type < kCallTypes; ++type)
            bars[at].counts.calls[type] += counts.calls[type];
        bars[at].counts.talkSeconds += counts.talkSeconds;
    }
    return bars;
}

CountAxis CountAxisFor(std::uint64_t highest, std::uint64_t mostSteps) {
    mostSteps = std::max<std::uint64_t>(1, mostSteps);
    CountAxis axis;
    // Steps in the 1-2-5 series until few enough reach the highest bar; a
    // division rather than a sum, so that no count can overflow.
    for (std::uint64_t power = 1;; power *= 10) {
        for (const std::uint64_t factor : {1, 2, 5}) {
            axis.step = factor * power;
            const std::uint64_t steps = highest / axis.step + (highest % axis.step != 0);
            if (steps <= mostSteps || power > UINT64_MAX / 100) {
                axis.top = std::max<std::uint64_t>(1, steps) * axis.step;
                return axis;
            }
        }
    }
}

} // namespace mervadin
