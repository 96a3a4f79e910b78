#include "cli/number_commands.h"
#include "numbers/number_list.h"
#include "numbers/sheet_import.h"
#include "qtcore/text_codec.h"
#include "support/temp_folder.h"
#include "support/workbook.h"

#include <gtest/gtest.h>
#include <sstream>

namespace mervadin {
namespace {

// Reads the whole sheet as the window does, without its pauses: the lines
// it gives, before they are judged for storing.
Lines Import(const std::filesystem::path& workbook, std::vector<int>* percents = nullptr,
             const TextEncoding& encoding = Utf8Encoding()) {
    SheetImport import(workbook);
    while (import.ReadRow())
        if (percents)
            percents->push_back(import.Percent());
    return import.Texts(encoding);
}

std::string Rows(int first, int last) {
    std::string rows;
    for (int row = first; row <= last; ++row)
        rows += test::InlineRow(row, std::to_string(row % 7 + 1), "n" + std::to_string(row),
                                std::to_string(13800000000 + row));
    return rows;
}

TEST(XlsxReader, CellsOfEveryKindGiveTheirTexts) {
    test::TempFolder temp;
    const auto file = temp / "kinds.xlsx";
    test::Workbook book;
    book.sharedStrings = {
        "<t>Alice</t>",
        "<r><rPr><b/></rPr><t>Bo</t></r><r><t xml:space=\"preserve\">b &amp; co</t></r>"
        "<rPh><t>ignored</t></rPh>",
        "<t>0123</t>"};
    book.sheets = {
        "<row r=\"1\"><c r=\"B1\"><v>999</v></c></row>"                           // never read
        "<row r=\"2\"><c r=\"B2\" t=\"inlineStr\"><is><t>head</t></is></c></row>" // never read
        "<row r=\"3\"><c r=\"A3\"><v>1</v></c><c r=\"B3\"><v>12</v></c><c r=\"C3\" t=\"s\"><v>0</v>"
        "</c><c r=\"D3\"><v>8642</v></c><c r=\"E3\"><v>5</v></c></row>"
        "<row r=\"4\"><c r=\"B4\"><v>12.0</v></c><c r=\"C4\" t=\"s\"><v>1</v></c><c r=\"D4\">"
        "<v>8.642E3</v></c></row>"
        // cells and a row without "r"
        "<row><c><v>x</v></c><c t=\"b\"><v>1</v></c><c t=\"str\"><v>f(x)</v></c>"
        "<c t=\"s\"><v>2</v></c></row>"
        "<row r=\"6\"><c r=\"B6\"><v>1.2345678901234E+14</v></c><c r=\"C6\" t=\"e\"><v>#N/A</v>"
        "</c><c r=\"D6\"><v>123456789012345678</v></c></row>"
        "<row r=\"7\"><c r=\"B7\"><v>2.5</v></c><c r=\"D7\" t=\"inlineStr\"><is><t>0042</t></is>"
        "</c></row>"};
    test::WriteWorkbook(file, book);
    EXPECT_EQ(Import(file), (Lines{"12\tAlice\t8642", "12\tBob & co\t8642", "True\tf(x)\t0123",
                                   "123456789012340\t#N/A\t123456789012345678", "2.5\t\t0042"}));
}

TEST(XlsxReader, TheActiveSheetIsReadAndTheEndRulesHold) {
    test::TempFolder temp;
    const auto file = temp / "active.xlsx";
    test::Workbook book;
    book.sheets = {Rows(3, 50), Rows(3, 102) + test::InlineRow(104, "9", "after", "gap")};
    book.activeTab = 1;
    book.absoluteTargets = true;
    test::WriteWorkbook(file, book);
    std::vector<int> percents;
    const Lines lines = Import(file, &percents);
    ASSERT_EQ(lines.size(), 100u); // the empty B103 ends the data
    EXPECT_EQ(lines[0], "4\tn3\t13800000003");
    EXPECT_EQ(lines[99], "5\tn102\t13800000102");
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 1);

    // An empty B3: one line of row 3 alone.
    book = {};
    book.sheets = {test::InlineRow(3, "", "name", "42") + Rows(4, 10)};
    test::WriteWorkbook(file, book);
    EXPECT_EQ(Import(file), Lines{"\tname\t42"});
    book.sheets = {""};
    test::WriteWorkbook(file, book);
    EXPECT_EQ(Import(file), Lines{"\t\t"});

    // Rows past 9002 are never read.
    book.sheets = {Rows(3, 9102)};
    test::WriteWorkbook(file, book);
    percents.clear();
    const Lines full = Import(file, &percents);
    ASSERT_EQ(full.size(), 9000u);
    EXPECT_EQ(full.back(), "1\tn9002\t13800009002");
    EXPECT_EQ(percents.back(), 100); // (9001 × 100) div 9000
}

TEST(XlsxReader, BadWorkbooksAreRefusedWithTheirReason) {
    test::TempFolder temp;
    auto refusal = [&](const std::filesystem::path& file) -> std::string {
        try {
            Import(file);
        } catch (const XlsxError& e) {
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
            return e.what();
        }
        return "accepted";
    };
    test::Spit(temp / "text.xlsx", "GROUP,NAME,NUMBER\n");
    EXPECT_NE(refusal(temp / "text.xlsx").find("not a zip archive"), std::string::npos);
    EXPECT_NE(refusal(temp / "missing.xlsx").find("no such file"), std::string::npos);
    std::filesystem::create_directory(temp / "folder.xlsx");
    EXPECT_NE(refusal(temp / "folder.xlsx").find("not a file"), std::string::npos);
    test::WriteZip(temp / "other.xlsx", {{"word/document.xml", "<w/>"}});
    EXPECT_NE(refusal(temp / "other.xlsx").find("xl/workbook.xml is missing"), std::string::npos);

    // A sheet that inflates past 64 MiB from a small archive.
    test::Workbook book;
    book.sheets = {Rows(3, 5)};
    auto parts = test::WorkbookParts(book);
    parts[0].second.insert(parts[0].second.find("<sheetData>"), std::string(65 << 20, ' '));
    test::WriteZip(temp / "bomb.xlsx", parts);
    EXPECT_LT(std::filesystem::file_size(temp / "bomb.xlsx"), 200000u);
    EXPECT_NE(refusal(temp / "bomb.xlsx").find("more than 64 MiB"), std::string::npos);

    // Cut XML, and a shared string that does not exist.
    parts = test::WorkbookParts(book);
    parts[0].second.resize(parts[0].second.size() / 2);
    test::WriteZip(temp / "cut.xlsx", parts);
    EXPECT_NE(refusal(temp / "cut.xlsx").find("damaged workbook"), std::string::npos);
    book.sheets = {"<row r=\"3\"><c r=\"B3\" t=\"s\"><v>7</v></c></row>"};
    test::WriteWorkbook(temp / "strings.xlsx", book);
    EXPECT_NE(refusal(temp / "strings.xlsx").find("B3"), std::string::npos);

    // Text an encoding cannot hold refuses the import, naming its cell.
    book.sheets = {test::InlineRow(3, "1", "Anna", "1") +
                   test::InlineRow(4, "1", "\xE6\xB5\x8B", "2")};
    test::WriteWorkbook(temp / "names.xlsx", book);
    const auto western = TextCodec::Named("windows-1252");
    try {
        Import(temp / "names.xlsx", nullptr, *western);
        FAIL() << "imported";
    } catch (const XlsxError& e) {
        EXPECT_NE(std::string(e.what()).find("cell C4"), std::string::npos) << e.what();
    }
    const auto gb = TextCodec::Named("GB18030");
    EXPECT_EQ(Import(temp / "names.xlsx", nullptr, *gb).back(), "1\t\xB2\xE2\t2");
}

TEST(XlsxReader, CellsCannotBreakTheListNorItsMemory) {
    test::TempFolder temp;
    // A TAB or a line break in a cell would split its record: a blank.
    test::Workbook book;
    book.sharedStrings = {"<t>Ann\tLee</t>", "<t xml:space=\"preserve\">13\r\n80</t>"};
    book.sheets = {"<row r=\"3\"><c r=\"B3\"><v>1</v></c><c r=\"C3\" t=\"s\"><v>0</v></c>"
                   "<c r=\"D3\" t=\"s\"><v>1</v></c></row>" +
                   test::InlineRow(4, "2", "Bob\nBrown", "1\t2")};
    test::WriteWorkbook(temp / "breaks.xlsx", book);
    // (XML reads a CR LF as one line feed.)
    EXPECT_EQ(Import(temp / "breaks.xlsx"), (Lines{"1\tAnn Lee\t13 80", "2\tBob Brown\t1 2"}));

    auto refusal = [&](const test::Workbook& workbook) -> std::string {
        test::WriteWorkbook(temp / "hostile.xlsx", workbook);
        try {
            Import(temp / "hostile.xlsx");
        } catch (const XlsxError& e) {
            return e.what();
        }
        return "accepted";
    };
    // One cell, shared or inline, of more than 4 KiB; millions of empty
    // shared strings from a small archive.
    test::Workbook big;
    big.sheets = {test::InlineRow(3, "1", std::string(5000, 'n'), "1")};
    EXPECT_NE(refusal(big).find("cell C3 holds more than 4 KiB"), std::string::npos);
    big.sheets = {Rows(3, 4)};
    big.sharedStrings = {"<t>" + std::string(5000, 's') + "</t>"};
    EXPECT_NE(refusal(big).find("holds more than 4 KiB"), std::string::npos);
    big.sharedStrings.assign(3'000'000, "");
    EXPECT_NE(refusal(big).find("shared strings hold more than 64 MiB"), std::string::npos);
    EXPECT_LT(std::filesystem::file_size(temp / "hostile.xlsx"), 1'000'000u);
}

TEST(NumberList, TextImportAndTheCommandLine) {
    Lines source(12000, "1,Anna,123");
    source[1] = "2,Bob,";
    auto import = ImportTextLines(source);
    EXPECT_EQ(import.stored.size(), 9000u);
    EXPECT_EQ(import.stored[1], "2,Bob,");
    EXPECT_EQ(import.sourceLines, 12000u);
    EXPECT_TRUE(import.atMax);
    EXPECT_TRUE(ImportTextLines(Lines(9000, "x")).atMax);
    EXPECT_FALSE(ImportTextLines(Lines(8999, "x")).atMax);
    // From the text: a file of a million line breaks keeps 9000 lines and
    // counts them all, as the list of lines does.
    const std::string breaks(1000000, '\n');
    const auto fromText = ImportTextLines(std::string_view(breaks));
    EXPECT_EQ(fromText.sourceLines, 1000000u);
    EXPECT_EQ(fromText.stored, Lines(9000, ""));
    EXPECT_TRUE(fromText.atMax);
    EXPECT_EQ(ImportTextLines(std::string_view("a\r\nb")).stored, (Lines{"a", "b"}));
    EXPECT_EQ(CdrLines(std::string_view("x\na cdr: [1]\rcdr:[")), Lines{"a cdr: [1]"});
    EXPECT_EQ(ShownNumberLines(Lines(36000, "x")).back(), "Only Read:36000 Number");
    EXPECT_EQ(ShownNumberLines(Lines{"a"}), (Lines{"a", "All: 1;"}));
    EXPECT_EQ(CdrLines({"x", "a cdr: [1]", "cdr:["}), Lines{"a cdr: [1]"});

    test::TempFolder temp;
    const WorkFolder folder(temp / "wd");
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    std::istringstream in;
    std::ostringstream out, err;
    const cli::Streams io{in, out, err};
    WriteLines(temp / "list.txt", source);
    EXPECT_EQ(
        cli::ImportNumbers(folder, (temp / "list.txt").string(), cli::SourceFormat::ByName, io), 0);
    EXPECT_EQ(out.str(), "Laod Max:9000 Number\nTotal: 12000\n");
    EXPECT_EQ(ReadLines(folder.File("LoadNumber.txt")).size(), 9000u);

    test::Workbook book;
    book.sheets = {Rows(3, 4)};
    test::WriteWorkbook(temp / "list.XLSX", book);
    out.str("");
    EXPECT_EQ(
        cli::ImportNumbers(folder, (temp / "list.XLSX").string(), cli::SourceFormat::ByName, io),
        0);
    EXPECT_EQ(out.str(), "Total: 2\n[OK!!] Load file OK! \n");
    const std::string kept = test::Slurp(folder.File("LoadNumber.txt"));
    EXPECT_EQ(kept, "4\tn3\t13800000003\r\n5\tn4\t13800000004\r\n");
    // Refused: the list stays as it was.
    EXPECT_EQ(
        cli::ImportNumbers(folder, (temp / "list.txt").string(), cli::SourceFormat::Workbook, io),
        2);
    // A list file that is not there is a bad argument.
    EXPECT_EQ(
        cli::ImportNumbers(folder, (temp / "none.txt").string(), cli::SourceFormat::ByName, io), 2);
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), kept);

    out.str("");
    EXPECT_EQ(cli::ShowNumbers(folder, io), 0);
    EXPECT_EQ(out.str(), "4\tn3\t13800000003\n5\tn4\t13800000004\nAll: 2;\n");
    out.str("");
    EXPECT_EQ(cli::ClearNumbers(folder, io), 0);
    EXPECT_EQ(out.str(), "[OK]    ClearOk  !!\n");
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), "");
}

// An import whose lines the write would refuse (a GROUP that is no number:
// a blank line, NUL-padded text, an empty B3) never replaces the list: it is
// refused naming the line or cell, and the list stays as it was.
TEST(NumberList, AnImportTheWriteWouldRefuseLeavesTheListAsItWas) {
    test::TempFolder temp;
    const WorkFolder folder(temp / "wd");
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    WriteLines(folder.File("LoadNumber.txt"), {"1,kept,100"});
    std::istringstream in;
    std::ostringstream out, err;
    const cli::Streams io{in, out, err};
    const auto import = [&](const std::string& name, const std::string& bytes) {
        test::Spit(temp / name, bytes);
        err.str("");
        return cli::ImportNumbers(folder, (temp / name).string(), cli::SourceFormat::ByName, io);
    };
    EXPECT_EQ(import("blank.txt", "1,a,1\r\n\r\n2,b,2\r\n"), 2);
    EXPECT_NE(err.str().find("blank.txt: line 2 is empty"), std::string::npos) << err.str();
    // UTF-16 read as bytes would have NUL-padded groups; read as text it is fine.
    EXPECT_EQ(import("word.txt", "x,a,1\r\n"), 2);
    EXPECT_NE(err.str().find("line 1 has no number as its group: \"x,a,1\""), std::string::npos)
        << err.str();
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), "1,kept,100\r\n");

    test::Workbook book;
    book.sheets = {test::InlineRow(3, "", "name", "42") + Rows(4, 10)};
    test::WriteWorkbook(temp / "empty.xlsx", book);
    EXPECT_EQ(
        cli::ImportNumbers(folder, (temp / "empty.xlsx").string(), cli::SourceFormat::ByName, io),
        2);
    EXPECT_NE(err.str().find("cell B3 is empty"), std::string::npos) << err.str();
    book.sheets = {Rows(3, 5) + test::InlineRow(6, "six", "name", "42")};
    test::WriteWorkbook(temp / "word.xlsx", book);
    try {
        SheetImport sheet(temp / "word.xlsx");
        while (sheet.ReadRow()) {
        }
        sheet.Result(Utf8Encoding());
        ADD_FAILURE() << "a group that is no number was taken";
    } catch (const XlsxError& e) {
        EXPECT_NE(std::string(e.what()).find("cell B6 holds \"six\", not a number"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(test::Slurp(folder.File("LoadNumber.txt")), "1,kept,100\r\n");
}

} // namespace
} // namespace mervadin
