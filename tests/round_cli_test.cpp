// The calling round from the command line: the outcome of a list, the next
// list, the numbers never to call and the report, run as the operator
// runs mervadin-cli.

#include "files/file_batch.h"
#include "support/call_lines.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

using test::RunCli;

class RoundCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli(wd + "init").status, 0);
        // 555 reached, 556 failed, 557 never called; a call of 999.
        test::Spit(File("LoadNumber.txt"), "1\tAnn\t555\r\n2,Bob,556\r\n3\tCy\t557\r\n");
        test::Spit(File("CallOutList.txt"),
                   test::ListText({{.number = "555", .date = "2026/3/1 9:0:0"},
                                   {.number = "556", .type = "1", .date = "2026/3/2 9:0:0"},
                                   {.number = "999", .date = "2026/3/3 9:0:0"}}));
    }
    std::filesystem::path File(const std::string& name) const { return temp / "wd" / name; }
    std::string Quoted(const std::filesystem::path& path) const {
        return "'" + path.string() + "' ";
    }

    test::TempFolder temp;
    const std::string wd = "--workdir '" + (temp / "wd").string() + "' ";
};

TEST_F(RoundCli, TheOutcomeAndTheNextList) {
    const auto csv = RunCli(wd + "outcome --csv");
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out,
              "Number,Name,Group,Lines,Calls,Connected,Failed,Last call,Last result,Talking "
              "time,Outcome\r\n"
              "555,Ann,1,1,1,1,0,2026-03-01 09:00:00,connected,0:00:05,reached\r\n"
              "556,Bob,2,2,1,0,1,2026-03-02 09:00:00,failed,0:00:00,not reached\r\n"
              "557,Cy,3,3,0,0,0,,,,never dialled\r\n");
    EXPECT_EQ(csv.err, "3 numbers: 1 reached, 1 dialled and not reached, 1 never dialled\n"
                       "1 calls of numbers not on the list\n");
    EXPECT_EQ(RunCli(wd + "outcome --from 2026-03-02 --csv").err,
              "3 numbers: 0 reached, 1 dialled and not reached, 2 never dialled\n"
              "1 calls of numbers not on the list\n");

    // Bad input: a reversed range, a day that is none, a list that is a
    // folder; nothing is written.
    const auto reversed = RunCli(wd + "outcome --from 2026-03-05 --to 2026-03-01 --not-reached " +
                                 Quoted(temp / "next.txt"));
    EXPECT_EQ(reversed.status, 2);
    EXPECT_EQ(reversed.err, "mervadin-cli: The first day, 2026-03-05, is after the last, "
                            "2026-03-01: no day to count\n");
    EXPECT_EQ(RunCli(wd + "outcome --to 2026-02-30").status, 2);
    const auto folder = RunCli(wd + "outcome " + Quoted(temp.path()) + "--not-reached " +
                               Quoted(temp / "next.txt"));
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err, "mervadin-cli: " + temp.path().string() + ": is a folder, not a file\n");
    EXPECT_FALSE(std::filesystem::exists(temp / "next.txt"));
    EXPECT_EQ(RunCli(wd + "outcome --stray").status, 2);

    // The next list: failed and never dialled by default, failed only when
    // asked; blocked numbers left out; LoadNumber.txt itself replaced.
    const auto next = RunCli(wd + "outcome --not-reached " + Quoted(temp / "next.txt"));
    EXPECT_EQ(next.status, 0);
    EXPECT_EQ(test::Slurp(temp / "next.txt"), "2,Bob,556\r\n3\tCy\t557\r\n");
    EXPECT_NE(next.err.find("2 lines written to " + (temp / "next.txt").string() + ".\n"),
              std::string::npos);
    ASSERT_EQ(RunCli(wd + "block add 557").status, 0);
    const auto replaced = RunCli(wd + "outcome --not-reached " + Quoted(File("LoadNumber.txt")));
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(test::Slurp(File("LoadNumber.txt")), "2,Bob,556\r\n");
    EXPECT_NE(replaced.err.find("1 lines with numbers never to call were left out.\n"),
              std::string::npos);
    const auto none = RunCli(wd + "outcome --failed-only --from 2026-03-03 --not-reached " +
                             Quoted(temp / "empty.txt"));
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.err.find("No line of the list is left to call: nothing was written."),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(temp / "empty.txt"));
}

TEST_F(RoundCli, TheBlockListKeepsItsNumbersOutOfEveryListAndOffTheDevice) {
    const auto added = RunCli(wd + "block add 556 ' 557 ' 556");
    EXPECT_EQ(added.status, 0);
    EXPECT_EQ(added.out, "added 556\nadded 557\n");
    EXPECT_EQ(added.err, "556 is on the block list already\n");
    EXPECT_EQ(test::Slurp(File("BlockList.txt")), "556\r\n557\r\n");
    const auto letters = RunCli(wd + "block add 558 55x");
    EXPECT_EQ(letters.status, 2);
    EXPECT_EQ(letters.err, "mervadin-cli: \"55x\" is not a number: digits only\n");
    EXPECT_EQ(test::Slurp(File("BlockList.txt")), "556\r\n557\r\n");
    EXPECT_EQ(RunCli(wd + "block show").out, "556\n557\n");
    EXPECT_EQ(RunCli(wd + "block show 557").status, 0);
    const auto shown = RunCli(wd + "block show 557 555");
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.out, "557: blocked (line 2)\n555: not blocked\n");
    EXPECT_EQ(RunCli(wd + "block remove 557").out, "removed 557\n");
    EXPECT_EQ(RunCli(wd + "block").status, 2);

    // The check names the blocked line, the packing and the write leave it
    // out: the device never receives its record.
    const auto checked = RunCli(wd + "check-numbers");
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, "line 2: the NUMBER is never to be called (BlockList.txt), left out: "
                           "556\n");
    const auto trace = temp / "trace.txt";
    const auto written = RunCli(wd + "--device sim --trace " + Quoted(trace) + "write-numbers");
    EXPECT_EQ(written.status, 0);
    EXPECT_NE(written.err.find("line 2: the NUMBER is never to be called (BlockList.txt)"),
              std::string::npos);
    const std::string frames = test::Slurp(trace);
    EXPECT_NE(frames.find("Ann"), std::string::npos);
    EXPECT_NE(frames.find("Cy"), std::string::npos);
    EXPECT_EQ(frames.find("Bob"), std::string::npos);

    // Imports leave it out and say how many.
    test::Spit(temp / "new.txt", "7,Dee,556\r\n8,Eve,600\r\n");
    const auto imported = RunCli(wd + "import-numbers " + Quoted(temp / "new.txt"));
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.err, "1 lines with numbers never to call were left out.\n");
    EXPECT_EQ(test::Slurp(File("LoadNumber.txt")), "8,Eve,600\r\n");

    // A block list spoilt by hand stops them all, naming its line.
    test::Spit(File("BlockList.txt"), "556\r\nJohn\r\n");
    const std::string named = "mervadin-cli: " + File("BlockList.txt").string() +
                              ": line 2 holds \"John\", which is not a number: one number a line, "
                              "digits only\n";
    for (const char* command : {"check-numbers", "pack-numbers", "--device sim write-numbers",
                                "block add 1", "block show"}) {
        const auto refused = RunCli(wd + command);
        EXPECT_EQ(refused.status, 2) << command;
        EXPECT_EQ(refused.err, named) << command;
    }
    EXPECT_EQ(RunCli(wd + "import-numbers " + Quoted(temp / "new.txt")).status, 2);
    EXPECT_EQ(test::Slurp(File("LoadNumber.txt")), "8,Eve,600\r\n");

    test::Spit(temp / "dnc.txt", "600\r\n601\r\n");
    test::Spit(File("BlockList.txt"), "");
    EXPECT_EQ(RunCli(wd + "block import " + Quoted(temp / "dnc.txt")).out,
              "2 added, 0 on the block list already\n");
    EXPECT_EQ(RunCli(wd + "block import " + Quoted(temp / "none.txt")).status, 2);
}

TEST_F(RoundCli, TheStatisticsReportAsAPdf) {
    const auto report = RunCli(wd + "stats --pdf " + Quoted(temp / "report.pdf") + "--outcome");
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(test::Slurp(temp / "report.pdf").substr(0, 5), "%PDF-");
    EXPECT_NE(report.err.find("The report, 1 page, is in "), std::string::npos);
    EXPECT_NE(report.out.find("All"), std::string::npos); // the table as ever

    EXPECT_EQ(RunCli(wd + "stats --outcome").status, 2);
    const auto badList = RunCli(wd + "stats --pdf " + Quoted(temp / "none.pdf") + "--list " +
                                Quoted(temp / "missing.txt"));
    EXPECT_EQ(badList.status, 2);
    EXPECT_FALSE(std::filesystem::exists(temp / "none.pdf"));
    const auto onFolder = RunCli(wd + "stats --pdf " + Quoted(temp.path()));
    EXPECT_EQ(onFolder.status, 1);
}

} // namespace
} // namespace mervadin
