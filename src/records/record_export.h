#pragma once
// A call list saved for spreadsheets: one row per line, the seven fields in
// columns, as CSV (RFC 4180, UTF-8) or as an .xlsx workbook with typed cells
// (Group a number, Date a date-time, Duration a time, the rest text) and
// columns as wide as what they hold.

#include "common/text_encoding.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace mervadin {

enum class ExportFormat { Text, Csv, Workbook };

// By the file's ending: ".csv", ".xlsx" (any case), else the text copy.
ExportFormat ExportFormatOf(const std::filesystem::path& file);

// The CSV of a list's text; the lines' bytes are read in `encoding`.
std::string RecordsCsv(std::string_view listText, const TextEncoding& encoding);

// Writes the workbook of a list's text to `file`, replacing it whole;
// throws FileError.
void WriteRecordsWorkbook(const std::filesystem::path& file, std::string_view listText,
                          const TextEncoding& encoding);

// Whether a CSV file starts with UTF-8's byte-order mark.
enum class ByteOrderMark { Write, Leave };

// Saves a list's text in the format the file's ending names: the text copy
// byte for byte as the list is written, CSV (with the byte-order mark unless
// told to leave it) or a workbook whose columns fit what they hold. Throws
// FileError.
void ExportRecords(const std::filesystem::path& file, std::string_view listText,
                   const TextEncoding& encoding, ByteOrderMark mark = ByteOrderMark::Write);

} // namespace mervadin
