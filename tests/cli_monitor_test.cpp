// mervadin-cli monitor stores the calls the device announces through the
// device session, as the window does: each once, in its own list.

#include "files/file_read.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace mervadin {
namespace {

TEST(CliMonitor, StoresEachAnnouncedCallOnceInItsList) {
    test::TempFolder temp;
    const std::string wd = "--workdir '" + temp.path().string() + "' ";
    ASSERT_EQ(test::RunCli(wd + "init").status, 0);
    // Dialing starts with the answer to the first frame and is stopped
    // while connecting with the second: the device announces a failed call.
    const auto run = test::RunCli(wd + "--device sim monitor --frames 6", "start\nstop\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("M-Station:Conneting;"), std::string::npos) << run.out;
    const Lines out = ReadLines(temp / "CallOutList.txt");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NE(out[0].find("\tType[1],"), std::string::npos) << out[0];
    EXPECT_NE(out[0].find("Number[13800000001]"), std::string::npos) << out[0];
    EXPECT_TRUE(ReadLines(temp / "CallInList.txt").empty());
}

} // namespace
} // namespace mervadin
