// The .xlsx reader on any input. The first byte chooses what the rest is:
// 0 mod 3, a whole file (zip input); 1 mod 3, the XML of a sheet and of its
// shared strings, zipped into an otherwise sound workbook (XML input); 2 mod
// 3, the shape of a workbook: how many shared strings, how long, and what the
// cells of its rows hold (structure input), so that counts and sizes past
// the reader's bounds and TABs or line breaks in cells come up. Whatever is
// imported has three fields a line.

#include "fuzz_input.h"
#include "numbers/sheet_import.h"
#include "numbers/xlsx_reader.h"
#include "support/workbook.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace mervadin;

namespace {

std::filesystem::path Scratch() {
    return std::filesystem::temp_directory_path() /
           ("mervadin-xlsx-fuzz-" + std::to_string(::getpid()) + ".xlsx");
}

std::uint8_t At(std::string_view recipe, std::size_t index) {
    return index < recipe.size() ? static_cast<std::uint8_t>(recipe[index]) : 0;
}

// Byte 0: shared strings in steps of 8192 (up to 2 million); byte 1: their
// length in 32-byte steps (up to 8 KiB); each byte after: a row whose name
// cell holds a character from TAB, CR, LF or letters, repeated, and whose
// number cell names one of the shared strings.
test::Workbook StructuredWorkbook(std::string_view recipe) {
    test::Workbook book;
    const std::size_t length = std::size_t{At(recipe, 1)} * 32;
    book.sharedStrings.assign(std::size_t{At(recipe, 0)} * 8192,
                              length ? "<t>" + std::string(length, 's') + "</t>" : "");
    std::string rows;
    for (std::size_t i = 2; i < recipe.size() && i < 202; ++i) {
        const int row = static_cast<int>(i + 1);
        const char kinds[] = {'\t', '\r', '\n', 'a', ' '};
        rows += "<row r=\"" + std::to_string(row) + "\"><c r=\"B" + std::to_string(row) +
                "\"><v>1</v></c><c r=\"C" + std::to_string(row) + "\" t=\"inlineStr\"><is><t>" +
                std::string(At(recipe, i) % 16 + 1, kinds[At(recipe, i) % 5]) +
                "</t></is></c><c r=\"D" + std::to_string(row) + "\" t=\"s\"><v>" +
                std::to_string(i) + "</v></c></row>";
    }
    book.sheets = {rows};
    return book;
}

void WriteInput(const std::filesystem::path& file, std::string_view rest, int kind) {
    if (kind == 0) {
        std::ofstream(file, std::ios::binary).write(rest.data(), std::streamsize(rest.size()));
        return;
    }
    if (kind == 2)
        return test::WriteWorkbook(file, StructuredWorkbook(rest));
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
    WriteInput(file, fuzz::Text(data + 1, size - 1), data[0] % 3);
    try {
        SheetImport import(file);
        for (int rows = 0; rows < 100000 && import.ReadRow(); ++rows) {
        }
        for (const auto& line : import.Result(Utf8Encoding()))
            FUZZ_CHECK(std::count(line.begin(), line.end(), '\t') == 2 &&
                       line.find_first_of("\r\n") == std::string::npos);
    } catch (const XlsxError&) {
    }
    return 0;
}
