// Imports a 9000-row workbook (rows 3 to 9102 filled, as a spreadsheet
// program writes them: shared strings for the names) the way the number list
// window does, and prints the time per import and the memory it took.
//   build/bench/number_import_bench [WORKBOOK]
// Without WORKBOOK it writes one to /tmp/mervadin-bench-9100.xlsx, which
// bench/openpyxl_import.py reads for comparison.

#include "numbers/sheet_import.h"
#include "support/workbook.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

using namespace mervadin;

namespace {

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

std::filesystem::path WriteSample() {
    test::Workbook book;
    std::string rows = "<row r=\"1\"><c r=\"B1\" t=\"s\"><v>0</v></c></row>";
    book.sharedStrings.push_back("<t>Group</t>");
    for (int row = 3; row <= 9102; ++row) {
        book.sharedStrings.push_back("<t>Name " + std::to_string(row) + "</t>");
        rows += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) + "\"><v>" +
                std::to_string(row) + "</v></c><c r=\"B" + std::to_string(row) + "\"><v>" +
                std::to_string(row % 9 + 1) + "</v></c><c r=\"C" + std::to_string(row) +
                "\" t=\"s\"><v>" + std::to_string(row - 2) + "</v></c><c r=\"D" +
                std::to_string(row) + "\"><v>" + std::to_string(13800000000LL + row) +
                "</v></c></row>";
    }
    book.sheets = {rows};
    const std::filesystem::path path = "/tmp/mervadin-bench-9100.xlsx";
    test::WriteWorkbook(path, book);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path file = argc > 1 ? std::filesystem::path(argv[1]) : WriteSample();
    const long before = ResidentKiB();
    constexpr int kRuns = 20;
    double best = 1e9, total = 0;
    std::size_t lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        SheetImport import(file);
        while (import.ReadRow()) {
        }
        lines = import.Result(Utf8Encoding()).size();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        best = std::min(best, ms);
        total += ms;
    }
    std::printf("%s: %zu lines; best %.1f ms, mean %.1f ms over %d imports; peak memory +%ld KiB\n",
                file.c_str(), lines, best, total / kRuns, kRuns, ResidentKiB() - before);
    return lines == 9000 ? 0 : 1;
}
