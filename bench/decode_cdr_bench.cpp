// The whole `mervadin-cli decode-cdr` process on a full block table (4096
// blocks) over old lists of 60000 remarked lines each: the time from spawn
// to exit, the old lists restored before every run.
//
//   build/bench/decode_cdr_bench [RUNS] [FOLDER]
//
// The fixture stays in FOLDER (blocks.bin and the working files) so that
// bench/decode_cdr_reference.py can time the same work in Python.

#include "support_records.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <spawn.h>

extern char** environ;

using namespace mervadin;
namespace fs = std::filesystem;

namespace {

fs::path CliBeside(const char* self) {
    return fs::absolute(self).parent_path().parent_path() / "src" / "mervadin-cli";
}

double RunOnce(const fs::path& cli, const fs::path& folder, const fs::path& blocks) {
    const std::string program = cli.string(), work = folder.string(), file = blocks.string();
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>("--workdir"),
                               const_cast<char*>(work.c_str()),    const_cast<char*>("decode-cdr"),
                               const_cast<char*>(file.c_str()),    nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const auto stop = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const fs::path folderPath =
        argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "mervadin-bench-decode";
    fs::remove_all(folderPath);
    const WorkFolder folder(folderPath);
    folder.Prepare();
    const BlockTable table = bench::FullTable();
    const fs::path blocks = folderPath / "blocks.bin";
    WriteFileAtomically(
        blocks, std::string_view(reinterpret_cast<const char*>(table.data()), table.size()));
    const fs::path cli = CliBeside(argv[0]);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        bench::WriteOldLists(folder, 60000);
        const double ms = RunOnce(cli, folderPath, blocks);
        if (ms < 0) {
            std::fprintf(stderr, "decode-cdr failed (%s)\n", cli.c_str());
            return 1;
        }
        times.push_back(ms);
    }
    bench::WriteOldLists(folder, 60000);
    std::sort(times.begin(), times.end());
    std::printf("decode-cdr whole process, %d runs: best %.1f ms, median %.1f ms, worst %.1f ms\n",
                runs, times.front(), times[times.size() / 2], times.back());
    return 0;
}
