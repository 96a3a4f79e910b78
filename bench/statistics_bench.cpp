// Call statistics over 100000 + 60000 lines, the export of 100000 lines to
// a workbook and to CSV, and the statistics chart's layout.

#include "common/text_encoding.h"
#include "records/record_export.h"
#include "statistics/call_statistics.h"
#include "statistics/chart_layout.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

using namespace mervadin;

namespace {

std::string List(int count, int firstType) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Group[" + std::to_string(i % 500) + "],\tName[Caller],\tNumber[" +
                std::to_string(13800000000LL + i) + "],\tType[" +
                std::to_string(firstType + i % 2) + "],\tDate[2026/" + std::to_string(1 + i % 12) +
                "/" + std::to_string(1 + i % 28) + " " + std::to_string(i % 24) +
                ":4:5],\tDuration[0:" + std::to_string(i % 60) + ":2],\tRemark[note " +
                std::to_string(i) + "]\r\n";
    return text;
}

void BM_Statistics(benchmark::State& state) {
    const std::string out = List(100000, 0), in = List(60000, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeStatistics(out, in));
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

void BM_ExportWorkbook(benchmark::State& state) {
    const std::string out = List(100000, 0);
    const auto file = std::filesystem::temp_directory_path() / "mervadin-bench-export.xlsx";
    for (auto _ : state)
        WriteRecordsWorkbook(file, out, Utf8Encoding());
    std::filesystem::remove(file);
}
BENCHMARK(BM_ExportWorkbook)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state) {
    const std::string out = List(100000, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordsCsv(out, Utf8Encoding()));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

// The chart's layout as the window makes it on every resize: a year of
// days, and ten years of days (the bars per day chosen by hand).
void BM_ChartLayout(benchmark::State& state) {
    const auto days = static_cast<int>(state.range(0));
    std::map<std::chrono::year_month_day, CallCounts> byDay;
    const std::chrono::sys_days first{std::chrono::year(2020) / 1 / 1};
    for (int day = 0; day < days; ++day)
        byDay[std::chrono::year_month_day(first + std::chrono::days(day))].calls[day % 5] =
            static_cast<std::uint64_t>(day % 17);
    const auto bars = ChartBars(byDay, ChartPeriod::Day);
    ChartTextSizes sizes;
    sizes.labelWidths.assign(bars.size(), 36);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChartLayout(bars, 880, 320, sizes));
}
BENCHMARK(BM_ChartLayout)->Arg(365)->Arg(3653)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
