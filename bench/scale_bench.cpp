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
#include "records/call_list_grid.h"
#include "records/call_record.h"
#include "records/record_names.h"
#include "statistics/statistics_window.h"
#include "support_records.h"
#include "support_spawn.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QLabel>
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

#include <xlsxwriter.h>

using namespace mervadin;
namespace fs = std::filesystem;

using bench::Clock;
using bench::Run;
using bench::SecondsSince;
using bench::Spawn;

namespace {

// A call list of `count` lines: numbers repeat every 5000 lines, types and
// days spread over a year, every line with a remark.
std::string ListText(std::size_t count, bool callOut) {
    std::string text;
    text.reserve(count * 120);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string group = std::to_string(i % 40);
        const std::string name =
            i % 3 ? "Caller " + std::to_string(i % 97) : "\xe5\xbc\xa0\xe4\xb8\x89";
        const std::string number = std::to_string(13800000000ULL + i % 5000);
        const std::string type(1, static_cast<char>('0' + (callOut ? 0 : 2) + i % 2));
        const std::string date = "2026/" + std::to_string(1 + i % 12) + "/" +
                                 std::to_string(1 + i % 28) + " " + std::to_string(i % 24) + ":" +
                                 std::to_string(i % 60) + ":" + std::to_string(i % 59);
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
    WriteFileAtomically(
        root / "table.bin",
        std::string_view(reinterpret_cast<const char*>(table.data()), table.size()));
}

// The children: each runs one window, or the reference, in this process.
int RunStatisticsWindow(const fs::path& root) {
    QtPrompts prompts;
    StatisticsWindow window{WorkFolder(root), prompts};
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
    // The filter bar over the whole call-out list: a part of a number.
    auto* bar = startup.Window()->findChild<CallFilterBar*>(names::grids::kCallOutFilter);
    bar->findChild<QLineEdit*>(names::grids::kFilterNumber)->setText("12");
    const Clock::time_point filterStart = Clock::now();
    bar->Apply();
    const double filtered = SecondsSince(filterStart);
    const QString found = bar->findChild<QLabel*>(names::grids::kFilterCount)->text();
    QTimer::singleShot(1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    std::fprintf(stderr,
                 "main window visible %.3f s after login, %.1f MB resident; the call-out "
                 "filter found %s lines in %.3f s\n",
                 shown, static_cast<double>(ResidentKb()) / 1024, qPrintable(found), filtered);
    return 0;
}

// libxlsxwriter alone writing the cells the export writes, in
// constant-memory mode: the group a number, the date a date-time, the
// duration a time, the rest text, each field found by a plain search.
int RunWorkbookReference(const fs::path& list, const fs::path& out) {
    std::ifstream in(list, std::ios::binary);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(out.c_str(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* dateTime = workbook_add_format(workbook);
    format_set_num_format(dateTime, "yyyy-mm-dd hh:mm:ss");
    lxw_format* time = workbook_add_format(workbook);
    format_set_num_format(time, "[h]:mm:ss");
    static const char* const kTypes[] = {"CallOutSuccessed", "CallOutFailed", "CallInAnswer",
                                         "CallInMissed"};
    std::string line;
    lxw_row_t row = 0;
    while (std::getline(in, line)) {
        ++row;
        std::string fields[7];
        std::size_t at = 0;
        for (auto& field : fields) {
            const std::size_t open = line.find('[', at), close = line.find(']', open);
            if (open == std::string::npos || close == std::string::npos)
                break;
            field = line.substr(open + 1, close - open - 1);
            at = close;
        }
        worksheet_write_number(sheet, row, 0, std::atof(fields[0].c_str()), nullptr);
        worksheet_write_string(sheet, row, 1, fields[1].c_str(), nullptr);
        worksheet_write_string(sheet, row, 2, fields[2].c_str(), nullptr);
        worksheet_write_string(sheet, row, 3, kTypes[(fields[3][0] - '0') & 3], nullptr);
        lxw_datetime cell{};
        std::sscanf(fields[4].c_str(), "%d/%d/%d %d:%d:%lf", &cell.year, &cell.month, &cell.day,
                    &cell.hour, &cell.min, &cell.sec);
        worksheet_write_datetime(sheet, row, 4, &cell, dateTime);
        int h = 0, m = 0, sec = 0;
        std::sscanf(fields[5].c_str(), "%d:%d:%d", &h, &m, &sec);
        worksheet_write_number(sheet, row, 5, (h * 3600 + m * 60 + sec) / 86400.0, time);
        worksheet_write_string(sheet, row, 6, fields[6].c_str(), nullptr);
    }
    return workbook_close(workbook) == LXW_NO_ERROR ? 0 : 1;
}

struct Measure {
    std::string name;
    std::vector<std::string> arguments; // "{root}" and "{table}" replaced
    std::vector<std::string> reads;     // the files it reads, in the folder
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
    const std::vector<std::string> lists = {"CallOutList.txt", "CallInList.txt"};
    const std::vector<std::string> out = {"CallOutList.txt"};
    const std::vector<Measure> measures = {
        {"stats", cliRun({"stats"}), lists},
        {"stats --by day", cliRun({"stats", "--by", "day"}), lists},
        {"export CSV", cliRun({"export-records", "out", "{root}/out.csv"}), out},
        {"export .xlsx", cliRun({"export-records", "out", "{root}/out.xlsx"}), out},
        {"libxlsxwriter alone",
         {self, "--workbook-reference", "{root}/CallOutList.txt", "{root}/reference.xlsx"},
         out},
        {"rebuild-kinds",
         cliRun({"rebuild-kinds"}),
         {"CallOutList.txt", "CallInList.txt", "ReadFile.txt"}},
        {"statistics window", {self, "--statistics-window", "{root}"}, lists},
        // Its time includes a second of showing; its own line above says
        // when it was visible.
        {"main window", {self, "--main-window", "{root}"}, lists},
        // Last: the read replaces the lists with the table's records.
        {"read's rebuild + remark carry",
         cliRun({"decode-cdr", "{table}"}),
         {"CallOutList.txt", "CallInList.txt", "table.bin"}},
    };

    const fs::path base =
        fs::temp_directory_path() / ("mervadin-scale-" + std::to_string(getpid()));
    std::map<std::string, Run> runs[2];
    std::map<std::string, double> bounds; // MB: what the larger run reads, plus 64
    for (int size = 0; size < 2; ++size) {
        const std::size_t lines = small * (size ? 10 : 1);
        const auto start = Clock::now();
        const Folder folder = MadeFolder(self, base / std::to_string(lines), lines);
        std::printf("%zu + %zu lines (%.1f MB of lists) made in %.1f s\n", lines, lines / 2,
                    static_cast<double>(folder.listBytes) / 1e6, SecondsSince(start));
        std::fflush(stdout);
        for (const Measure& measure : measures) {
            double read = 0;
            for (const auto& name : measure.reads)
                read += static_cast<double>(fs::file_size(folder.root / name)) / (1 << 20);
            bounds[measure.name] = read + 64;
            runs[size][measure.name] = Spawn(Bind(measure.arguments, folder));
        }
    }
    fs::remove_all(base);

    std::printf("\n%-30s %9s %9s %7s %10s %10s %10s\n", "", "time S", "time 10S", "ratio",
                "peak S MB", "peak 10S", "bound 10S");
    for (const Measure& measure : measures) {
        const Run& a = runs[0][measure.name];
        const Run& b = runs[1][measure.name];
        std::printf("%-30s %8.3fs %8.3fs %7.2f %10.1f %10.1f %10.1f%s%s\n", measure.name.c_str(),
                    a.seconds, b.seconds, b.seconds / (10 * a.seconds), a.peakMb, b.peakMb,
                    bounds[measure.name], b.peakMb > bounds[measure.name] ? "  OVER" : "",
                    a.ok && b.ok ? "" : "  FAILED");
    }
    const double xlsx = runs[1]["export .xlsx"].seconds / runs[1]["libxlsxwriter alone"].seconds;
    std::printf("\n.xlsx export against libxlsxwriter alone at 10S: %.2f (goal at most 1.2)\n",
                xlsx);
    return 0;
}
