#pragma once
// Reads the cells of a .xlsx workbook without a spreadsheet program: the
// workbook is a zip archive of XML parts. The sheet that is active when the
// workbook opens is read as a stream, one row at a time, so a long sheet is
// never held in memory. No part may hold more than 64 MiB, declared or
// inflated (a small archive can inflate to gigabytes), no cell more than
// 4 KiB of text, and the shared strings no more than 64 MiB: a workbook over
// any of these is refused.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mervadin {

// Why a workbook cannot be read; the message names the file.
class XlsxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SheetRow {
    std::uint32_t number = 0;       // counted from 1
    std::vector<std::string> cells; // UTF-8 texts of the chosen columns; "" when empty
};

class XlsxReader {
public:
    static constexpr std::uint64_t kMaxPartSize = std::uint64_t{64} << 20;
    // What a workbook may make the reader keep: one cell's text, and the
    // shared strings together, each counted with what a string costs to keep
    // (so that a small workbook of millions of empty strings is refused too).
    static constexpr std::size_t kMaxCellBytes = 4096;
    static constexpr std::uint64_t kMaxSharedStringBytes = std::uint64_t{64} << 20;
    static constexpr std::size_t kSharedStringCost = 32;

    // Opens the workbook, finds its active sheet and reads its shared
    // strings. Cells of columns firstColumn..lastColumn (A = 1) are kept.
    // Throws XlsxError.
    XlsxReader(const std::filesystem::path& file, unsigned firstColumn, unsigned lastColumn);
    ~XlsxReader();
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    // The sheet's next row that has an entry in the file (rows without one
    // are empty); nothing after the last. Throws XlsxError.
    std::optional<SheetRow> NextRow();

    // The text of a cell value as the sheet stores it: a whole number below
    // 10^15 as its plain digits, other numbers in their shortest form.
    static std::string NumberText(const std::string& value);
    // "B" for 2, "AA" for 27.
    static std::string ColumnName(unsigned column);

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace mervadin
