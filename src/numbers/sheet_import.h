#pragma once
// The spreadsheet import of the number list, one sheet row at a time so that
// a window can let its events through and honour Stop between rows: rows 3
// to 9002 of the active sheet, columns B (GROUP), C (NAME) and D (NUMBER),
// ending at the first row whose B is empty. Nothing is written here; the
// caller writes the finished lines.

#include "common/text_encoding.h"
#include "files/text_lines.h"
#include "numbers/xlsx_reader.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace mervadin {

class SheetImport {
public:
    static constexpr std::uint32_t kFirstRow = 3;
    static constexpr std::uint32_t kLastRow = 9002;

    // Opens the workbook. Throws XlsxError.
    explicit SheetImport(const std::filesystem::path& workbook);

    // Reads the next row. False once the data has ended (an empty B, or row
    // 9002 read); then Lines() is ready. Throws XlsxError.
    bool ReadRow();
    // After a row with a GROUP: (row × 100) div 9000, as the progress shows.
    int Percent() const { return percent_; }

    // The lines the sheet gives: row 3 always, then each row until the first
    // empty GROUP, as GROUP TAB NAME TAB NUMBER in `encoding`. Throws
    // XlsxError naming the first cell whose text the encoding cannot hold.
    Lines Texts(const TextEncoding& encoding) const;
    // Those lines to store, refused (XlsxError naming the cell) when one of
    // them has a GROUP that is not a number: the write would refuse the list.
    Lines Result(const TextEncoding& encoding) const;

private:
    using Fields = std::array<std::string, 3>;

    Fields CellsOf(std::uint32_t row);

    std::string file_;
    XlsxReader reader_;
    std::optional<SheetRow> pending_;
    bool sheetEnded_ = false;
    std::vector<Fields> staging_;
    std::uint32_t row_ = kFirstRow;
    int percent_ = 0;
    bool done_ = false;
};

} // namespace mervadin
