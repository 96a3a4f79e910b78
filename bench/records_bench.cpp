// Call record speed: decoding a full block table; from it to ReadFile.txt and the two
// rebuilt lists when the old lists hold 60000 lines that all carry remarks;
// the same carry-over done naively (a scan of the new list per remark) for
// comparison; and the full load of a 100000-line list into the grid.

#include "app/main_window.h"
#include "records/call_list_grid.h"
#include "records/call_record.h"
#include "records/record_files.h"
#include "support/call_lines.h"
#include "support_prompts.h"
#include "support_records.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

using namespace mervadin;
using bench::FullTable;
using bench::WriteOldLists;

namespace {

std::filesystem::path BenchFolder(const char* name) {
    auto path = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path);
    WorkFolder(path).Prepare();
    return path;
}

void BM_StoreFullRead(benchmark::State& state) {
    const WorkFolder folder(BenchFolder("mervadin-bench-read"));
    const BlockTable table = FullTable();
    for (auto _ : state) {
        state.PauseTiming();
        WriteOldLists(folder, 60000);
        state.ResumeTiming();
        RecordFiles(folder, Utf8Encoding()).StoreRead(table);
    }
}
BENCHMARK(BM_StoreFullRead)->Unit(benchmark::kMillisecond)->Iterations(3);

// Decoding alone: a full block table into the text of ReadFile.txt.
void BM_DumpText(benchmark::State& state) {
    const BlockTable table = FullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(DumpText(table));
}
BENCHMARK(BM_DumpText)->Unit(benchmark::kMillisecond);

// The carry-over as a plain substring search of the new list per remark.
void NaiveCarry(Lines& fresh, const Lines& old) {
    for (const auto& line : old) {
        if (FieldValue(line, "Remark[").empty())
            continue;
        const std::string number = FieldValue(line, "Number[");
        for (auto& candidate : fresh)
            if (!number.empty() && candidate.find(number) != std::string::npos) {
                candidate = line;
                break;
            }
    }
}

Lines Dump() {
    static const Lines dump = SplitLines(DumpText(FullTable()));
    return dump;
}

Lines OldLines(std::size_t count) {
    Lines lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back("Group[1],\tName[Old],\tNumber[" + std::to_string(19900000000ULL + i) +
                        "],\tType[0],\tDate[],\tDuration[],\tRemark[r];");
    return lines;
}

void BM_CarryOverIndexed(benchmark::State& state) {
    const Lines dump = Dump();
    const Lines old = OldLines(static_cast<std::size_t>(state.range(0)));
    const LineViews dumpViews(dump.begin(), dump.end()), oldViews(old.begin(), old.end());
    for (auto _ : state)
        benchmark::DoNotOptimize(test::SortAndCarry(dumpViews, oldViews, oldViews));
}
BENCHMARK(BM_CarryOverIndexed)->Arg(2000)->Arg(60000)->Unit(benchmark::kMillisecond);

// The decoding benchmark's old lists: numbers that meet a quarter of the
// dump's, so that a third of the lookups find a line; 0 old lines gives the
// sorting alone.
void BM_CarryOverMatching(benchmark::State& state) {
    const Lines dump = Dump();
    Lines old;
    for (std::size_t i = 0; i < static_cast<std::size_t>(state.range(0)); ++i)
        old.push_back("Group[1],\tName[Old],\tNumber[" + std::to_string(13800000000ULL + i * 2) +
                      "],\tType[0],\tDate[],\tDuration[],\tRemark[note " + std::to_string(i) +
                      "];");
    const LineViews dumpViews(dump.begin(), dump.end()), oldViews(old.begin(), old.end());
    std::vector<char> evictor(std::size_t{64} << 20);
    for (auto _ : state) {
        // As in a read, the tables are built in memory that is not in the cache.
        state.PauseTiming();
        for (std::size_t i = 0; i < evictor.size(); i += 64)
            evictor[i] = static_cast<char>(evictor[i] + 1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(test::SortAndCarry(dumpViews, oldViews, oldViews));
    }
}
BENCHMARK(BM_CarryOverMatching)->Arg(0)->Arg(60000)->Unit(benchmark::kMillisecond);

void BM_CarryOverNaive(benchmark::State& state) {
    const Lines dump = Dump();
    const Lines old = OldLines(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        Lines fresh = dump;
        NaiveCarry(fresh, old);
        benchmark::DoNotOptimize(fresh);
    }
}
BENCHMARK(BM_CarryOverNaive)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GridFullLoad(benchmark::State& state) {
    const WorkFolder folder(BenchFolder("mervadin-bench-grid"));
    Lines lines;
    for (int i = 0; i < 100000; ++i)
        lines.push_back("Group[7],\tName[Caller],\tNumber[" + std::to_string(13800000000LL + i) +
                        "],\tType[" + std::to_string(i % 2) +
                        "],\tDate[2026/1/2 3:4:5],\tDuration[0:1:2],\tRemark[]");
    WriteLines(folder.File(file::kCallOutList), lines);
    bench::SilentPrompts prompts;
    MainWindow window(folder, prompts);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.Grid(RecordFiles::List::CallOut)->Load();
        window.findChild<QTableView*>("DialOutGrid")->viewport()->repaint();
    }
}
BENCHMARK(BM_GridFullLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
