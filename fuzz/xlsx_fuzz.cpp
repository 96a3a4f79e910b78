// The .xlsx reader on any input. The first byte chooses what the rest is:
// even, a whole file (zip input); odd, the XML of a sheet and of its shared
// strings, zipped into an otherwise sound workbook (XML input).

#include "fuzz_input.h"
#include "numbers/sheet_import.h"
#include "numbers/xlsx_reader.h"
#include "support/workbook.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace mervadin;

namespace {

std::filesystem::path Scratch() {
    return std::filesystem::temp_directory_path() /
           ("mervadin-xlsx-fuzz-" + std::to_string(::getpid()) + ".xlsx");
}

void WriteInput(const std::filesystem::path& file, std::string_view rest, bool xml) {
    if (!xml) {
        std::ofstream(file, std::ios::binary).write(rest.data(), std::streamsize(rest.size()));
        return;
    }
    const auto split = rest.find('\0');
    test::Workbook workbook;
    workbook.sheets = {std::string(rest.substr(0, split))};
    if (split != std::string_view::npos)
        workbook.sharedStrings = {std::string(rest.substr(split + 1))};
    test::WriteWorkbook(file, workbook);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const std::filesystem::path file = Scratch();
    WriteInput(file, fuzz::Text(data + 1, size - 1), data[0] % 2 == 1);
    try {
        SheetImport import(file);
        for (int rows = 0; rows < 100000 && import.ReadRow(); ++rows) {
        }
        import.Result(Utf8Encoding());
    } catch (const XlsxError&) {
    }
    return 0;
}
