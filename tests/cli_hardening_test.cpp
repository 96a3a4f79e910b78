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
    for (const std::string& command : {"import-numbers " + Quoted(temp / "numbers.txt"),
                                       "import-numbers " + Quoted(temp / "book.xlsx"),
                                       "decode-cdr " + Quoted(temp / "blocks.bin"),
                                       "--device sim write-voice " + Quoted(temp / "voice.bin"),
                                       std::string("show-numbers"), std::string("pack-numbers")}) {
        const auto run = RunCli("--workdir " + Quoted(work) + " " + command, "", 60, as);
        EXPECT_EQ(run.status, 2) << command << ": " << run.err;
        EXPECT_NE(run.err.find("cannot be read"), std::string::npos) << command << ": " << run.err;
    }
}

TEST_F(CliHardening, ALockHeldElsewhereIsWaitedForAndSaidOnce) {
    // Another process holds the folder's lock until the tool has said that
    // it waits (each step waited for, not timed); a killed writer's
    // temporary waits beside Config.txt.
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

} // namespace
} // namespace mervadin
