#include "files/work_folder.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace mervadin {
namespace {

TEST(WorkFolder, FirstStartCreatesTheFolderAndEveryDataFile) {
    test::TempFolder temp;
    const WorkFolder folder(temp / "ORVI-T300-En");
    EXPECT_EQ(folder.Prepare(), std::nullopt);

    const char* empty[] = {
        "Config.txt",        "ReadFile.txt",          "LoadNumber.txt",       "CallInAnswer.txt",
        "CallOutFailed.txt", "CallInMissed.txt",      "CallOutSuccessed.txt", "CallOutList.txt",
        "CallInList.txt",    "CallOutListBackup.txt", "CallInListBackup.txt", "CallOutManual.txt"};
    for (const char* name : empty)
        EXPECT_EQ(test::Slurp(folder.File(name)), "") << name;
    EXPECT_EQ(test::Slurp(folder.File("Password.txt")),
              "=Password=\r\nPassword1=6093\r\nPassword2=6093\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.root()),
                            std::filesystem::directory_iterator()),
              13);
}

TEST(WorkFolder, ExistingFilesAreNeverTouched) {
    test::TempFolder temp;
    const WorkFolder folder(temp.path());
    test::Spit(folder.File("Password.txt"), "x\ny");
    test::Spit(folder.File("CallOutList.txt"), "keep\n");
    const auto before = std::filesystem::last_write_time(folder.File("CallOutList.txt"));
    EXPECT_EQ(folder.Prepare(), std::nullopt);
    EXPECT_EQ(test::Slurp(folder.File("Password.txt")), "x\ny");
    EXPECT_EQ(test::Slurp(folder.File("CallOutList.txt")), "keep\n");
    EXPECT_EQ(std::filesystem::last_write_time(folder.File("CallOutList.txt")), before);
    EXPECT_EQ(test::Slurp(folder.File("ReadFile.txt")), "");
}

TEST(WorkFolder, AFolderThatCannotBeMadeIsReportedWithItsPath) {
    test::TempFolder temp;
    test::Spit(temp / "plain-file", "");
    const WorkFolder folder(temp / "plain-file" / "sub");
    const auto failure = folder.Prepare();
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find(folder.root().string()), std::string::npos) << *failure;
}

TEST(WorkFolder, ResolveHonoursOverrideThenEnvironment) {
    EXPECT_EQ(WorkFolder::Resolve(std::string("/tmp/given")).root(), "/tmp/given");
    ::setenv("MERVADIN_WORKDIR", "/tmp/from-env", 1);
    EXPECT_EQ(WorkFolder::Resolve().root(), "/tmp/from-env");
    EXPECT_EQ(WorkFolder::Resolve(std::string("/tmp/given")).root(), "/tmp/given");
    ::unsetenv("MERVADIN_WORKDIR");
    EXPECT_EQ(WorkFolder::Resolve().root().filename(), "ORVI-T300-En");
}

} // namespace
} // namespace mervadin
