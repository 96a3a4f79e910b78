// How the commands and windows over the call lists scale: it makes a
// working folder of 100 000 call-out and 50 000 call-in lines, and one ten
// times larger (each line with a remark, one in three with a Chinese name),
// then runs every command over the lists in a process of its own and prints
// its time and peak memory at both sizes, the ratio of the larger time to
// ten times the smaller (goal at most 1.3), the peak against the bytes the
// command reads plus 64 MB, and the .xlsx export against libxlsxwriter alone
// writing the same cells (goal at most 1.2).
//   QT_QPA_PLATFORM=offscreen build/bench/scale_bench [LINES]
// LINES (default 100000) is the smaller call-out list. The folders are made
// under the temporary folder and removed at the end.

#include "access/password_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "files/file_batch.h"
#include "files/work_folder.h"
#include "records/call_record.h"
#include "statistics/statistics_window.h"
#include "support_records.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

extern char** environ;

using namespace mervadin;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A call list of `count` lines: numbers repeat every 5000 lines, types and
// days spread over a year, every line with a remark.
std::string ListText(std::size_t count, bool callOut) {
    std::string text;
    text.reserve(count * 120);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string group = std::to_string(i % 40);
        const std::string name = i % 3 ? "Caller " + std::to_string(i % 97) : "\xe5\xbc\xa0\xe4\xb8\x89";
        const std::string number = std::to_string(13800000000ULL + i % 5000);
        const std::string type(1, static_cast<char>('0' + (callOut ? 0 : 2) + i % 2));
        const std::string date = "2026/" + std::to_string(1 + i % 12) + "/" +
                                 std::to_string(1 + i % 28) + " " + std::to_string(i % 24) +
                                 ":" + std::to_string(i % 60) + ":" + std::to_string(i % 59);
        const std::string duration = "0:" + std::to_string(i % 10) + ":" + std::to_string(i % 60);
        std::string line = CallRecordLine({group, name, number, type, date, duration});
        line.replace(line.size() - 1, 1, "note " + std::to_string(i) + "];");
        text += line;
        text += "\r\n";
    }
    return text;
}

struct Folder {
    fs::path root;
    fs::path table; // a full block table, for a read's rebuild
    std::uintmax_t listBytes = 0;
};

void MakeFolder(const fs::path& root, std::size_t lines) {
    fs::remove_all(root);
    const WorkFolder folder(root);
    folder.Prepare();
    WriteFileAtomically(folder.File(file::kCallOutList), ListText(lines, true));
    WriteFileAtomically(folder.File(file::kCallInList), ListText(lines / 2, false));
    const BlockTable table = bench::FullTable();
    WriteFileAtomically(root / "table.bin",
                        std::string_view(reinterpret_cast<const char*>(table.data()), table.size()));
}

struct Run {
    double seconds = 0;
    double peakMb = 0;
    bool ok = false;
};

// Runs a program to its end and takes its time and peak resident memory.
Run Spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {SecondsSince(start), static_cast<double>(usage.ru_maxrss) / 1024,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// The children: each runs one window, or the reference, in this process.
int RunStatisticsWindow(const fs::path& root) {
    StatisticsWindow window{WorkFolder(root)};
    window.show();
    QApplication::processEvents();
    return window.Shown().total.Total() > 0 ? 0 : 1;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
        if (key == "VmRSS:" && status >> value)
            return value;
    return 0;
}

int RunMainWindow(const fs::path& root) {
    QtPrompts prompts;
    Clock::time_point loggedIn;
    Startup startup(WorkFolder(root), prompts,
                    {DeviceSelection{DeviceSelection::Kind::Simulator, {}}, std::nullopt},
                    [&](PasswordWindow& window) {
                        window.findChild<QLineEdit*>("Edit1")->setText("6093");
                        loggedIn = Clock::now();
                        window.LogIn();
                    });
    if (startup.Run())
        return 1;
    startup.Window()->show();
    QApplication::processEvents();
    const double shown = SecondsSince(loggedIn);
    QTimer::singleShot(1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("main window visible %.3f s after login, %.1f MB resident\n", shown,
                static_cast<double>(ResidentKb()) / 1024);
    return 0;
}

// libxlsxwriter alone writing the cells the export writes: the fields of
// each line as strings, the group a number, in constant-memory mode.
int RunWorkbookReference(const fs::path& list, const fs::path& out) {
    std::ifstream in(list, std::ios::binary);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(out.c_str(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* dateTime = workbook_add_format(workbook);
    format_set_num_format(dateTime, "yyyy-mm-dd hh:mm:ss");
    std::string line;
    lxw_row_t row = 0;
    while (std::getline(in, line)) {
        ++row;
        lxw_col_t column = 0;
        for (std::size_t at = line.find('['); at != std::string::npos;
             at = line.find('[', at + 1), ++column) {
            const std::size_t end = line.find(']', at);
            const std::string value = line.substr(at + 1, end - at - 1);
            if (column == 0)
                worksheet_write_number(sheet, row, column, std::atof(value.c_str()), nullptr);
            else if (column == 4) {
                lxw_datetime cell{2026, 1, 1, 1, 2, 3};
                worksheet_write_datetime(sheet, row, column, &cell, dateTime);
            } else
                worksheet_write_string(sheet, row, column, value.c_str(), nullptr);
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR ? 0 : 1;
}

struct Measure {
    std::string name;
    std::vector<std::string> arguments; // "{root}" and "{table}" replaced
    bool readsLists = true;
};

std::vector<std::string> Bind(const std::vector<std::string>& arguments, const Folder& folder) {
    std::vector<std::string> bound;
    for (std::string argument : arguments) {
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"{root}", folder.root.string()},
              {"{table}", folder.table.string()}})
            if (const auto at = argument.find(key); at != std::string::npos)
                argument.replace(at, key.size(), value);
        bound.push_back(argument);
    }
    return bound;
}

// The folder is made by a process of its own: a child started by this one
// shares its memory until it runs its program, and would be charged the
// peak of making the lists.
Folder MadeFolder(const std::string& self, const fs::path& root, std::size_t lines) {
    Spawn({self, "--make", root.string(), std::to_string(lines)});
    const WorkFolder folder(root);
    return {root, root / "table.bin",
            fs::file_size(folder.File(file::kCallOutList)) +
                fs::file_size(folder.File(file::kCallInList))};
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--statistics-window") {
        QApplication app(argc, argv);
        return RunStatisticsWindow(argv[2]);
    }
    if (argc == 3 && std::string(argv[1]) == "--main-window") {
        QApplication app(argc, argv);
        return RunMainWindow(argv[2]);
    }
    if (argc == 4 && std::string(argv[1]) == "--workbook-reference")
        return RunWorkbookReference(argv[2], argv[3]);
    if (argc == 4 && std::string(argv[1]) == "--make") {
        MakeFolder(argv[2], std::strtoul(argv[3], nullptr, 10));
        return 0;
    }

    const std::size_t small = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const std::string self = fs::canonical("/proc/self/exe").string();
    const std::string cli = MERVADIN_CLI_PATH;
    const auto cliRun = [&](std::initializer_list<std::string> rest) {
        std::vector<std::string> arguments{cli, "--workdir", "{root}"};
        arguments.insert(arguments.end(), rest);
        return arguments;
    };
    const std::vector<Measure> measures = {
        {"stats", cliRun({"stats"})},
        {"stats --by day", cliRun({"stats", "--by", "day"})},
        {"export CSV", cliRun({"export-records", "out", "{root}/out.csv"})},
        {"export .xlsx", cliRun({"export-records", "out", "{root}/out.xlsx"})},
        {"libxlsxwriter alone",
         {self, "--workbook-reference", "{root}/CallOutList.txt", "{root}/reference.xlsx"}},
        {"rebuild-kinds", cliRun({"rebuild-kinds"})},
        {"statistics window", {self, "--statistics-window", "{root}"}},
        {"main window", {self, "--main-window", "{root}"}},
        // Last: the read replaces the lists with the table's records.
        {"read's rebuild + remark carry", cliRun({"decode-cdr", "{table}"})},
    };

    const fs::path base = fs::temp_directory_path() / ("mervadin-scale-" + std::to_string(getpid()));
    std::map<std::string, Run> runs[2];
    std::uintmax_t listBytes[2] = {};
    for (int size = 0; size < 2; ++size) {
        const std::size_t lines = small * (size ? 10 : 1);
        const auto start = Clock::now();
        const Folder folder = MadeFolder(self, base / std::to_string(lines), lines);
        listBytes[size] = folder.listBytes;
        std::printf("%zu + %zu lines (%.1f MB of lists) made in %.1f s\n", lines, lines / 2,
                    static_cast<double>(folder.listBytes) / 1e6, SecondsSince(start));
        std::fflush(stdout);
        for (const Measure& measure : measures) {
            runs[size][measure.name] = Spawn(Bind(measure.arguments, folder));
            std::fflush(stdout);
        }
    }
    fs::remove_all(base);

    std::printf("\n%-30s %9s %9s %7s %10s %10s %10s\n", "", "time S", "time 10S", "ratio",
                "peak S MB", "peak 10S", "bound 10S");
    const double bound = static_cast<double>(listBytes[1]) / (1 << 20) + 64;
    for (const Measure& measure : measures) {
        const Run& a = runs[0][measure.name];
        const Run& b = runs[1][measure.name];
        std::printf("%-30s %8.3fs %8.3fs %7.2f %10.1f %10.1f %10.1f%s\n", measure.name.c_str(),
                    a.seconds, b.seconds, b.seconds / (10 * a.seconds), a.peakMb, b.peakMb, bound,
                    a.ok && b.ok ? "" : "  FAILED");
    }
    const double xlsx = runs[1]["export .xlsx"].seconds / runs[1]["libxlsxwriter alone"].seconds;
    std::printf("\n.xlsx export against libxlsxwriter alone at 10S: %.2f (goal at most 1.2)\n",
                xlsx);
    return 0;
}
