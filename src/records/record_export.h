#pragma once
// A call list saved for spreadsheets: one row per line, the seven fields in
// columns, as CSV (RFC 4180, UTF-8) or as an .xlsx workbook with typed cells
// (Group a number, Date a date-time, Duration a time, the rest text) and
// columns as wide as what they hold. A spreadsheet never runs what a cell
// holds: a CSV text cell that begins with "=", "+", "-", "@", TAB or CR is
// written after a "'" (numbers stay numbers), and a workbook's text cells
// are strings. A remark keeps at most its 126 bytes (cut at a whole
// character), and the export tells how many were cut.

#include "common/csv_cell.h"
#include "common/text_encoding.h"
#include "common/ui_text.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace mervadin {

enum class ExportFormat { Text, Csv, Workbook };

// By the file's ending: ".csv", ".xlsx" (any case), else the text copy.
ExportFormat ExportFormatOf(const std::filesystem::path& file);

// Whether a CSV file starts with UTF-8's byte-order mark.
enum class ByteOrderMark { Write, Leave };

struct ExportOptions {
    // The rows a worksheet holds besides its header: a spreadsheet's
    // 1 048 576 rows, less one.
    static constexpr std::size_t kMaxSheetRows = 1048575;

    // The worksheet's name; a list longer than a sheet goes on over further
    // sheets, "NAME (2)", "NAME (3)" and so on, each with the header.
    std::string sheet = "Calls";
    ByteOrderMark mark = ByteOrderMark::Write;
    std::size_t rowsPerSheet = kMaxSheetRows;
};

// What an export has to tell besides the file: the remarks it cut.
struct ExportReport {
    std::size_t remarksCut = 0;   // remarks longer than the 126 bytes a remark keeps
    std::size_t firstCutLine = 0; // the line of the first, counted from 1
    // "2 remarks longer than 126 bytes were cut at 126 (the first on line
    // 7)"; empty when none was cut.
    std::string Text(const Translate& translate = AsWritten) const;
};

// The CSV of a list's text; the lines' bytes are read in `encoding`. The
// export writes a file a piece at a time; this whole text, made by the same
// writer, serves the export's checks and its bench.
std::string RecordsCsv(std::string_view listText, const TextEncoding& encoding,
                       ExportReport* report = nullptr);

// Writes the workbook of a list's text to `file`, replacing it whole;
// throws FileError.
ExportReport WriteRecordsWorkbook(const std::filesystem::path& file, std::string_view listText,
                                  const TextEncoding& encoding, const ExportOptions& options = {});

// Saves a list's text in the format the file's ending names: the text copy
// byte for byte as the list is written, CSV (with the byte-order mark unless
// told to leave it) or a workbook whose columns fit what they hold. Before
// that, the temporaries that killed exports of this tool left in the
// target's folder are removed. Throws FileError.
ExportReport ExportRecords(const std::filesystem::path& file, std::string_view listText,
                           const TextEncoding& encoding, const ExportOptions& options = {});

} // namespace mervadin
