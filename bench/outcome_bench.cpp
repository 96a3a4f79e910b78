// The outcome of a full list against a long call-out list: 9 000 numbers
// (LoadNumber.txt) against 1 000 000 records (CallOutList.txt, a number
// called about a hundred times, calls of numbers not on the list among
// them). Each measure runs in a process of its own and prints its time and
// its peak resident memory against the bytes it reads plus 64 MB; the goal
// is the window open in under a second within that bound.
//   QT_QPA_PLATFORM=offscreen build/bench/outcome_bench [RECORDS] [NUMBERS]
// The working folder is made under the temporary folder and removed at the
// end.

#include "files/file_batch.h"
#include "files/work_folder.h"
#include "qtcore/text_codec.h"
#include "round/outcome_files.h"
#include "round/outcome_table.h"
#include "round/outcome_window.h"
#include "support/call_lines.h"
#include "support_spawn.h"
#include "ui/qt_prompts.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace mervadin;
namespace fs = std::filesystem;

using bench::Clock;
using bench::Run;
using bench::SecondsSince;
using bench::Spawn;

namespace {

std::string NumberOf(std::size_t i) {
    return std::to_string(13800000000ULL + i);
}

void MakeFolder(const fs::path& root, std::size_t records, std::size_t numbers) {
    fs::remove_all(root);
    const WorkFolder folder(root);
    folder.Prepare();
    std::string list;
    for (std::size_t i = 0; i < numbers; ++i)
        list += std::to_string(i % 40 + 1) + "\t" +
                (i % 3 ? "Client " + std::to_string(i) : std::string("\xe5\xbc\xa0\xe4\xb8\x89")) +
                "\t" + NumberOf(i) + "\r\n";
    WriteFileAtomically(folder.File(file::kLoadNumber), list);
    // The records: numbers spread over the list and a twentieth beyond it,
    // every fifth call connected, two months of days, every line a remark.
    std::string text;
    text.reserve(records * 130);
    for (std::size_t i = 0; i < records; ++i) {
        const std::size_t number = (i * 7919) % (numbers + numbers / 20);
        test::Call call{.group = std::to_string(number % 40 + 1),
                        .name = "Client",
                        .number = NumberOf(number),
                        .type = i % 5 ? "1" : "0",
                        .date = "2026/" + std::to_string(3 + i % 2) + "/" +
                                std::to_string(1 + i % 28) + " " + std::to_string(8 + i % 10) +
                                ":" + std::to_string(i % 60) + ":" + std::to_string(i % 59),
                        .duration = i % 5 ? "0:0:0" : "0:" + std::to_string(i % 9) + ":12",
                        .remark = "note " + std::to_string(i)};
        text += test::ListLine(call);
    }
    WriteFileAtomically(folder.File(file::kCallOutList), text);
}

// The children, each in a process of its own.
int RunCore(const fs::path& root) {
    const auto start = Clock::now();
    const RoundOutcome round = ComputeOutcome(WorkFolder(root), {}, {}, Utf8Encoding());
    std::fprintf(stderr, "  outcome alone: %.3f s (%s)\n", SecondsSince(start),
                 TotalsText(round.outcome.Totals()).c_str());
    return round.outcome.Numbers().empty() ? 1 : 0;
}

int RunWindow(const fs::path& root) {
    QtPrompts prompts;
    const auto start = Clock::now();
    OutcomeWindow window(WorkFolder(root), prompts);
    window.show();
    QApplication::processEvents();
    std::fprintf(stderr, "  window open and shown: %.3f s\n", SecondsSince(start));
    return window.Shown() && window.Shown()->outcome.Numbers().size() > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--core")
        return RunCore(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--window") {
        QApplication app(argc, argv);
        return RunWindow(argv[2]);
    }
    if (argc == 5 && std::string(argv[1]) == "--make") {
        MakeFolder(argv[2], std::strtoul(argv[3], nullptr, 10), std::strtoul(argv[4], nullptr, 10));
        return 0;
    }
    const std::size_t records = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const std::size_t numbers = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 9000;
    const std::string self = fs::canonical("/proc/self/exe").string();
    const fs::path root =
        fs::temp_directory_path() / ("mervadin-outcome-" + std::to_string(getpid()));
    const auto made = Clock::now();
    // Made by a process of its own, which alone is charged for it.
    Spawn({self, "--make", root.string(), std::to_string(records), std::to_string(numbers)});
    const WorkFolder folder(root);
    const double readMb = static_cast<double>(fs::file_size(folder.File(file::kLoadNumber)) +
                                              fs::file_size(folder.File(file::kCallOutList))) /
                          (1 << 20);
    std::printf("%zu numbers against %zu records (%.1f MB read) made in %.1f s\n", numbers, records,
                readMb, SecondsSince(made));
    std::fflush(stdout);
    std::printf("%-28s %9s %9s %9s\n", "", "time", "peak MB", "bound MB");
    for (const auto& [name, mode] :
         {std::pair{"outcome (core)", "--core"}, {"outcome window", "--window"}}) {
        const Run run = Spawn({self, mode, root.string()});
        std::printf("%-28s %8.3fs %9.1f %9.1f%s%s\n", name, run.seconds, run.peakMb, readMb + 64,
                    run.peakMb > readMb + 64 ? "  OVER" : "", run.ok ? "" : "  FAILED");
        std::fflush(stdout);
    }
    fs::remove_all(root);
    return 0;
}
