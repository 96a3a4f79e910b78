// The command line against hostile files, arguments and peers.

#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

namespace mervadin {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

std::size_t ReadLinesOf(const fs::path& file) {
    const std::string text = test::Slurp(file);
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class CliHardening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli("--workdir " + Quoted(work) + " init").status, 0);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    }
    test::CliRun Cli(const std::string& arguments, const std::string& input = "") {
        return RunCli("--workdir " + Quoted(work) + " " + arguments, input);
    }
    // Puts a link to the FIFO in the place of a data file.
    void LinkToFifo(const fs::path& file) {
        fs::remove(file);
        fs::create_symlink(fifo, file);
    }

    test::TempFolder temp;
    fs::path work = temp / "W";
    fs::path fifo = temp / "fifo";
};

TEST_F(CliHardening, NoSaveReplacesAFifoOrDeviceBehindALink) {
    test::Spit(temp / "numbers.txt", "1\tAnn\t123\r\n");
    test::Spit(temp / "blocks.bin", std::string(512, '\xFF'));
    const std::pair<const char*, std::string> cases[] = {
        {"LoadNumber.txt", "clear-numbers"},
        {"LoadNumber.txt", "import-numbers " + Quoted(temp / "numbers.txt")},
        {"Config.txt", "config defaults"},
        {"ReadFile.txt", "decode-cdr " + Quoted(temp / "blocks.bin")},
        {"CallOutListBackup.txt", "decode-cdr " + Quoted(temp / "blocks.bin")},
        {"CallInListBackup.txt", "decode-cdr " + Quoted(temp / "blocks.bin")},
        {"CallOutSuccessed.txt", "rebuild-kinds"},
    };
    for (const auto& [file, command] : cases) {
        const auto kept = test::Slurp(work / file);
        LinkToFifo(work / file);
        const auto run = Cli(command);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.err.find(file), std::string::npos) << command << ": " << run.err;
        EXPECT_NE(run.err.find("a FIFO"), std::string::npos) << command << ": " << run.err;
        EXPECT_TRUE(fs::is_fifo(fifo)) << command;
        fs::remove(work / file);
        test::Spit(work / file, kept);
    }
    fs::create_symlink(fifo, temp / "x.csv");
    EXPECT_EQ(Cli("export-records out " + Quoted(temp / "x.csv")).status, 1);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(CliHardening, ListsOfEmptyLinesCostNoMoreMemoryThanTheirBytes) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own memory does not fit the limit";
#endif
    // 20 MB of bare CRs is 20 million lines; each command runs with 150 MB
    // of data memory, far less than a string per line would take.
    const std::string crs(20'000'000, '\r');
    for (const char* file : {"LoadNumber.txt", "Password.txt", "CallOutList.txt", "CallInList.txt"})
        test::Spit(work / file, crs);
    test::Spit(temp / "blocks.bin", std::string(2048, '\xFF'));
    const std::string limit = "sh -c 'ulimit -d 150000; exec \"$0\" \"$@\"' ";
    const auto run = [&](const std::string& command) {
        return test::RunCli("--workdir " + Quoted(work) + " " + command, "", 60, limit);
    };
    const auto shown = run("show-numbers");
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\nAll: 20000000;\nOnly Read:36000 Number\n"), std::string::npos);
    EXPECT_EQ(std::count(shown.out.begin(), shown.out.end(), '\n'), 36002);
    EXPECT_EQ(run("pack-numbers").status, 2); // an empty line has no group
    EXPECT_EQ(run("password change 6093 1 1").status, 1);
    EXPECT_EQ(run("export-records out " + Quoted(temp / "out.csv")).status, 0);
    EXPECT_EQ(run("stats").status, 0);
    const auto decoded = run("decode-cdr " + Quoted(temp / "blocks.bin"));
    EXPECT_EQ(decoded.status, 0) << decoded.err;
    // The backups hold the old lists, each line now ended with CR LF.
    EXPECT_EQ(std::filesystem::file_size(work / "CallOutListBackup.txt"), 40'000'000u);
}

TEST_F(CliHardening, ArgumentsAreTakenOnlyInTheirOwnForm) {
    test::Spit(temp / "numbers.txt", "1,a,2\r\n");
    for (const std::string& arguments :
         {std::string("import-numbers --format 1 ") + Quoted(temp / "numbers.txt"),
          std::string("--device sim monitor --frames 0"),
          std::string("--device sim monitor --frames ''"),
          std::string("--encoding \"$(printf 'UTF\\n-8')\" status"),
          std::string("settings-block --at \"$(printf '2026-12-08\\n10:00:00')\""),
          std::string("settings-block --at '2026-+1-+1 +0:+0:+0'"),
          std::string("settings-block --at ' 2026-01-01 00:00:00'"),
          std::string("--device sim --timeout 0 status")}) {
        const auto run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments << ": " << run.out;
        EXPECT_FALSE(run.err.empty()) << arguments;
    }
    EXPECT_EQ(RunCli("--workdir '' init").status, 2);
    EXPECT_EQ(Cli("settings-block --at '2026-1-1 0:0:0'").status, 0);

    // A template too long is told so, even when its tags lie past the limit.
    const auto longFrame = Cli("frame 'velorn<" + std::string(1100, 'x') + "checksum:000000;>end'");
    EXPECT_EQ(longFrame.status, 2);
    EXPECT_NE(longFrame.err.find("at most 600 bytes"), std::string::npos) << longFrame.err;

    // A trace that cannot be written is told, and the command fails.
    const auto traced = Cli("--device sim --trace /dev/full status");
    EXPECT_EQ(traced.status, 1);
    EXPECT_NE(traced.err.find("the trace could not be written"), std::string::npos) << traced.err;

    // A missing block file is called missing.
    const auto missing = Cli("decode-cdr " + Quoted(temp / "none.bin"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;
}

TEST_F(CliHardening, AFileThatCannotBeReadIsBadInputForEveryCommand) {
    // Root reads any file: the commands then run as nobody.
    const std::string as =
        ::geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
    if (!as.empty() && std::system("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "setpriv is needed to run as another user";
    fs::permissions(temp.path(), fs::perms(0755));
    test::Spit(temp / "numbers.txt", "1,a,2\r\n");
    test::Spit(temp / "blocks.bin", std::string(512, '\xFF'));
    test::Spit(temp / "voice.bin", "voice");
    test::Spit(temp / "book.xlsx", "not even a zip");
    for (const char* file : {"numbers.txt", "blocks.bin", "voice.bin", "book.xlsx"})
        fs::permissions(temp / file, fs::perms::none);
    ASSERT_EQ(std::system(("chown -R nobody '" + work.string() + "' 2>/dev/null || true").c_str()),
              0);
    fs::permissions(work / "LoadNumber.txt", fs::perms::none);
    for (const std::string& command :
         {"import-numbers " + Quoted(temp / "numbers.txt"),
          "import-numbers " + Quoted(temp / "book.xlsx"),
          "decode-cdr " + Quoted(temp / "blocks.bin"),
          "--device sim write-voice " + Quoted(temp / "voice.bin"), std::string("show-numbers"),
          std::string("pack-numbers"), std::string("check-numbers"),
          "check-numbers " + Quoted(temp / "numbers.txt"),
          std::string("--device sim write-numbers")}) {
        const auto run = RunCli("--workdir " + Quoted(work) + " " + command, "", 60, as);
        EXPECT_EQ(run.status, 2) << command << ": " << run.err;
        EXPECT_NE(run.err.find("cannot be read"), std::string::npos) << command << ": " << run.err;
    }
}

TEST_F(CliHardening, ALockHeldElsewhereIsWaitedForAndSaidOnce) {
    // Another process holds the folder's lock until the tool has said that
    // it waits (each step waited for, not timed); a killed writer's
    // temporary waits beside Config.txt. (The tool may not have opened
    // "said" yet when the first look comes: grep -s keeps quiet about that.)
    test::Spit(work / ".Config.txt.tmp123", "half");
    const std::string marks = Quoted(work.parent_path());
    const auto run = test::RunScript(
        "cd " + marks +
            " && touch hold\n"
            "flock '" +
            (work / ".mervadin.lock").string() +
            "' sh -c 'touch held; while [ -e hold ]; do sleep 0.05; done' &\n"
            "for i in $(seq 400); do [ -e held ] && break; sleep 0.05; done\n"
            "\"$CLI\" --workdir " +
            Quoted(work) +
            " config set phone= 7 2>said & tool=$!\n"
            "for i in $(seq 400); do grep -qs waiting said && break; sleep 0.05; done\n"
            "rm hold\nwait $tool; status=$?\ncat said >&2\nexit $status",
        30);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
              "mervadin-cli: waiting for another Mervadin working on " + work.string() + "\n");
    EXPECT_FALSE(fs::exists(work / ".Config.txt.tmp123"));
    EXPECT_EQ(Cli("config get phone=").out, "7\n");
}

// Four writers of the number list at once, forty times over: every one
// succeeds (no writer's temporary is taken from under it, no lock failure
// is ignored), and the list is always one of the two written, whole.
TEST_F(CliHardening, ConcurrentImportsAndClearsAllSucceed) {
    test::Spit(temp / "n.txt", "1,a,1\r\n");
    const auto run = test::RunScript(
        "cd " + Quoted(temp.path()) + "; w=" + Quoted(work) + "; n=" + Quoted(temp / "n.txt") +
            "; fails=0\n"
            "for round in $(seq 40); do\n"
            "  \"$CLI\" --workdir \"$w\" import-numbers \"$n\" >/dev/null 2>>errs & a=$!\n"
            "  \"$CLI\" --workdir \"$w\" clear-numbers >/dev/null 2>>errs & b=$!\n"
            "  \"$CLI\" --workdir \"$w\" import-numbers \"$n\" >/dev/null 2>>errs & c=$!\n"
            "  \"$CLI\" --workdir \"$w\" clear-numbers >/dev/null 2>>errs & d=$!\n"
            "  for p in $a $b $c $d; do wait $p || fails=$((fails+1)); done\n"
            "done\n"
            "cat errs >&2; echo $fails",
        300);
    EXPECT_EQ(run.out, "0\n") << run.err;
    EXPECT_EQ(run.err, "");
    const std::string list = test::Slurp(work / "LoadNumber.txt");
    EXPECT_TRUE(list.empty() || list == "1,a,1\r\n") << list;
    for (const auto& entry : fs::directory_iterator(work))
        EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos) << entry.path();
}

// A file its user may not write is never replaced, whoever runs the tool:
// the save is refused naming it, and it stays as it was. A file the user
// may write but not own is replaced, and the tool says whose it became.
TEST_F(CliHardening, ReadOnlyFilesAreRefusedAndOwnersAreKeptOrTold) {
    const bool root = ::geteuid() == 0;
    if (root && std::system("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "setpriv is needed to run as another user";
    const std::string as = root ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
    test::Spit(temp / "n.txt", "1,a,1\r\n");
    test::Spit(work / "out.csv", "kept\r\n");
    fs::permissions(temp.path(), fs::perms(0755));
    if (root) {
        ASSERT_EQ(std::system(("chown -R nobody " + Quoted(work)).c_str()), 0);
    }
    for (const char* file : {"LoadNumber.txt", "Config.txt", "out.csv"})
        fs::permissions(work / file, fs::perms(0444));
    const std::pair<const char*, std::string> cases[] = {
        {"LoadNumber.txt", "import-numbers " + Quoted(temp / "n.txt")},
        {"LoadNumber.txt", "clear-numbers"},
        {"Config.txt", "config set phone 3"},
        {"Config.txt", "config defaults"},
        {"out.csv", "export-records out " + Quoted(work / "out.csv")},
    };
    for (const auto& [file, command] : cases) {
        const std::string before = test::Slurp(work / file);
        const auto run = RunCli("--workdir " + Quoted(work) + " " + command, "", 60, as);
        EXPECT_EQ(run.status, 1) << command << ": " << run.err;
        EXPECT_NE(run.err.find((work / file).string() + ": is read-only"), std::string::npos)
            << command << ": " << run.err;
        EXPECT_EQ(test::Slurp(work / file), before) << command;
    }
    if (!root)
        return;
    // Root's file, which nobody may write: replaced, and said whose it became.
    fs::permissions(work / "LoadNumber.txt", fs::perms(0666));
    ASSERT_EQ(::chown((work / "LoadNumber.txt").c_str(), 0, 0), 0);
    const auto run = RunCli("--workdir " + Quoted(work) + " clear-numbers", "", 60, as);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "mervadin-cli: warning: " + (work / "LoadNumber.txt").string() +
                           ": replaced, but its owner and group (root:root) could not be kept: "
                           "it now belongs to nobody:nogroup\n");
    struct stat after {};
    ASSERT_EQ(::stat((work / "LoadNumber.txt").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
}

// --timeout bounds the wait for another Mervadin's lock of the folder too.
TEST_F(CliHardening, TimeoutEndsTheWaitForTheFolderLock) {
    const auto run = test::RunScript(
        "cd " + Quoted(temp.path()) + " && touch hold\nflock " + Quoted(work / ".mervadin.lock") +
            " sh -c 'touch held; while [ -e hold ]; do sleep 0.05; done' &\n"
            "for i in $(seq 400); do [ -e held ] && break; sleep 0.05; done\n"
            "\"$CLI\" --workdir " +
            Quoted(work) +
            " --timeout 1 config set phone= 7\n"
            "status=$?; rm hold; wait; exit $status",
        60);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("another Mervadin still works on this folder after 1 s: gave up"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Cli("config get phone=").out, "2\n");
}

// Lists large enough that their storing takes a while: the kinds, the
// signals and the exports below need time to land in.
void WriteLongLists(const fs::path& work, int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "Group[1],\tName[n],\tNumber[" + std::to_string(i) +
                "],\tType[0],\tDate[2026/1/1 1:2:3],\tDuration[0:0:5],\tRemark[r];\r\n";
    test::Spit(work / "CallOutList.txt", text);
}

// SIGTERM or SIGINT once the read stores its lists is no stop: the lists
// are replaced and reported, the command exits 0, and a second signal does
// not cut it short. Before storing, a signal is the Stop it always was.
TEST_F(CliHardening, ASignalOnceTheListsAreStoredIsNoStop) {
    WriteLongLists(work, 400000);
    const auto run = test::RunScript(
        "\"$CLI\" --workdir " + Quoted(work) +
            " --simulator read-cdr >out 2>err & tool=$!\n"
            "for i in $(seq 2000); do grep -q 'Read CDR OK' out && break; sleep 0.01; done\n"
            "kill -TERM $tool; kill -INT $tool\nwait $tool; echo \"exit $?\" >>out\n"
            "cat out; cat err >&2",
        120);
    EXPECT_NE(run.out.find("Save file OK! \r\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("STOP"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("exit 0\n"), std::string::npos) << run.out << run.err;
    EXPECT_NE(run.err.find("came once the work was being stored: it was finished"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(ReadLinesOf(work / "CallOutListBackup.txt"), 400000u);
}

// A killed export leaves its temporary; the next export into that folder
// takes it away, and only it.
TEST_F(CliHardening, AKilledExportsTemporaryGoesWithTheNextExport) {
    WriteLongLists(work, 600000);
    const fs::path out = temp / "exports";
    fs::create_directory(out);
    test::Spit(out / ".mine.csv.tmp5", "another program's");
    const auto run = test::RunScript(
        "cd " + Quoted(out) + "\n\"$CLI\" --workdir " + Quoted(work) +
            " export-records out big.csv & tool=$!\n"
            "for i in $(seq 2000); do ls -a | grep -q '^.big.csv.mervadin-tmp' && break; "
            "sleep 0.005; done\nkill -9 $tool; wait $tool; ls -a | grep -c mervadin-tmp",
        120);
    ASSERT_EQ(run.out, "1\n") << "the export was not caught in the middle";
    EXPECT_EQ(Cli("export-records in " + Quoted(out / "small.csv")).status, 0);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(out))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".mine.csv.tmp5", "small.csv"}));
}

// Encodings the data files cannot be in are refused wherever they are
// named, with the reason; so are empty options, in both programs.
TEST_F(CliHardening, EncodingsThatAreNoSupersetOfAsciiAndEmptyOptionsAreRefused) {
    for (const std::string& arguments :
         {std::string("--encoding UTF-16 show-numbers"), std::string("encoding ISO-2022-JP"),
          std::string("--encoding UTF-32 check-numbers")}) {
        const auto run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("not an 8-bit superset of ASCII"), std::string::npos)
            << arguments << ": " << run.err;
    }
    const auto environment = RunCli("--workdir " + Quoted(work) + " show-numbers", "", 60,
                                    "env MERVADIN_ENCODING=UTF-16 ");
    EXPECT_EQ(environment.status, 2);
    EXPECT_NE(environment.err.find("\"UTF-16\" cannot be the encoding"), std::string::npos);
    const auto empty = Cli("--encoding '' show-numbers");
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("the encoding is empty: name one, e.g. UTF-8 or GB18030"),
              std::string::npos)
        << empty.err;
    const std::string bare = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    for (const char* option : {"--workdir ''", "--encoding ''", "--encoding UTF-16"}) {
        const auto app = test::RunScript(bare + "'" MERVADIN_APP_PATH "' " + option);
        EXPECT_EQ(app.status, 2) << option;
        EXPECT_NE(app.err.find("mervadin: "), std::string::npos) << option << app.err;
    }
}

// Smaller faults, each with its own message: an unknown command, a link
// loop, a range that ends before it starts, a group that is no number;
// a byte-order mark read as the import reads it; a list shown as UTF-8;
// a settings file that is none sends nothing.
TEST_F(CliHardening, SmallerHostileInputsAreNamedAsWhatTheyAre) {
    const auto unknown = Cli("wrtie-numbers");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err,
              "mervadin-cli: unknown command \"wrtie-numbers\" (mervadin-cli --help lists them)\n");
    fs::create_symlink("loop.txt", temp / "loop.txt");
    for (const std::string command : {"import-numbers ", "check-numbers ", "decode-cdr "}) {
        const auto loop = Cli(command + Quoted(temp / "loop.txt"));
        EXPECT_EQ(loop.status, 2) << command;
        EXPECT_NE(loop.err.find("loop of symbolic links"), std::string::npos)
            << command << loop.err;
    }
    EXPECT_EQ(Cli("stats --from 2026-02-01 --to 2026-01-01").status, 2);
    EXPECT_EQ(Cli("show-records out --group x").status, 2);
    test::Spit(work / "CallOutList.txt",
               "Group[1],\tName[Type[3]],\tNumber[5],\tType[0],\tDate[2026/1/1 1:2:3],\t"
               "Duration[0:0:5],\tRemark[]\r\n");
    EXPECT_EQ(Cli("show-records out --group 01 --type 0").err, "1 of 1 lines\n");
    EXPECT_EQ(Cli("show-records out --type 3").err, "0 of 1 lines\n");

    test::Spit(temp / "bom.txt", "\xEF\xBB\xBF"
                                 "1,Anna,123\r\n");
    const auto bom = Cli("check-numbers " + Quoted(temp / "bom.txt"));
    EXPECT_EQ(bom.status, 0) << bom.out;
    EXPECT_EQ(bom.err, "1 line checked, nothing found\n");
    test::Spit(work / "LoadNumber.txt", "1,\xD5\xC5,2\r\n");
    EXPECT_EQ(Cli("--encoding GB18030 show-numbers").out, "1,\xE5\xBC\xA0,2\nAll: 1;\n");

    for (const std::string& config : {std::string(), std::string("\x7F"
                                                                 "ELF\0\0garbage",
                                                                 12)}) {
        test::Spit(work / "Config.txt", config);
        const auto trace = temp / "trace";
        const auto run = Cli("--device sim --trace " + Quoted(trace) + " write-settings");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find((work / "Config.txt").string()), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Nothing was sent"), std::string::npos) << run.err;
        EXPECT_EQ(test::Slurp(trace).find("->"), std::string::npos);
    }
}

TEST(ProgramOptions, VersionAndHelpAnswerWithoutADisplay) {
    // Over ssh or in a package check there is no window system to reach.
    const std::string bare = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const auto version = test::RunScript(bare + "'" MERVADIN_APP_PATH "' --version");
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "mervadin " MERVADIN_VERSION "\n");
    const auto help = test::RunScript(bare + "'" MERVADIN_APP_PATH "' --help");
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_NE(help.out.find("--simulator"), std::string::npos);
    EXPECT_EQ(test::RunScript(bare + "\"$CLI\" --version").out, MERVADIN_VERSION "\n");
}

// Both programs read --workdir, --device, --trace, --encoding and
// --language alike: the same help for each, the same text for each error
// after the program's name, status 2 for each. The window program finds
// them all before it needs a display.
TEST(ProgramOptions, BothProgramsTakeTheSharedOptionsAlike) {
    const std::string bare = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const std::string app = bare + "'" MERVADIN_APP_PATH "' ";
    const std::string cli = "\"$CLI\" ";
    // What a help line of the shared options says, from "--workdir" on.
    const auto sharedHelp = [](const std::string& help, const char* option) {
        const auto at = help.find(option);
        return at == std::string::npos ? std::string() : help.substr(at, help.find('\n', at) - at);
    };
    const auto appHelp = test::RunScript(app + "--help").out;
    const auto cliHelp = test::RunScript(cli + "--help").out;
    for (const char* option : {"--workdir DIR", "--device SPEC", "--simulator", "--trace FILE",
                               "--encoding NAME", "--language CODE"}) {
        EXPECT_NE(sharedHelp(appHelp, option), "") << option << " in\n" << appHelp;
        EXPECT_EQ(sharedHelp(appHelp, option), sharedHelp(cliHelp, option)) << option;
    }
    EXPECT_NE(appHelp.find("MERVADIN_WORKDIR or ~/ORVI-T300-En"), std::string::npos) << appHelp;

    const auto both = [&](const std::string& arguments, const std::string& error) {
        const auto byApp = test::RunScript(app + arguments);
        EXPECT_EQ(byApp.status, 2) << arguments;
        EXPECT_EQ(byApp.err, "mervadin: " + error + "\n") << arguments;
        const auto byCli = test::RunScript(cli + arguments + " verify </dev/null");
        EXPECT_EQ(byCli.status, 2) << arguments;
        EXPECT_EQ(byCli.err, "mervadin-cli: " + error + "\n") << arguments;
    };
    both("--encoding bogus", "unknown encoding \"bogus\"");
    both("--language fr", "unknown language \"fr\" (en, zh_CN)");
    // The window program checks its device at once; the command line when
    // a command is to use it.
    const auto device = test::RunScript(app + "--device bogus");
    EXPECT_EQ(device.status, 2);
    EXPECT_EQ(device.err, "mervadin: unknown device \"bogus\" (hid, hid:PATH, sim, unix:PATH)\n");
    const auto cliDevice = test::RunScript(cli + "--device bogus status");
    EXPECT_EQ(cliDevice.status, 2);
    EXPECT_EQ(cliDevice.err,
              "mervadin-cli: unknown device \"bogus\" (hid, hid:PATH, sim, unix:PATH)\n");
    // The environment's language is checked as the option is.
    const auto environment = test::RunScript("MERVADIN_LANGUAGE=xx " + app);
    EXPECT_EQ(environment.status, 2);
    EXPECT_EQ(environment.err, "mervadin: unknown language \"xx\" (en, zh_CN)\n");
    EXPECT_EQ(test::RunScript("MERVADIN_LANGUAGE=xx " + cli + "verify </dev/null").err,
              "mervadin-cli: unknown language \"xx\" (en, zh_CN)\n");

    // What the parser refuses, both refuse with status 2: an unknown option,
    // an empty folder, a value missing, a word the window program does not take.
    for (const char* arguments : {"--bogus", "--workdir ''", "--trace", "extra"}) {
        const auto byApp = test::RunScript(app + arguments);
        EXPECT_EQ(byApp.status, 2) << arguments;
        EXPECT_FALSE(byApp.err.empty()) << arguments;
        EXPECT_EQ(test::RunScript(cli + arguments + " verify </dev/null").status, 2) << arguments;
    }
    EXPECT_NE(test::RunScript(app + "--workdir ''").err.find("the working folder is empty"),
              std::string::npos);

    // The command line takes --language (the windows' language), and its
    // output stays the same in either.
    const std::string frame = "frame 'velorn<x;checksum:000000;>end'";
    const auto english = test::RunScript(cli + frame);
    ASSERT_EQ(english.status, 0) << english.err;
    const auto chinese = test::RunScript(cli + "--language zh_CN " + frame);
    EXPECT_EQ(chinese.status, 0) << chinese.err;
    EXPECT_EQ(chinese.out, english.out);
}

} // namespace
} // namespace mervadin
