#include "numbers/xlsx_reader.h"
#include "qtcore/text_codec.h"
#include "records/record_export.h"
#include "statistics/call_statistics.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <zip.h>

namespace mervadin {
namespace {

using namespace std::chrono;

std::string Line(const std::string& group, const std::string& type, const std::string& date,
                 const std::string& duration, const std::string& remark = "",
                 const std::string& name = "n", const std::string& number = "100") {
    return "Group[" + group + "],\tName[" + name + "],\tNumber[" + number + "],\tType[" + type +
           "],\tDate[" + date + "],\tDuration[" + duration + "],\tRemark[" + remark + "]\r\n";
}

// Lists of our own with known figures: 3 succeeded (90 s, 30 s, 60 s), 1
// failed, 2 answered (100 s, 20 s), 2 missed, 1 manual; a line with a broken
// date, one with a broken duration, one without a call type; remarks that
// look like fields.
const std::string kOut =
    Line("1", "0", "2026/1/2 10:0:0", "0:1:30", "Type[1] Date[x]") +
    Line("1", "1", "2026/1/2 11:0:0", "0:0:0") + Line("2", "0", "2026/1/3 9:5:7", "0:0:30") +
    Line("10", "0", "2026-01-03 23:59:59", "0:1:0") + Line("2", "4", "2026/1/4 8:0:0", "0:0:9") +
    Line("2", "0", "2026/2/30 8:0:0", "0:0:9") + Line("2", "0", "2026/1/4 8:0:0", "1:61:0") +
    "garbage\r\n";
const std::string kIn =
    Line("1", "2", "2026/1/2 12:0:0", "0:1:40") + Line("1", "3", "2026/1/2 12:5:0", "0:0:0") +
    Line("NoId", "2", "2026/1/4 0:0:1", "0:0:20") + Line("NoId", "3", "2026/1/5 0:0:1", "0:0:0");

TEST(CallStatistics, CountsRatesAndTalkTimeInAllPerDayAndPerGroup) {
    const CallStatistics s = ComputeStatistics(kOut, kIn);
    EXPECT_EQ(s.total.Of(CallType::Succeeded), 3u);
    EXPECT_EQ(s.total.Of(CallType::Failed), 1u);
    EXPECT_EQ(s.total.Of(CallType::Answered), 2u);
    EXPECT_EQ(s.total.Of(CallType::Missed), 2u);
    EXPECT_EQ(s.total.Of(CallType::Manual), 1u);
    EXPECT_DOUBLE_EQ(*s.total.SuccessRate(), 0.75);
    EXPECT_DOUBLE_EQ(*s.total.AnswerRate(), 0.5);
    EXPECT_EQ(s.total.talkSeconds, 90u + 30 + 60 + 100 + 20);
    EXPECT_DOUBLE_EQ(*s.total.AverageTalkSeconds(), 300.0 / 5);

    ASSERT_EQ(s.unread, 3u);
    EXPECT_EQ(s.unreadLines[0].list, "CallOutList.txt");
    EXPECT_EQ(s.unreadLines[0].line, 6u);
    EXPECT_EQ(s.unreadLines[0].reason, "date \"2026/2/30 8:0:0\" is not a date");
    EXPECT_EQ(s.unreadLines[1].reason, "duration \"1:61:0\" is not a duration");
    EXPECT_EQ(s.unreadLines[2].reason, "type \"\" is no call type");

    const year_month_day jan2{year(2026), January, day(2)}, jan3{year(2026), January, day(3)};
    ASSERT_EQ(s.byDay.size(), 4u);
    EXPECT_EQ(s.byDay.at(jan2).Total(), 4u);
    EXPECT_EQ(s.byDay.at(jan3).Of(CallType::Succeeded), 2u);
    EXPECT_EQ(s.byDay.at(jan3).talkSeconds, 90u);

    std::vector<std::string> groups;
    for (const auto& [group, counts] : s.byGroup)
        groups.push_back(group);
    EXPECT_EQ(groups, (std::vector<std::string>{"1", "2", "10", "NoId"}));
    EXPECT_EQ(s.byGroup.at("1").Total(), 4u);
    EXPECT_FALSE(s.byGroup.at("NoId").SuccessRate().has_value());

    // A range keeps the days inside it, both ends included.
    const CallStatistics range =
        ComputeStatistics(kOut, kIn, {jan3, year_month_day{year(2026), January, day(4)}});
    EXPECT_EQ(range.total.Total(), 4u);
    EXPECT_EQ(range.total.Of(CallType::Manual), 1u);
    EXPECT_EQ(StatisticsCells("All", range.total),
              (std::vector<std::string>{"All", "2", "0", "1", "0", "1", "4", "100.0%", "100.0%",
                                        "0:01:50", "0:00:37"}));
}

TEST(CallStatistics, DatesDurationsAndDaysAreReadStrictly) {
    EXPECT_TRUE(ParseCallDate("2024/2/29 23:59:59"));
    EXPECT_FALSE(ParseCallDate("2023/2/29 0:0:0"));
    EXPECT_FALSE(ParseCallDate("2026/1/2 24:0:0"));
    EXPECT_FALSE(ParseCallDate("2026/1/2"));
    EXPECT_FALSE(ParseCallDate("2026/1/2 1:2:3 "));
    EXPECT_EQ(ParseDuration("18:0:0"), 64800u);
    EXPECT_FALSE(ParseDuration(""));
    EXPECT_FALSE(ParseDuration("0:0:60"));
    EXPECT_EQ(DayText(*ParseDay("2026-1-2")), "2026-01-02");
    EXPECT_FALSE(ParseDay("2026-13-01"));
}

TEST(RecordExport, CsvQuotesWhereNeededAndReadsTheChosenEncoding) {
    const auto gb = TextCodec::Named("GB18030");
    ASSERT_TRUE(gb);
    const std::string list =
        Line("7", "2", "2026/1/2 3:4:5", "0:0:9", "a, \"b\"", "\xD5\xC5", "007") +
        Line("x", "9", "", "", "", "n,1") + "no fields";
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
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, &error);
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
        Line("12", "0", "2026/1/2 3:4:5", "1:0:30", "note", "Ann", "00861380000000001") +
        Line("NoId", "1", "broken", "0:0:0");
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
    const std::string styles = ZipEntry(file, "xl/styles.xml");
    EXPECT_NE(styles.find("yyyy-mm-dd hh:mm:ss"), std::string::npos);
    EXPECT_NE(styles.find("<b/>"), std::string::npos);
}

} // namespace
} // namespace mervadin
