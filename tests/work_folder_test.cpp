#include "files/folder_lock.h"
#include "files/path_text.h"
#include "files/work_folder.h"
#include "support/scoped_environment.h"
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
    // The thirteen files and the lock the folder was made under.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.root()),
                            std::filesystem::directory_iterator()),
              14);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.File(FolderLock::kLockFileName)));
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
    {
        const test::ScopedEnvironment environment("MERVADIN_WORKDIR", "/tmp/from-env");
        EXPECT_EQ(WorkFolder::Resolve().root(), "/tmp/from-env");
        EXPECT_EQ(WorkFolder::Resolve(std::string("/tmp/given")).root(), "/tmp/given");
    }
    const test::ScopedEnvironment unset("MERVADIN_WORKDIR", std::nullopt);
    EXPECT_EQ(WorkFolder::Resolve().root().filename(), "ORVI-T300-En");
#ifdef _WIN32
    EXPECT_EQ(WorkFolder::Resolve().root(), std::filesystem::path("c:\\ORVI-T300-En"));
    // The system's own folder is made only where the test run says it may
    // be (under Wine, in a prefix of its own).
    if (std::getenv("MERVADIN_TEST_SYSTEM_FOLDERS")) {
        ASSERT_EQ(WorkFolder::Resolve().Prepare(), std::nullopt);
        EXPECT_TRUE(std::filesystem::is_directory("c:\\ORVI-T300-En"));
        EXPECT_TRUE(std::filesystem::exists("c:\\ORVI-T300-En\\Config.txt"));
    }
#endif
}

TEST(WorkFolder, ANameInAnyScriptAndALongPathWork) {
    test::TempFolder temp;
    // "测试文件夹" (test folder) as UTF-8, the way options and dialogs give it.
    const std::string name = "\xE6\xB5\x8B\xE8\xAF\x95\xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9";
    const WorkFolder folder = WorkFolder::Resolve(Utf8Of(temp.path()) + "/" + name);
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    WriteLines(folder.File("LoadNumber.txt"), {"1\tAnn\t123"});
    EXPECT_EQ(ReadLines(folder.File("LoadNumber.txt")), Lines{"1\tAnn\t123"});
    { const FolderLock lock(folder.root()); }
    try {
        ReadLines(folder.File("missing.txt"));
        ADD_FAILURE() << "read a missing file";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(Utf8Of(folder.File("missing.txt"))), std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
    {
        const test::ScopedEnvironment environment("MERVADIN_WORKDIR", Utf8Of(folder.root()));
        EXPECT_EQ(WorkFolder::Resolve().root(), folder.root());
    }

    // A path far longer than the 260 characters of old Windows paths.
    std::filesystem::path deep = temp.path();
    for (int level = 0; level < 12; ++level)
        deep /= std::string(30, static_cast<char>('a' + level));
    ASSERT_GT(deep.native().size(), 360u);
    const WorkFolder far(deep);
    ASSERT_EQ(far.Prepare(), std::nullopt);
    WriteLines(far.File("Config.txt"), {"a=1"});
    EXPECT_EQ(ReadLines(far.File("Config.txt")), Lines{"a=1"});
}

} // namespace
} // namespace mervadin
