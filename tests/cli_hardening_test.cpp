// The command line against hostile files, arguments and peers.

#include "support/run_cli.h"
#include "support/temp_folder.h"

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

} // namespace
} // namespace mervadin
