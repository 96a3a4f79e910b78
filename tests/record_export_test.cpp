#include "files/file_system.h"
#include "files/path_text.h"
#include "numbers/xlsx_reader.h"
#include "qtcore/text_codec.h"
#include "records/record_export.h"
#include "support/call_lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <zip.h>

namespace mervadin {
namespace {

TEST(RecordExport, CsvQuotesWhereNeededAndReadsTheChosenEncoding) {
    const auto gb = TextCodec::Named("GB18030");
    ASSERT_TRUE(gb);
    const std::string list =
        test::ListLine({.group = "7",
                        .name = "\xD5\xC5",
                        .number = "007",
                        .type = "2",
                        .date = "2026/1/2 3:4:5",
                        .duration = "0:0:9",
                        .remark = "a, \"b\""}) +
        test::ListLine({.group = "x", .name = "n,1", .type = "9", .date = "", .duration = ""}) +
        "no fields";
    EXPECT_EQ(RecordsCsv(list, *gb),
              "Group,Name,Number,Type,Date,Duration,Remark\r\n"
              "7,\xE5\xBC\xA0,007,CallInAnswer,2026/1/2 3:4:5,0:0:9,\"a, \"\"b\"\"\"\r\n"
              "x,\"n,1\",100,9,,,\r\n"
              ",,,,,,\r\n");
    EXPECT_EQ(ExportFormatOf("a.CSV"), ExportFormat::Csv);
    EXPECT_EQ(ExportFormatOf("a.xlsx"), ExportFormat::Workbook);
    EXPECT_EQ(ExportFormatOf("a.txt"), ExportFormat::Text);
}

std::string ZipEntry(const std::filesystem::path& file, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(Utf8Of(file).c_str(), ZIP_RDONLY, &error);
    if (!archive)
        return {};
    zip_stat_t stat;
    std::string bytes;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        zip_file_t* entry = zip_fopen(archive, name, 0);
        bytes.resize(stat.size);
        zip_fread(entry, bytes.data(), stat.size);
        zip_fclose(entry);
    }
    zip_close(archive);
    return bytes;
}

TEST(RecordExport, TheWorkbookHasTypedCellsABoldHeaderFrozenPanesAndAFilter) {
    test::TempFolder temp;
    const auto file = temp / "out.xlsx";
    const std::string list =
        test::ListLine({.group = "12",
                        .name = "Ann",
                        .number = "00861380000000001",
                        .date = "2026/1/2 3:4:5",
                        .duration = "1:0:30",
                        .remark = "note"}) +
        test::ListLine({.group = "NoId", .type = "1", .date = "broken", .duration = "0:0:0"});
    WriteRecordsWorkbook(file, list, Utf8Encoding());

    // Read back by our own reader, which shares nothing with the writer.
    XlsxReader reader(file, 1, 7);
    const auto header = reader.NextRow();
    ASSERT_TRUE(header);
    EXPECT_EQ(header->cells.at(0), "Group");
    const auto first = reader.NextRow();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->cells.at(0), "12");
    EXPECT_EQ(first->cells.at(2), "00861380000000001"); // text: zeros and length kept
    EXPECT_EQ(first->cells.at(3), "CallOutSuccessed");
    EXPECT_EQ(first->cells.at(6), "note");
    const auto second = reader.NextRow();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->cells.at(0), "NoId");
    EXPECT_EQ(second->cells.at(4), "broken"); // not a date: kept as text
    EXPECT_FALSE(reader.NextRow());

    const std::string sheet = ZipEntry(file, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<pane ySplit=\"1\""), std::string::npos);
    EXPECT_NE(sheet.find("<autoFilter ref=\"A1:G3\""), std::string::npos);
    // The date is a number (46024 is 2026-01-02) and the duration a fraction of a day.
    EXPECT_NE(sheet.find("<c r=\"E2\" s=\"2\"><v>46024.12783564815"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<c r=\"F2\" s=\"3\"><v>0.04201388888888889"), std::string::npos);
    // Columns as wide as what they hold: a date shows whole, a long text
    // widens its column, a short one keeps a filter button's room.
    EXPECT_NE(sheet.find("<col min=\"5\" max=\"5\" width=\"22."), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<col min=\"3\" max=\"3\" width=\"20."), std::string::npos);
    EXPECT_NE(sheet.find("<col min=\"2\" max=\"2\" width=\"8."), std::string::npos);
    const std::string styles = ZipEntry(file, "xl/styles.xml");
    EXPECT_NE(styles.find("yyyy-mm-dd hh:mm:ss"), std::string::npos);
    EXPECT_NE(styles.find("<b/>"), std::string::npos);
}

TEST(RecordExport, AListLongerThanASheetGoesOnOverFurtherSheetsEachWithTheHeader) {
    test::TempFolder temp;
    const auto file = temp / "out.xlsx";
    std::string list;
    for (int i = 1; i <= 8; ++i)
        list += test::ListLine({.number = "10" + std::to_string(i)});
    WriteRecordsWorkbook(file, list, Utf8Encoding(), {.sheet = "CallOutList", .rowsPerSheet = 3});
    const std::string book = ZipEntry(file, "xl/workbook.xml");
    EXPECT_NE(book.find("name=\"CallOutList\""), std::string::npos) << book;
    EXPECT_NE(book.find("name=\"CallOutList (2)\""), std::string::npos);
    EXPECT_NE(book.find("name=\"CallOutList (3)\""), std::string::npos);
    EXPECT_EQ(book.find("name=\"CallOutList (4)\""), std::string::npos);
    // Every line once, in order: 3, 3 and 2 rows below each header.
    const char* refs[] = {"A1:G4", "A1:G4", "A1:G3"};
    int number = 0;
    for (int sheet = 1; sheet <= 3; ++sheet) {
        const std::string xml =
            ZipEntry(file, ("xl/worksheets/sheet" + std::to_string(sheet) + ".xml").c_str());
        EXPECT_NE(xml.find(std::string("<autoFilter ref=\"") + refs[sheet - 1]), std::string::npos)
            << sheet << xml;
        EXPECT_NE(xml.find("<pane ySplit=\"1\""), std::string::npos);
        EXPECT_NE(xml.find("<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>Group</t>"),
                  std::string::npos); // the bold header
        for (int row = 2; row <= (sheet < 3 ? 4 : 3); ++row)
            EXPECT_NE(xml.find("<c r=\"C" + std::to_string(row) + "\" t=\"inlineStr\"><is><t>10" +
                               std::to_string(++number) + "</t>"),
                      std::string::npos)
                << sheet << ": " << number;
    }
    EXPECT_EQ(number, 8);

    // At a sheet's real size: the line after the 1 048 575th starts the second.
    std::string full;
    full.reserve(20 * (ExportOptions::kMaxSheetRows + 2));
    for (std::size_t i = 0; i < ExportOptions::kMaxSheetRows + 2; ++i)
        full += "Number[" + std::to_string(i % 10) + "];\r\n";
    WriteRecordsWorkbook(file, full, Utf8Encoding(), {.sheet = "CallInList"});
    EXPECT_NE(ZipEntry(file, "xl/workbook.xml").find("name=\"CallInList (2)\""), std::string::npos);
    const std::string second = ZipEntry(file, "xl/worksheets/sheet2.xml");
    EXPECT_NE(second.find("<autoFilter ref=\"A1:G3\""), std::string::npos) << second;
}

TEST(RecordExport, FilesStartWithAByteOrderMarkUnlessToldAndWideCharactersWidenTheirColumn) {
    test::TempFolder temp;
    const std::string list =
        test::ListLine({.name = "\xE5\xBC\xA0\xE4\xB8\x89"
                                "\xE5\xBC\xA0\xE4\xB8\x89\xE5\xBC\xA0\xE4\xB8\x89",
                        .date = "2026/1/2 3:4:5",
                        .duration = "0:0:1"});
    ExportRecords(temp / "a.csv", list, Utf8Encoding());
    ExportRecords(temp / "b.csv", list, Utf8Encoding(), {.mark = ByteOrderMark::Leave});
    const std::string marked = test::Slurp(temp / "a.csv"), plain = test::Slurp(temp / "b.csv");
    EXPECT_EQ(marked.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(marked.substr(3), plain);
    EXPECT_EQ(plain.substr(0, 6), "Group,");

    // Six wide characters take twelve columns, not six or eighteen bytes.
    ExportRecords(temp / "c.xlsx", list, Utf8Encoding());
    const std::string sheet = ZipEntry(temp / "c.xlsx", "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<col min=\"2\" max=\"2\" width=\"15."), std::string::npos) << sheet;
}

// A spreadsheet program runs a CSV cell that begins like a formula: every
// text cell that begins with "=", "+", "-", "@", TAB or CR is written after
// a "'", so that it shows as the text it is, while numbers stay numbers;
// a workbook's text cells are strings, never formulas.
TEST(RecordExport, NoCellOfAnExportIsRunByASpreadsheet) {
    const std::string list =
        test::ListLine({.group = "-1",
                        .name = "=cmd|/C calc!A0",
                        .number = "+8613800138000",
                        .date = "2026/1/2 3:4:5",
                        .remark = "@SUM(A1)"}) +
        test::ListLine({.group = "NoId", .name = "-2+3", .number = "12", .remark = "+x"}) +
        test::ListLine({.name = "\tTab", .number = "-", .remark = "a=b"});
    const std::string csv = RecordsCsv(list, Utf8Encoding());
    EXPECT_EQ(csv, "Group,Name,Number,Type,Date,Duration,Remark\r\n"
                   "-1,\"'=cmd|/C calc!A0\",+8613800138000,CallOutSuccessed,2026/1/2 3:4:5,0:0:5,"
                   "\"'@SUM(A1)\"\r\n"
                   "NoId,\"'-2+3\",12,CallOutSuccessed,2026/1/1 1:2:3,0:0:5,\"'+x\"\r\n"
                   "1,\"'\tTab\",\"'-\",CallOutSuccessed,2026/1/1 1:2:3,0:0:5,a=b\r\n");
    std::string cell;
    AppendCsvCell(cell, "\rx");
    EXPECT_EQ(cell, "\"'\rx\"");
    for (const char* number : {"5", "-5", "+5", "1.5", "-0.25"}) {
        cell.clear();
        AppendCsvCell(cell, number);
        EXPECT_EQ(cell, number);
    }

    test::TempFolder temp;
    ExportRecords(temp / "calls.xlsx", list, Utf8Encoding());
    const std::string sheet = ZipEntry(temp / "calls.xlsx", "xl/worksheets/sheet1.xml");
    EXPECT_EQ(sheet.find("<f>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("t=\"inlineStr\"><is><t>=cmd|/C calc!A0</t>"), std::string::npos) << sheet;
}

// A remark keeps at most its 126 bytes (cut at a whole character); an
// export of longer ones (from a hand-edited list) cuts them the same way
// and says so once, with how many and the first line.
TEST(RecordExport, RemarksCutAtTheirLimitAreToldOnce) {
    const std::string wide = "\xE4\xB8\xAD"; // three bytes in UTF-8
    std::string long1, long2;
    for (int i = 0; i < 50; ++i)
        long1 += wide;
    long2 = std::string(200, 'r');
    const std::string list = test::ListLine({.remark = "short"}) +
                             test::ListLine({.remark = long1}) + "\r\n" +
                             test::ListLine({.remark = long2});
    ExportReport report;
    const std::string csv = RecordsCsv(list, Utf8Encoding(), &report);
    EXPECT_EQ(report.remarksCut, 2u);
    EXPECT_EQ(report.firstCutLine, 2u);
    EXPECT_EQ(report.Text(),
              "2 remarks longer than 126 bytes were cut at 126 (the first on line 2)");
    std::string cut;
    for (int i = 0; i < 42; ++i)
        cut += wide;
    EXPECT_NE(csv.find("," + cut + "\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("," + std::string(126, 'r') + "\r\n"), std::string::npos);
    test::TempFolder temp;
    EXPECT_EQ(ExportRecords(temp / "a.xlsx", list, Utf8Encoding()).remarksCut, 2u);
    EXPECT_EQ(ExportRecords(temp / "a.csv", test::ListLine({}), Utf8Encoding()).Text(), "");
}

// What killed exports of this tool left beside the file goes with the next
// export into that folder; a live writer's temporary and other programs'
// look-alikes stay.
TEST(RecordExport, AnExportRemovesTheTemporariesKilledExportsLeft) {
    namespace fs = std::filesystem;
    test::TempFolder temp;
    test::Spit(temp / ".big.csv.mervadin-tmp123456", std::string(1000, 'x'));
    test::Spit(temp / ".big.csv.tmp77", "another program's");
    test::Spit(temp / ".notes.mervadin-tmp", "no digits: not ours");
    const auto live = temp / ".other.xlsx.mervadin-tmp9";
    auto held = SystemFiles().CreateTemporary(live, temp / "other.xlsx", fs::perms(0644));
    ASSERT_NE(held, nullptr);
    ExportRecords(temp / "small.csv", test::ListLine({}), Utf8Encoding());
    EXPECT_FALSE(fs::exists(temp / ".big.csv.mervadin-tmp123456"));
    EXPECT_TRUE(fs::exists(temp / ".big.csv.tmp77"));
    EXPECT_TRUE(fs::exists(temp / ".notes.mervadin-tmp"));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(temp / "small.csv"));
}

} // namespace
} // namespace mervadin
