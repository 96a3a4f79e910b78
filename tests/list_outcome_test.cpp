#include "files/file_error.h"
#include "files/file_read.h"
#include "files/work_folder.h"
#include "round/list_outcome.h"
#include "round/next_list.h"
#include "round/outcome_files.h"
#include "round/outcome_table.h"
#include "support/call_lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

using namespace std::chrono;

// A list of our own: 13800001111 on lines 1 and 3, a NUMBER the device cuts
// at its dash (line 2), one it cannot dial at all (line 4), a blank line, a
// number of 14 digits (cut at 13) and one never called. The names are bytes
// of another encoding, to be kept as they are.
const Lines kList = {"1\tAnn\t13800001111",
                     "2,B\xD5\xC5,0755-1234",
                     "3\tCat\t13800001111",
                     "4\tDan\t+8613900002222",
                     "",
                     "5\tEve\t12345678901234",
                     "6\tFay\t13900003333"};

const std::string kRecords =
    test::ListText(
        {{.number = "13800001111", .type = "1", .date = "2026/1/2 10:0:0"},
         {.number = "0755", .type = "1", .date = "2026/1/2 10:5:0"},
         {.number = "13800001111", .type = "0", .date = "2026/1/3 9:0:0", .duration = "0:1:30"},
         {.number = "0755", .type = "1", .date = "2026/1/1 8:0:0"},
         {.number = "1234567890123", .type = "0", .duration = "0:0:40"},
         {.number = "99999", .type = "1"},
         {.number = "13800001111", .type = "0", .date = "2026/2/30 1:0:0"},
         {.number = "0755", .type = "2"},
         {.number = "075", .type = "1"}}) +
    "\r\n";

TEST(ListOutcome, RecordsBelongToTheLinesThatPackToTheirDigits) {
    ListOutcome outcome(kList);
    outcome.TakeText(kRecords);

    const auto& numbers = outcome.Numbers();
    ASSERT_EQ(numbers.size(), 5u); // lines 1 and 3 are one number, the blank line none
    const NumberOutcome& twice = numbers[0];
    EXPECT_EQ(twice.digits, "13800001111");
    EXPECT_EQ(twice.lines, (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(twice.Attempts(), 2u);
    EXPECT_EQ(twice.connected, 1u);
    EXPECT_EQ(twice.failed, 1u);
    EXPECT_EQ(twice.talkSeconds, 90u);
    EXPECT_EQ(twice.last, (LastCall{year(2026) / January / 3, hours(9), true}));
    EXPECT_EQ(twice.Outcome(), Reach::Reached);
    EXPECT_EQ(outcome.OfLine(3), &twice);

    // Cut at its dash as the device cuts it; the later record in the file
    // is the earlier call, so the last call stays the one of January 2.
    const NumberOutcome& cut = numbers[1];
    EXPECT_EQ(cut.digits, "0755");
    EXPECT_EQ(cut.failed, 2u);
    EXPECT_EQ(cut.last, (LastCall{year(2026) / January / 2, hours(10) + minutes(5), false}));
    EXPECT_EQ(cut.Outcome(), Reach::NotReached);

    EXPECT_EQ(numbers[2].digits, ""); // "+86...": nothing the device can dial
    EXPECT_EQ(numbers[2].Outcome(), Reach::NeverDialled);
    EXPECT_EQ(outcome.OfLine(5), nullptr);
    EXPECT_EQ(numbers[3].digits, "1234567890123");
    EXPECT_EQ(numbers[3].Outcome(), Reach::Reached);
    EXPECT_EQ(numbers[4].Attempts(), 0u);
    EXPECT_FALSE(numbers[4].last);

    // 99999 and 075 are not on the list; a date that does not exist and a
    // call in are no calls out of the list.
    EXPECT_EQ(outcome.OtherRecords(), 2u);
    ASSERT_EQ(outcome.Unread(), 2u);
    EXPECT_EQ(outcome.UnreadLines()[0].line, 7u);
    EXPECT_EQ(outcome.UnreadLines()[0].reason, "date \"2026/2/30 1:0:0\" is not a date");
    EXPECT_EQ(outcome.UnreadLines()[1].reason, "type \"2\" is no call out");
    EXPECT_EQ(outcome.RecordLines(), 10u);
    EXPECT_EQ(outcome.FirstDay(), year(2026) / January / 1);
    EXPECT_EQ(outcome.LastDay(), year(2026) / January / 3);

    const OutcomeTotals totals = outcome.Totals();
    EXPECT_EQ(TotalsText(totals),
              "5 numbers: 2 reached, 1 dialled and not reached, 2 never dialled");
}

TEST(ListOutcome, OnlyTheRangeOfDaysCounts) {
    ListOutcome outcome(kList, {year(2026) / January / 2, year(2026) / January / 2});
    outcome.TakeText(kRecords);
    const NumberOutcome& twice = outcome.Numbers()[0];
    EXPECT_EQ(twice.Attempts(), 1u);
    EXPECT_EQ(twice.Outcome(), Reach::NotReached);
    EXPECT_EQ(outcome.Numbers()[1].failed, 1u);
    EXPECT_EQ(outcome.Numbers()[3].Outcome(), Reach::NeverDialled); // called on January 1
    EXPECT_EQ(outcome.OtherRecords(), 0u);

    EXPECT_EQ(RangeProblem({year(2026) / May / 1, year(2026) / April / 1}),
              "The first day, 2026-05-01, is after the last, 2026-04-01: no day to count");
    EXPECT_FALSE(RangeProblem({year(2026) / May / 1, year(2026) / May / 1}));
    EXPECT_FALSE(RangeProblem({std::nullopt, year(2026) / May / 1}));
}

TEST(ListOutcome, TheNextListHoldsTheLinesNotReachedAsTheyStood) {
    ListOutcome outcome(kList);
    outcome.TakeText(kRecords);

    const NextList failed = NotReachedLines(kList, outcome, NotReached::FailedOnly);
    EXPECT_EQ(failed.lines, (Lines{"2,B\xD5\xC5,0755-1234"}));
    EXPECT_EQ(failed.failedLines, 1u);
    EXPECT_EQ(failed.neverDialledLines, 0u);

    const NextList all = NotReachedLines(kList, outcome, NotReached::FailedAndNeverDialled,
                                         BlockedNumbers({"13900003333"}));
    EXPECT_EQ(all.lines, (Lines{kList[1], kList[3]}));
    EXPECT_EQ(all.neverDialledLines, 1u);
    EXPECT_EQ(all.blockedLines, 1u); // line 7's number is never to be called

    // A number on two lines comes back on both.
    const Lines twice = {"1\tA\t555", "2\tB\t555", "3\tC\t556"};
    ListOutcome none(twice);
    EXPECT_EQ(NotReachedLines(twice, none, NotReached::FailedAndNeverDialled).lines, twice);
}

TEST(ListOutcome, TextsCountWithThousandsApartAndQuoteCsvCells) {
    EXPECT_EQ(GroupedCount(0), "0");
    EXPECT_EQ(GroupedCount(570), "570");
    EXPECT_EQ(GroupedCount(9000), "9 000");
    EXPECT_EQ(GroupedCount(1000000), "1 000 000");
    OutcomeTotals totals{9000, {6120, 2310, 570}};
    EXPECT_EQ(TotalsText(totals),
              "9 000 numbers: 6 120 reached, 2 310 dialled and not reached, 570 never dialled");
    EXPECT_EQ(TotalsText({1, {0, 0, 1}}),
              "1 number: 0 reached, 0 dialled and not reached, 1 never dialled");

    ListOutcome outcome(kList);
    outcome.TakeText(kRecords);
    EXPECT_EQ(OutcomeCells(outcome.Numbers()[0], kList),
              (std::vector<std::string>{"13800001111", "Ann", "1", "1, 3", "2", "1", "1",
                                        "2026-01-03 09:00:00", "connected", "0:01:30", "reached"}));
    EXPECT_EQ(OutcomeCells(outcome.Numbers()[2], kList)[0], "+8613900002222");
    EXPECT_EQ(OutcomeCells(outcome.Numbers()[4], kList)[9], ""); // no talking time to tell
    EXPECT_EQ(OutcomeHeader().size(), kOutcomeColumns);
    EXPECT_EQ(SetApartText(outcome),
              "2 calls of numbers not on the list; 2 lines of CallOutList.txt could not be read "
              "and are not counted, the first: line 7: date \"2026/2/30 1:0:0\" is not a date");
    EXPECT_EQ(CsvLine({"a", "b,c", "say \"hi\"", ""}), "a,\"b,c\",\"say \"\"hi\"\"\",");
}

// Lines cut across the pieces a file is read in: a CR LF split between two
// pieces is one line end, not two.
TEST(OutcomeFiles, LinesAreReadWholeAcrossPiecesWhateverTheirEnds) {
    test::TempFolder folder;
    std::string text(kPieceBytes - 5, 'x');
    text += "\r\nab\r\ncd\ref\n";
    text[kPieceBytes - 1] = '\r';
    text[kPieceBytes] = '\n';
    text += std::string(kPieceBytes, 'y') + "\r";
    for (const std::string& ending : {std::string(), std::string("z")}) {
        const auto file = folder / "lines.txt";
        test::Spit(file, text + ending);
        Lines read;
        ForEachFileLine(file, [&](std::string_view line) { read.emplace_back(line); });
        EXPECT_EQ(read, SplitLines(text + ending));
    }
    EXPECT_THROW(ForEachFileLine(folder.path(), [](std::string_view) {}), FileError);
}

TEST(OutcomeFiles, TheOutcomeReadsTheFolderAndNamesWhatItCannotRead) {
    test::TempFolder root;
    const WorkFolder folder(root.path());
    folder.Prepare();
    test::Spit(folder.File(file::kLoadNumber), "1\tA\t555\r\n2\tB\t556\r\n");
    test::Spit(folder.File(file::kCallOutList),
               test::ListText({{.number = "555", .type = "1"}, {.number = "556"}}));
    RoundOutcome round = ComputeOutcome(folder, {}, {}, Utf8Encoding());
    EXPECT_EQ(round.listFile, folder.File(file::kLoadNumber));
    EXPECT_EQ(TotalsText(round.outcome.Totals()),
              "2 numbers: 1 reached, 1 dialled and not reached, 0 never dialled");
    const auto calls = CallsOfNumber(folder.File(file::kCallOutList), "556", {});
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].line, 2u);
    EXPECT_TRUE(calls[0].when.connected);

    // A list file named that is a folder, and one a UTF-8 file with its mark.
    try {
        ComputeOutcome(folder, root.path(), {}, Utf8Encoding());
        FAIL() << "a folder was read as a list";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), root.path());
        EXPECT_NE(std::string(e.what()).find("is a folder"), std::string::npos);
    }
    test::Spit(root / "other.txt", "\xEF\xBB\xBF"
                                   "7,Z,556\r\n");
    round = ComputeOutcome(folder, root / "other.txt", {}, Utf8Encoding());
    EXPECT_EQ(round.list, (Lines{"7,Z,556"}));
    EXPECT_FALSE(IsWorkingList(folder, root / "other.txt"));
    EXPECT_TRUE(IsWorkingList(folder, root.path() / "." / "LoadNumber.txt"));
}

TEST(OutcomeFiles, ReplacingTheListRefusesOneChangedMeanwhile) {
    test::TempFolder root;
    const WorkFolder folder(root.path());
    folder.Prepare();
    test::Spit(folder.File(file::kLoadNumber), "1\tA\t555\r\n2\tB\t556\r\n");
    const Lines read = {"1\tA\t555", "2\tB\t556"};
    EXPECT_FALSE(ReplaceWorkingList(folder, {"1\tA\t555"}, {"x"}));
    EXPECT_EQ(test::Slurp(folder.File(file::kLoadNumber)), "1\tA\t555\r\n2\tB\t556\r\n");
    EXPECT_TRUE(ReplaceWorkingList(folder, read, {"2\tB\t556"}));
    EXPECT_EQ(test::Slurp(folder.File(file::kLoadNumber)), "2\tB\t556\r\n");

    SaveNumberListFile(root / "next.txt", {"2,B\xD5\xC5,556", ""});
    EXPECT_EQ(test::Slurp(root / "next.txt"), "2,B\xD5\xC5,556\r\n\r\n");
    EXPECT_THROW(SaveNumberListFile(root.path(), {"x"}), FileError);
}

} // namespace
} // namespace mervadin
