#include "cli/commands.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "support/workbook.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace mervadin {
namespace {

using test::RunCli;

TEST(Cli, InitAndConfigRoundTrip) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + (temp / "wd").string() + "' ";
    EXPECT_EQ(RunCli(wd + "init").status, 0);
    EXPECT_EQ(ReadLines(temp / "wd" / "Config.txt").size(), 70u);

    EXPECT_EQ(RunCli(wd + "config get phone=").out, "2\n");
    EXPECT_EQ(RunCli(wd + "config get phone").out, "2\n");
    EXPECT_EQ(RunCli(wd + "config get-int 'connected delay sms='").out, "0\n");
    EXPECT_EQ(RunCli(wd + "config set sms= 'a=b '").status, 0);
    EXPECT_EQ(RunCli(wd + "config get sms=").out, "a=b \n");
    EXPECT_EQ(RunCli(wd + "config set mic= abc").status, 0);
    EXPECT_EQ(RunCli(wd + "config get-int mic=").out, "0\n");
    EXPECT_EQ(RunCli(wd + "config defaults").status, 0);
    EXPECT_EQ(RunCli(wd + "config get sms=").out, "\n");
    // A key none of the settings has is taken, but said; one they have is not.
    EXPECT_EQ(RunCli(wd + "config get 'hoster number'").err, "");
    const auto mistyped = RunCli(wd + "config set phon 7");
    EXPECT_EQ(mistyped.status, 0);
    EXPECT_EQ(mistyped.err, "mervadin-cli: warning: \"phon=\" is none of the settings' keys\n");
    EXPECT_EQ(RunCli(wd + "config get phon=").out, "7\n");
    EXPECT_EQ(RunCli(wd + "config get phone=").out, "2\n");

    // The settings block cuts a text field at a whole character of the
    // chosen encoding: "a" and eight two-byte GB18030 characters hold 17 bytes.
    const std::string gb = "\\262\\342\\312\\324";
    EXPECT_EQ(RunCli(wd + "config set pin= \"$(printf 'a" + gb + gb + gb + gb + "')\"").status, 0);
    const auto pinLine = [&](const std::string& encoding) {
        const std::string block = RunCli(wd + encoding + "settings-block").out;
        return block.substr(30 * 48, 47); // the line of bytes 480-495
    };
    EXPECT_EQ(pinLine("--encoding GB18030 "), "61 B2 E2 CA D4 B2 E2 CA D4 B2 E2 CA D4 B2 E2 00");
    EXPECT_EQ(pinLine(""), "61 B2 E2 CA D4 B2 E2 CA D4 B2 E2 CA D4 B2 E2 CA");
    EXPECT_EQ(RunCli(wd + "--encoding no-such settings-block").status, 2);

    // init again changes nothing that exists.
    test::Spit(temp / "wd" / "Config.txt", "1\n2\n3\n4\n5\n");
    EXPECT_EQ(RunCli(wd + "init").status, 0);
    EXPECT_EQ(test::Slurp(temp / "wd" / "Config.txt"), "1\n2\n3\n4\n5\n");
}

TEST(Cli, WritersAtTheSameTimeLoseNothing) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + (temp / "wd").string() + "' ";
    ASSERT_EQ(RunCli(wd + "init").status, 0);
    const std::string cli = std::string(MERVADIN_CLI_PATH) + " " + wd;
    const std::string script =
        "for i in $(seq 1 40); do " + cli + "config set \"extra$i=\" \"v$i\" & done; wait";
    ASSERT_EQ(std::system(script.c_str()), 0);
    const Lines lines = ReadLines(temp / "wd" / "Config.txt");
    for (int i = 1; i <= 40; ++i) {
        const std::string line = "extra" + std::to_string(i) + "=v" + std::to_string(i);
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST(Cli, BadUsageAndMissingFiles) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + temp.path().string() + "' ";
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("nonsense").status, 2);
    EXPECT_EQ(RunCli("config").status, 2);
    EXPECT_EQ(RunCli("config get").status, 2);
    EXPECT_EQ(RunCli("password change 1 2").status, 2);
    EXPECT_EQ(RunCli("frame 'no markers here'").status, 2);
    EXPECT_EQ(RunCli(wd + "password change 6093 12345 12345").status, 2);
    EXPECT_EQ(RunCli(wd + "settings-block --at '2024-02-30 00:00:00'").status, 2);
    EXPECT_EQ(RunCli(wd + "config set '' x").status, 2);
    EXPECT_EQ(RunCli(wd + "config set \"$(printf 'a\\nb')\" x").status, 2);
    EXPECT_EQ(RunCli(wd + "password change \"$(printf '1\\n2')\" 1 1").status, 2);
    test::Spit(temp / "afile", "x");
    EXPECT_EQ(RunCli("--workdir '" + (temp / "afile").string() + "' config get phone=").status, 2);
    // Block files that are not regular files are refused without reading them.
    EXPECT_EQ(RunCli(wd + "decode-cdr /dev/zero").status, 2);
    EXPECT_EQ(RunCli(wd + "decode-cdr '" + temp.path().string() + "'").status, 2);
    // Config.txt does not exist before init: a file that cannot be read, so
    // bad input (2), as for every command; not a crash.
    EXPECT_EQ(RunCli(wd + "config get phone=").status, 2);

    // Arguments that name nothing usable are bad arguments, whatever the
    // subcommand: extra words, unknown options, empty or broken values.
    ASSERT_EQ(RunCli(wd + "init").status, 0);
    for (const char* arguments : {"status extra",
                                  "show-numbers extra",
                                  "write-numbers --bogus",
                                  "monitor --frames -1",
                                  "monitor --frames x",
                                  "import-numbers --format csv a.txt",
                                  "import-numbers",
                                  "import-numbers /nonexistent/list.txt",
                                  "import-numbers /",
                                  "config get ''",
                                  "config get-int \"$(printf 'a\\nb')\"",
                                  "config set 'k=' \"$(printf 'a\\nb')\"",
                                  "settings-block --at ''",
                                  "settings-block --at 'now'",
                                  "--device bogus status",
                                  "--device 'unix:' status",
                                  "--trace /nonexistent/dir/trace.txt --device sim status",
                                  "--encoding bogus status",
                                  "write-voice ''",
                                  "decode-cdr ''",
                                  "frame ''",
                                  "password change a b"})
        EXPECT_EQ(RunCli(wd + arguments).status, 2) << arguments;
}

TEST(Cli, StatsAndExportsOfTheCallLists) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + temp.path().string() + "' ";
    ASSERT_EQ(RunCli(wd + "init").status, 0);
    const auto line = [](const char* group, const char* type, const char* date, const char* talk) {
        return std::string("Group[") + group + "],\tName[a,b],\tNumber[01],\tType[" + type +
               "],\tDate[" + date + "],\tDuration[" + talk + "],\tRemark[Type[2]]\r\n";
    };
    test::Spit(temp / "CallOutList.txt", line("1", "0", "2026/3/1 1:0:0", "0:2:0") +
                                             line("1", "1", "2026/3/2 1:0:0", "0:0:0") +
                                             line("2", "0", "bad", "0:0:1"));
    test::Spit(temp / "CallInList.txt", line("2", "2", "2026/3/2 1:0:0", "0:1:0"));
    EXPECT_EQ(RunCli(wd + "stats --csv").out,
              ",Succeeded,Failed,Answered,Missed,Manual,Calls,Success rate,Answer rate,"
              "Talking time,Average talk\r\n"
              "All,1,1,1,0,0,3,50.0%,100.0%,0:03:00,0:01:30\r\n");
    const auto byDay = RunCli(wd + "stats --by day --from 2026-03-02 --csv");
    EXPECT_NE(byDay.out.find("2026-03-02,0,1,1,0,0,2,0.0%,100.0%,0:01:00,0:01:00"),
              std::string::npos)
        << byDay.out;
    EXPECT_EQ(RunCli(wd + "stats --by week").status, 2);
    EXPECT_EQ(RunCli(wd + "stats --to 2026-02-30").status, 2);
    ASSERT_EQ(RunCli(wd + "export-records out '" + (temp / "out.csv").string() + "'").status, 0);
    EXPECT_NE(test::Slurp(temp / "out.csv").find("1,\"a,b\",01,CallOutSuccessed"),
              std::string::npos);
    EXPECT_EQ(test::Slurp(temp / "out.csv").substr(0, 8), "\xEF\xBB\xBFGroup");
    ASSERT_EQ(
        RunCli(wd + "export-records out --no-bom '" + (temp / "plain.csv").string() + "'").status,
        0);
    EXPECT_EQ(test::Slurp(temp / "plain.csv").substr(0, 5), "Group");
    // A workbook written and one read back through the command line.
    EXPECT_EQ(RunCli(wd + "export-records in '" + (temp / "in.xlsx").string() + "'").status, 0);
    EXPECT_NE(test::Slurp(temp / "in.xlsx").find("xl/worksheets/sheet1.xml"), std::string::npos);
    test::Workbook book;
    book.sheets = {test::InlineRow(3, "1", "Ann", "13800000001") +
                   test::InlineRow(4, "2", "Bob", "13800000002")}; // rows 1 and 2: headings
    test::WriteWorkbook(temp / "numbers.xlsx", book);
    ASSERT_EQ(RunCli(wd + "import-numbers '" + (temp / "numbers.xlsx").string() + "'").status, 0);
    EXPECT_NE(RunCli(wd + "show-numbers").out.find("13800000002"), std::string::npos);
    EXPECT_EQ(RunCli(wd + "export-records in '" + (temp / "in.txt").string() + "'").status, 2);
    EXPECT_EQ(RunCli(wd + "export-records both x.csv").status, 2);

    // The same filter for showing, exporting and counting.
    const auto shownLine = [&](const char* group, const char* type, const char* date,
                               const char* talk) {
        const std::string stored = line(group, type, date, talk);
        return stored.substr(0, stored.size() - 2) + "\n";
    };
    const auto shown = RunCli(wd + "show-records out --type CallOutSuccessed --group 1");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, shownLine("1", "0", "2026/3/1 1:0:0", "0:2:0"));
    EXPECT_EQ(shown.err, "1 of 3 lines\n");
    EXPECT_EQ(RunCli(wd + "show-records out --from 2026-03-02").out,
              shownLine("1", "1", "2026/3/2 1:0:0", "0:0:0"));
    EXPECT_EQ(RunCli(wd + "show-records in --number 9").err, "0 of 1 lines\n");
    ASSERT_EQ(
        RunCli(wd + "export-records out --no-bom --type 1 '" + (temp / "failed.csv").string() + "'")
            .status,
        0);
    EXPECT_EQ(test::Slurp(temp / "failed.csv"),
              "Group,Name,Number,Type,Date,Duration,Remark\r\n"
              "1,\"a,b\",01,CallOutFailed,2026/3/2 1:0:0,0:0:0,Type[2\r\n");
    // Group 2: the answered call; its call out has no date and is not counted.
    EXPECT_NE(RunCli(wd + "stats --csv --group 2").out.find("All,0,0,1,0,0,1,"), std::string::npos);
    const auto bad = RunCli(wd + "show-records out --type Answered");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--type \"Answered\" is not a call type"), std::string::npos);
}

TEST(Cli, StatusReportsWhetherADeviceIsPresent) {
    const auto sim = RunCli("--device sim status");
    EXPECT_EQ(sim.status, 0);
    EXPECT_EQ(sim.out, "USB Connected\n");
    EXPECT_EQ(RunCli("--simulator status").status, 0);
    const auto none = RunCli("--device unix:/nonexistent/socket status");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "USB No Connect\n");
    EXPECT_EQ(RunCli("--device bogus status").status, 2);
    // With no device attached, the list stays empty for scripts and a
    // person is told why.
    const auto list = RunCli("list-devices");
    EXPECT_EQ(list.status, 0);
    if (list.out.empty()) {
        EXPECT_EQ(list.err,
                  "mervadin-cli: no device attached (USB HID vendor 0416, product 5020)\n");
    }
}

TEST(Cli, MonitorPrintsStatusLinesAndTakesCommands) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + temp.path().string() + "' ";
    ASSERT_EQ(RunCli(wd + "init").status, 0);
    const auto run = RunCli(wd + "--device sim monitor --frames 2");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    EXPECT_EQ(run.out.rfind("M-Station:Idel; ", 0), 0u);
    // Levels past what the device takes are refused, each named.
    const auto off =
        RunCli(wd + "--device sim monitor", "spk 3\nspk 10\nmic 15\nmic 16\nbogus\noff\n");
    EXPECT_EQ(off.status, 0);
    for (const char* refused : {"\"spk 10\"", "\"mic 16\"", "\"bogus\""})
        EXPECT_NE(off.err.find(refused), std::string::npos) << refused;
    EXPECT_EQ(off.err.find("\"mic 15\""), std::string::npos);
    EXPECT_EQ(RunCli(wd + "--device unix:/nonexistent monitor").status, 1);
}

// A command that stores into a working folder not made yet makes it and
// its data files first, as the window does at start.
TEST(Cli, ReadingIntoANewFolderMakesItsFilesFirst) {
    test::TempFolder temp;
    const auto fresh = temp / "not yet";
    const auto read = RunCli("--workdir '" + fresh.string() + "' --device sim read-cdr");
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.err, "");
    EXPECT_EQ(ReadLines(fresh / "ReadFile.txt").size(), 40u);
    EXPECT_FALSE(ReadLines(fresh / "CallOutList.txt").empty());
    EXPECT_TRUE(std::filesystem::exists(fresh / "LoadNumber.txt"));
}

TEST(Cli, WritesTheSettingsUnlessANumberFieldHoldsLetters) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + temp.path().string() + "' ";
    ASSERT_EQ(RunCli(wd + "init").status, 0);
    const auto written = RunCli(wd + "--device sim write-settings");
    EXPECT_EQ(written.status, 0);
    EXPECT_NE(written.out.find("Write Setting OK!"), std::string::npos);
    ASSERT_EQ(RunCli(wd + "config set 'pick up call all time=' 9x9").status, 0);
    const auto refused = RunCli(wd + "--device sim write-settings");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("\"pick up call all time=9x9\" is not a number"), std::string::npos);
}

TEST(Cli, PacksAndWritesTheNumberList) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + (temp / "wd").string() + "' ";
    ASSERT_EQ(RunCli(wd + "init").status, 0);
    WriteLines(temp / "wd" / "LoadNumber.txt", {"12\tAlice\t8642"});
    const auto packed = RunCli(wd + "pack-numbers");
    EXPECT_EQ(packed.status, 0);
    EXPECT_EQ(packed.out.substr(0, 96), "41 6C 69 63 65 00 FF FF FF FF FF FF FF FF FF FF\n"
                                        "00 00 C8 64 2F FF FF FF FF FF FF FF FF FF FF FF\n");
    EXPECT_EQ(std::count(packed.out.begin(), packed.out.end(), '\n'), 32);

    const auto written = RunCli(wd + "--device sim write-numbers");
    EXPECT_EQ(written.status, 0);
    EXPECT_NE(written.out.find("Write Number OK!"), std::string::npos);

    test::Spit(temp / "voice.bin", std::string(700, 'v'));
    const auto voice =
        RunCli(wd + "--device sim write-voice '" + (temp / "voice.bin").string() + "'");
    EXPECT_EQ(voice.status, 0);
    EXPECT_NE(voice.out.find("[OK]   写语音完成!"), std::string::npos);
    EXPECT_EQ(RunCli(wd + "--device sim write-voice '" + (temp / "none.bin").string() + "'").status,
              2);

    const auto clean = RunCli(wd + "check-numbers");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.err, "1 line checked, nothing found\n");

    WriteLines(temp / "wd" / "LoadNumber.txt", {"12\tAlice\t8642", "\tno group\t1"});
    const auto checked = RunCli(wd + "check-numbers");
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, "line 2: the GROUP is not a number (the list cannot be written)\n");
    EXPECT_EQ(checked.err, "2 lines checked. 1 finding: 1 group not a number\n");
    // Another list named on the command line; one that cannot be read is a bad argument.
    WriteLines(temp / "other.txt", {"1,,5", "1,B,5"});
    EXPECT_EQ(RunCli(wd + "check-numbers '" + (temp / "other.txt").string() + "'").out,
              "line 1: the NAME is empty\nline 2: the NUMBER is also on line 1\n");
    const auto missing = RunCli(wd + "check-numbers '" + (temp / "none.txt").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
    EXPECT_EQ(RunCli(wd + "pack-numbers").status, 2);
    const auto refused = RunCli(wd + "--device sim write-numbers");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
}

TEST(Cli, FrameAndVerify) {
    const auto built = RunCli("frame 'velorn<okok!okok!okok!okok!checksum:000000;>end'");
    EXPECT_EQ(built.status, 0);
    EXPECT_EQ(built.out, "velorn<okok!okok!okok!okok!checksum:000A05;>end\n");

    EXPECT_EQ(RunCli("verify").status, 1);
    EXPECT_EQ(RunCli("verify", built.out).status, 0);

    std::istringstream damaged("velorn<okok!okok!okok!okok!checksum:000A06;>end");
    std::ostringstream out, err;
    EXPECT_EQ(cli::Verify({damaged, out, err}), cli::kFailure);
    EXPECT_EQ(out.str(), "damaged\n");
}

TEST(Cli, PasswordChangePrintsTheWindowsMessages) {
    test::TempFolder temp;
    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    std::istringstream in;
    std::ostringstream out, err;
    cli::Streams io{in, out, err};
    EXPECT_EQ(cli::ChangePasswordCommand(folder, "1", "2", "2", io), cli::kFailure);
    EXPECT_EQ(cli::ChangePasswordCommand(folder, "6093", "2", "3", io), cli::kFailure);
    EXPECT_EQ(cli::ChangePasswordCommand(folder, "6093", "42", "42", io), cli::kSuccess);
    EXPECT_EQ(out.str(), "[Warning] Old Password ERROR!!\n"
                         "[Warning] New Password ERROR!!\n"
                         "[OK] New Password OK!!\n");
    EXPECT_EQ(ReadLines(folder.File("Password.txt"))[2], "Password2=42");
}

} // namespace
} // namespace mervadin
