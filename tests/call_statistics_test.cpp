#include "monitor/status_decoder.h"
#include "statistics/call_statistics.h"
#include "statistics/chart_periods.h"
#include "support/call_lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

using namespace std::chrono;

// Lists of our own with known figures: 3 succeeded (90 s, 30 s, 60 s), 1
// failed, 2 answered (100 s, 20 s), 2 missed, 1 manual; a line with a broken
// date, one with a broken duration, one without a call type; remarks that
// look like fields.
const std::string kOut =
    test::ListLine({.date = "2026/1/2 10:0:0", .duration = "0:1:30", .remark = "Type[1] Date[x]"}) +
    test::ListLine({.type = "1", .date = "2026/1/2 11:0:0", .duration = "0:0:0"}) +
    test::ListLine({.group = "2", .date = "2026/1/3 9:5:7", .duration = "0:0:30"}) +
    test::ListLine({.group = "10", .date = "2026-01-03 23:59:59", .duration = "0:1:0"}) +
    test::ListLine({.group = "2", .type = "4", .date = "2026/1/4 8:0:0", .duration = "0:0:9"}) +
    test::ListLine({.group = "2", .date = "2026/2/30 8:0:0", .duration = "0:0:9"}) +
    test::ListLine({.group = "2", .date = "2026/1/4 8:0:0", .duration = "1:61:0"}) + "garbage\r\n";
const std::string kIn =
    test::ListLine({.type = "2", .date = "2026/1/2 12:0:0", .duration = "0:1:40"}) +
    test::ListLine({.type = "3", .date = "2026/1/2 12:5:0", .duration = "0:0:0"}) +
    test::ListLine({.group = "NoId", .type = "2", .date = "2026/1/4 0:0:1", .duration = "0:0:20"}) +
    test::ListLine({.group = "NoId", .type = "3", .date = "2026/1/5 0:0:1", .duration = "0:0:0"});

TEST(CallStatistics, CountsRatesAndTalkTimeInAllPerDayAndPerGroup) {
    const CallStatistics s = ComputeStatistics(kOut, kIn);
    EXPECT_EQ(s.total.Of(CallType::Succeeded), 3u);
    EXPECT_EQ(s.total.Of(CallType::Failed), 1u);
    EXPECT_EQ(s.total.Of(CallType::Answered), 2u);
    EXPECT_EQ(s.total.Of(CallType::Missed), 2u);
    EXPECT_EQ(s.total.Of(CallType::Manual), 1u);
    EXPECT_DOUBLE_EQ(*s.total.SuccessRate(), 0.75);
    EXPECT_DOUBLE_EQ(*s.total.AnswerRate(), 0.5);
    EXPECT_EQ(s.total.talkSeconds, 90u + 30 + 60 + 100 + 20);
    EXPECT_DOUBLE_EQ(*s.total.AverageTalkSeconds(), 300.0 / 5);

    ASSERT_EQ(s.unread, 3u);
    EXPECT_EQ(s.unreadLines[0].list, "CallOutList.txt");
    EXPECT_EQ(s.unreadLines[0].line, 6u);
    EXPECT_EQ(s.unreadLines[0].reason, "date \"2026/2/30 8:0:0\" is not a date");
    EXPECT_EQ(s.unreadLines[1].reason, "duration \"1:61:0\" is not a duration");
    EXPECT_EQ(s.unreadLines[2].reason, "type \"\" is no call type");

    const year_month_day jan2{year(2026), January, day(2)}, jan3{year(2026), January, day(3)};
    ASSERT_EQ(s.byDay.size(), 4u);
    EXPECT_EQ(s.byDay.at(jan2).Total(), 4u);
    EXPECT_EQ(s.byDay.at(jan3).Of(CallType::Succeeded), 2u);
    EXPECT_EQ(s.byDay.at(jan3).talkSeconds, 90u);

    std::vector<std::string> groups;
    for (const auto& [group, counts] : s.byGroup)
        groups.push_back(group);
    EXPECT_EQ(groups, (std::vector<std::string>{"1", "2", "10", "NoId"}));
    EXPECT_EQ(s.byGroup.at("1").Total(), 4u);
    EXPECT_FALSE(s.byGroup.at("NoId").SuccessRate().has_value());

    // A range keeps the days inside it, both ends included.
    const CallStatistics range =
        ComputeStatistics(kOut, kIn, {jan3, year_month_day{year(2026), January, day(4)}});
    EXPECT_EQ(range.total.Total(), 4u);
    EXPECT_EQ(range.total.Of(CallType::Manual), 1u);
    EXPECT_EQ(StatisticsCells("All", range.total),
              (std::vector<std::string>{"All", "2", "0", "1", "0", "1", "4", "100.0%", "100.0%",
                                        "0:01:50", "0:00:37"}));
}

TEST(CallStatistics, DatesDurationsAndDaysAreReadStrictly) {
    EXPECT_TRUE(ParseCallDate("2024/2/29 23:59:59"));
    EXPECT_FALSE(ParseCallDate("2023/2/29 0:0:0"));
    EXPECT_FALSE(ParseCallDate("2026/1/2 24:0:0"));
    EXPECT_FALSE(ParseCallDate("2026/1/2"));
    EXPECT_FALSE(ParseCallDate("2026/1/2 1:2:3 "));
    EXPECT_FALSE(ParseCallDate("2026/1/2 1:"));
    EXPECT_FALSE(ParseCallDate("2026/1/2 1:60"));
    EXPECT_EQ(ParseDuration("18:0:0"), 64800u);
    EXPECT_FALSE(ParseDuration(""));
    EXPECT_FALSE(ParseDuration("0:0:60"));
    EXPECT_EQ(DayText(*ParseDay("2026-1-2")), "2026-01-02");
    EXPECT_FALSE(ParseDay("2026-13-01"));
    EXPECT_EQ(DayText(*ParseDay("2026/12/8")), "2026-12-08"); // as the windows take it typed
    EXPECT_EQ(DayText(*ParseDay("2026.12.08")), "2026-12-08");
}

TEST(CallStatistics, CallsStoredLiveCountBesideThoseOfARead) {
    // A call the monitor stored carries the device's date, without seconds.
    const std::string frame =
        "velorn<cdr:Id:3;Name:Ann;Number:13800000001;Type:0;Date:2026/12/08 17:11;"
        "Duration:0:1:5;checksum:000000;>end";
    const std::string live =
        DecodeLiveRecord(
            std::span(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size()))
            .line;
    ASSERT_NE(live.find("Date[2026/12/08 17:11]"), std::string::npos) << live;
    const std::string out =
        test::ListLine({.group = "3", .date = "2026/12/8 9:30:0", .duration = "0:0:55"}) + live +
        "\r\n";
    const CallStatistics s = ComputeStatistics(out, "");
    EXPECT_EQ(s.unread, 0u);
    EXPECT_EQ(s.total.calls[0], 2u);
    EXPECT_EQ(s.total.talkSeconds, 55u + 65u);
    ASSERT_EQ(s.byDay.size(), 1u);
    EXPECT_EQ(s.byDay.begin()->first, year_month_day(year(2026), December, day(8)));
}

TEST(ChartPeriods, BarsGroupByDayWeekOrMonthWithEmptyPeriodsKept) {
    const auto d = [](int y, unsigned m, unsigned dd) {
        return year_month_day(year(y), month(m), day(dd));
    };
    EXPECT_EQ(PeriodFor(d(2026, 1, 1), d(2026, 1, 1)), ChartPeriod::Day);
    EXPECT_EQ(PeriodFor(d(2026, 1, 1), d(2026, 3, 3)), ChartPeriod::Day);    // 62 days
    EXPECT_EQ(PeriodFor(d(2026, 1, 1), d(2026, 3, 4)), ChartPeriod::Week);   // 63
    EXPECT_EQ(PeriodFor(d(2026, 1, 1), d(2026, 12, 31)), ChartPeriod::Week); // a year
    EXPECT_EQ(PeriodFor(d(2025, 1, 1), d(2026, 12, 31)), ChartPeriod::Month);

    std::map<year_month_day, CallCounts> byDay;
    byDay[d(2026, 12, 1)].Add(CallType::Succeeded, 10); // a Tuesday
    byDay[d(2026, 12, 6)].Add(CallType::Missed, 0);     // the Sunday after
    byDay[d(2026, 12, 7)].Add(CallType::Failed, 0);     // Monday
    byDay[d(2027, 2, 3)].Add(CallType::Answered, 5);

    const auto days = ChartBars(byDay, ChartPeriod::Day);
    ASSERT_EQ(days.size(), 65u); // 2026-12-01 .. 2027-02-03, empty days kept
    EXPECT_EQ(days[1].counts.Total(), 0u);
    EXPECT_EQ(days[64].start, d(2027, 2, 3));

    const auto weeks = ChartBars(byDay, ChartPeriod::Week);
    ASSERT_EQ(weeks.size(), 10u);
    EXPECT_EQ(weeks[0].start, d(2026, 11, 30)); // the Monday before
    EXPECT_EQ(weeks[0].counts.Total(), 2u);
    EXPECT_EQ(weeks[0].counts.talkSeconds, 10u);
    EXPECT_EQ(weeks[1].counts.Of(CallType::Failed), 1u);
    EXPECT_EQ(weeks[9].start, d(2027, 2, 1));

    const auto months = ChartBars(byDay, ChartPeriod::Month);
    ASSERT_EQ(months.size(), 3u); // December, an empty January, February
    EXPECT_EQ(months[0].counts.Total(), 3u);
    EXPECT_EQ(months[1].start, d(2027, 1, 1));
    EXPECT_EQ(months[1].counts.Total(), 0u);
    EXPECT_TRUE(ChartBars({}, ChartPeriod::Week).empty());
}

TEST(ChartPeriods, CountAxesStepInWholeNumbers) {
    const auto axis = [](std::uint64_t highest) {
        const CountAxis a = CountAxisFor(highest);
        return std::pair{a.top, a.step};
    };
    EXPECT_EQ(axis(0), (std::pair<std::uint64_t, std::uint64_t>{1, 1}));
    EXPECT_EQ(axis(1), (std::pair<std::uint64_t, std::uint64_t>{1, 1})); // not 0, 0.25, ...
    EXPECT_EQ(axis(8), (std::pair<std::uint64_t, std::uint64_t>{8, 1}));
    EXPECT_EQ(axis(9), (std::pair<std::uint64_t, std::uint64_t>{10, 2}));
    EXPECT_EQ(axis(37), (std::pair<std::uint64_t, std::uint64_t>{40, 5}));
    EXPECT_EQ(axis(1234), (std::pair<std::uint64_t, std::uint64_t>{1400, 200}));
    EXPECT_EQ(CountAxisFor(37).Ticks(), 9);
}

} // namespace
} // namespace mervadin
