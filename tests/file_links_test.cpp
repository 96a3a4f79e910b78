// The file layer's behaviour that only POSIX systems have: file modes,
// symbolic links, FIFOs and device nodes. Each test is skipped on Windows.

#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "files/work_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace mervadin {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
#define POSIX_ONLY(what) GTEST_SKIP() << what << " are POSIX's own"
#else
#define POSIX_ONLY(what) (void)0
#endif

TEST(FileLinks, AReplaceKeepsTheModeAndWritesThroughALink) {
    POSIX_ONLY("file modes and symbolic links");
#ifndef _WIN32
    test::TempFolder folder;
    const auto secret = folder / "secret.txt";
    WriteLines(secret, {"a"});
    fs::permissions(secret, fs::perms(0600));
    WriteLines(secret, {"b"});
    EXPECT_EQ(fs::status(secret).permissions() & fs::perms::all, fs::perms(0600));

    // A link is written through: it stays a link, its target changes.
    const auto target = folder / "target.txt";
    WriteLines(target, {"old"});
    fs::create_symlink("target.txt", folder / "link.txt");
    WriteLines(folder / "link.txt", {"new"});
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(ReadLines(target), Lines{"new"});
    EXPECT_THROW(ReadLines("/dev/zero"), FileError);

    // A fresh working folder: the password file is the owner's alone.
    const WorkFolder work(folder / "wd");
    ASSERT_EQ(work.Prepare(), std::nullopt);
    EXPECT_EQ(fs::status(work.File("Password.txt")).permissions() & fs::perms::all,
              fs::perms(0600));
#endif
}

TEST(FileLinks, AReplaceFollowsEveryLinkAndNeverReplacesWhatIsNoRegularFile) {
    POSIX_ONLY("symbolic links, FIFOs and device nodes");
#ifndef _WIN32
    test::TempFolder folder;
    fs::create_directory(folder / "other");
    test::Spit(folder / "other" / "Config.txt", "old\r\n");
    // Config.txt -> other/link -> other/Config.txt: the end of the chain is
    // replaced, both links stay links.
    fs::create_symlink("Config.txt", folder / "other" / "link");
    fs::create_symlink("other/link", folder / "Config.txt");
    WriteLines(folder / "Config.txt", {"new"});
    EXPECT_TRUE(fs::is_symlink(folder / "Config.txt"));
    EXPECT_TRUE(fs::is_symlink(folder / "other" / "link"));
    EXPECT_EQ(test::Slurp(folder / "other" / "Config.txt"), "new\r\n");

    // A link to a missing file creates it where the link points.
    fs::create_symlink("other/fresh.txt", folder / "fresh.txt");
    WriteLines(folder / "fresh.txt", {"x"});
    EXPECT_EQ(test::Slurp(folder / "other" / "fresh.txt"), "x\r\n");

    // A FIFO, reached directly or through a link, and a folder behind a link
    // are refused, named, and left as they are; so is a loop of links.
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", folder / "LoadNumber.txt");
    fs::create_symlink("other", folder / "folder.txt");
    fs::create_symlink("loop2", folder / "loop1");
    fs::create_symlink("loop1", folder / "loop2");
    const std::pair<const char*, const char*> refused[] = {{"fifo", "is a FIFO"},
                                                           {"LoadNumber.txt", "a FIFO"},
                                                           {"folder.txt", "a folder"},
                                                           {"loop1", "too many links"}};
    for (const auto& [name, what] : refused) {
        try {
            WriteLines(folder / name, {});
            ADD_FAILURE() << name << " was replaced";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), folder / name);
            EXPECT_NE(std::string(e.what()).find(what), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_TRUE(fs::is_symlink(folder / "LoadNumber.txt"));
    EXPECT_TRUE(fs::is_directory(folder / "other"));
    // A device node (as root, a null device of the test's own).
    if (::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        fs::create_symlink("null", folder / "device.txt");
        EXPECT_THROW(WriteLines(folder / "device.txt", {}), FileError);
        EXPECT_TRUE(fs::is_character_file(folder / "null"));
    }
#endif
}

TEST(FileLinks, AWriteThroughALinkCleansTheTargetsFolderOfItsLeftovers) {
    POSIX_ONLY("symbolic links");
#ifndef _WIN32
    test::TempFolder folder;
    fs::create_directory(folder / "other");
    test::Spit(folder / "other" / ".Config.txt.tmp111", "half");
    test::Spit(folder / "other" / ".Else.txt.tmp222", "someone else's");
    const auto live = folder / "other" / ".Config.txt.tmp333";
    const auto held =
        SystemFiles().CreateTemporary(live, folder / "other" / "Config.txt", fs::perms(0644));
    fs::create_symlink("other/Config.txt", folder / "Config.txt");
    WriteLines(folder / "Config.txt", {"x"});
    EXPECT_FALSE(fs::exists(folder / "other" / ".Config.txt.tmp111"));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(folder / "other" / ".Else.txt.tmp222"));
#endif
}

TEST(FileLinks, ALockFileThatIsALinkIsRefused) {
    POSIX_ONLY("symbolic links");
#ifndef _WIN32
    test::TempFolder folder;
    test::Spit(folder / "elsewhere", "");
    fs::create_directory(folder / "b");
    fs::create_symlink("../elsewhere", folder / "b" / ".mervadin.lock");
    EXPECT_THROW(FolderLock(folder / "b"), FileError);
#endif
}

} // namespace
} // namespace mervadin
