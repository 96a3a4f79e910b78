#pragma once
// Writes .xlsx workbooks for tests: the XML parts are written here, as a
// spreadsheet program would write them, and zipped with libzip.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace mervadin::test {

using Parts = std::vector<std::pair<std::string, std::string>>;

// A zip archive of the given parts (name, content), deflated.
void WriteZip(const std::filesystem::path& path, const Parts& parts);

struct Workbook {
    std::vector<std::string> sheets; // the inside of each sheet's <sheetData>
    int activeTab = 0;
    std::vector<std::string> sharedStrings; // each the inside of an <si>
    bool absoluteTargets = false;           // "/xl/worksheets/..." as some writers put it
};

Parts WorkbookParts(const Workbook& workbook);
void WriteWorkbook(const std::filesystem::path& path, const Workbook& workbook);

// "<row r="N"><c r="BN" t="inlineStr"><is><t>b</t></is></c>..." for B, C and D
// (a cell is left out when its text is empty).
std::string InlineRow(int row, const std::string& b, const std::string& c, const std::string& d);

} // namespace mervadin::test
