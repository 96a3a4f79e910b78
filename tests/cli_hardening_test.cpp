// The command line against hostile files, arguments and peers.

#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

} // namespace
} // namespace mervadin
