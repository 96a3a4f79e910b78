#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "files/work_folder.h"
#include "support/failing_files.h"
#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

namespace mervadin {
namespace {

TEST(TextFile, SplitAcceptsEveryLineEnd) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
    // 8-bit bytes and blanks are kept as they are.
    EXPECT_EQ(SplitLines(" \xB5\xE7 \t\r\n"), Lines{" \xB5\xE7 \t"});

    // Views split the same way; a text of one kind of line end only is
    // split in one pass (a million CRs, then a million LFs).
    for (const std::string text :
         {"", "a", "a\r\nb\nc\rd", "\n\r", "a\n\rb\r", "x\r\r\n\n", "a\r\n\nb\r\n", "\r\n\r\n",
          "\r\n", "a\r\nb\r\n", "a\r\nb\r", "\n", "a\r\n\r"}) {
        const Lines lines = SplitLines(text);
        EXPECT_EQ(SplitLineViews(text), LineViews(lines.begin(), lines.end())) << text;
        EXPECT_EQ(CountLines(text), lines.size());
    }
    EXPECT_EQ(CountLines(std::string(1000000, '\r')), 1000000u);
    EXPECT_EQ(CountLines(std::string(1000000, '\n'), 5), 5u);
}

TEST(TextFile, WriteEndsEveryLineWithCrLfAndReplacesWhole) {
    test::TempFolder folder;
    const auto file = folder / "x.txt";
    WriteLines(file, {"one", "", "th\xA1ree"});
    EXPECT_EQ(test::Slurp(file), "one\r\n\r\nth\xA1ree\r\n");
    EXPECT_EQ(ReadLines(file), (Lines{"one", "", "th\xA1ree"}));

    WriteLines(file, {});
    EXPECT_EQ(test::Slurp(file), "");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TextFile, FailuresNameThePathAndKeepTheOldFile) {
    test::TempFolder folder;
    const auto missing = folder / "nowhere" / "x.txt";
    try {
        ReadLines(missing);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos);
        EXPECT_EQ(e.path(), missing);
    }
    EXPECT_THROW(WriteLines(missing, {"a"}), FileError);

    // A folder in the way of the rename: the write fails and leaves no
    // temporary file behind.
    const auto blocked = folder / "blocked.txt";
    std::filesystem::create_directories(blocked / "inner");
    EXPECT_THROW(WriteLines(blocked, {"a"}), FileError);
    EXPECT_THROW(ReadLines(blocked), FileError); // a folder is no file to read
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inner"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TextFile, ReplacingKeepsModeAndLinksAndLeavesNoTemporaries) {
    namespace fs = std::filesystem;
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

    // Files that are not regular are refused without reading them.
    EXPECT_THROW(ReadLines("/dev/zero"), FileError);
    EXPECT_THROW(ReadFileBytes(target, 3), FileError);

    // A fresh working folder: the password file is the owner's alone, and
    // temporaries a killed writer left behind are gone at the next start.
    const WorkFolder work(folder / "wd");
    ASSERT_EQ(work.Prepare(), std::nullopt);
    EXPECT_EQ(fs::status(work.File("Password.txt")).permissions() & fs::perms::all,
              fs::perms(0600));
    test::Spit(folder / "wd" / ".Config.txt.tmp123456", "half");
    test::Spit(folder / "wd" / ".keep.tmpX", "not ours");
    ASSERT_EQ(work.Prepare(), std::nullopt);
    EXPECT_FALSE(fs::exists(folder / "wd" / ".Config.txt.tmp123456"));
    EXPECT_TRUE(fs::exists(folder / "wd" / ".keep.tmpX"));
}

TEST(TextFile, ABatchReplacesAllItsFilesOrNone) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    WriteLines(folder / "a.txt", {"old a"});
    {
        FileBatch batch;
        batch.Stage(folder / "a.txt", "new a\r\n");
        batch.Stage(folder / "b.txt", "new b\r\n");
        EXPECT_EQ(test::Slurp(folder / "a.txt"), "old a\r\n"); // nothing replaced yet
        batch.Commit();
    }
    EXPECT_EQ(test::Slurp(folder / "a.txt"), "new a\r\n");
    EXPECT_EQ(test::Slurp(folder / "b.txt"), "new b\r\n");

    {
        // A batch dropped without Commit, or whose staging fails, changes
        // nothing and leaves no temporaries.
        FileBatch batch;
        batch.Stage(folder / "a.txt", "lost");
        EXPECT_THROW(batch.Stage(folder / "missing" / "c.txt", "x"), FileError);
    }
    EXPECT_EQ(test::Slurp(folder / "a.txt"), "new a\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST(TextFile, LinesWrittenFromTheirTextsComeOutAsJoined) {
    // Lines from two texts, in and out of order, some followed by CR LF in
    // their text, some by a lone CR or LF, one at a text's very end without
    // a line end, empty ones, and one from neither text: each gets CR LF.
    const std::string first = "a\r\nbb\r\n\r\nc\rd\ne";
    const std::string second = "x\r\ny\r\nz";
    const std::string elsewhere = "w\r\n";
    LineViews lines = SplitLineViews(first);
    const LineViews more = SplitLineViews(second);
    lines.insert(lines.begin() + 2, more.begin(), more.end());
    lines.push_back(more[0]);
    lines.push_back(std::string_view(elsewhere).substr(0, 1));
    lines.push_back(std::string_view(first).substr(0, 1)); // again, after a line from `elsewhere`
    lines.push_back(std::string_view(first).substr(3, 2));
    test::TempFolder folder;
    FileBatch batch;
    batch.Stage(folder / "list.txt", lines);
    batch.Commit();
    EXPECT_EQ(test::Slurp(folder / "list.txt"), JoinLines(lines));

    // Lines over several mebibytes, one of them longer than a mebibyte.
    std::string big;
    for (int i = 0; i < 150000; ++i)
        big += "line " + std::to_string(i) + "\r\n";
    big += std::string(1500000, 'L') + "\r\nlast\r\n";
    const LineViews bigLines = SplitLineViews(big);
    FileBatch bigBatch;
    bigBatch.Stage(folder / "big.txt", bigLines);
    bigBatch.Commit();
    EXPECT_EQ(test::Slurp(folder / "big.txt"), big);
}

TEST(TextFile, AReplaceThatFailsHalfWayKeepsTheOldFileAndNamesIt) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    const auto list = folder / "list.txt";
    const auto other = folder / "other.txt";
    test::Spit(list, "old list\r\n");
    test::Spit(other, "old other\r\n");
    const std::string big(3 << 20, 'x');
    const LineViews lines(200000, "a line of the new list");
    const auto expectFailure = [&](test::FailingFiles& files, const fs::path& named, auto stage) {
        try {
            FileBatch batch(files);
            stage(batch);
            batch.Commit();
            ADD_FAILURE() << "no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), named);
            EXPECT_NE(std::string(e.what()).find(named.string()), std::string::npos) << e.what();
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2)
            << "a temporary was left behind";
    };

    test::FailingFiles diskFull;
    diskFull.failWriteAfter = 1 << 20; // half-way through the bytes, and through gathered lines
    expectFailure(diskFull, list, [&](FileBatch& batch) { batch.Stage(list, big); });
    expectFailure(diskFull, other, [&](FileBatch& batch) {
        batch.Stage(list, "new list\r\n");
        batch.Stage(other, lines);
    });
    EXPECT_EQ(test::Slurp(list), "old list\r\n");
    EXPECT_EQ(test::Slurp(other), "old other\r\n");

    test::FailingFiles syncFails;
    syncFails.failSync = true;
    expectFailure(syncFails, list, [&](FileBatch& batch) {
        batch.Stage(list, "new list\r\n");
        batch.Stage(other, "new other\r\n");
    });
    EXPECT_EQ(test::Slurp(list), "old list\r\n");
    EXPECT_EQ(test::Slurp(other), "old other\r\n");

    // A rename that fails: what was renamed before it stays, nothing after it is.
    test::FailingFiles renameFails;
    renameFails.failReplace = 1;
    expectFailure(renameFails, other, [&](FileBatch& batch) {
        batch.Stage(list, "new list\r\n");
        batch.Stage(other, "new other\r\n");
    });
    EXPECT_EQ(test::Slurp(list), "new list\r\n");
    EXPECT_EQ(test::Slurp(other), "old other\r\n");
}

TEST(TextFile, AReplaceFollowsEveryLinkAndNeverReplacesWhatIsNoRegularFile) {
    namespace fs = std::filesystem;
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
}

TEST(TextFile, OnlyTheTemporariesOfWritersThatAreGoneAreRemoved) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    fs::create_directory(folder / "other");
    // A writer that was killed left its temporary; a live writer holds its own.
    test::Spit(folder / "other" / ".Config.txt.tmp111", "half");
    test::Spit(folder / "other" / ".Else.txt.tmp222", "someone else's");
    const auto live = folder / "other" / ".Config.txt.tmp333";
    const auto held =
        SystemFiles().CreateTemporary(live, folder / "other" / "Config.txt", fs::perms(0644));
    fs::create_symlink("other/Config.txt", folder / "Config.txt");
    // A write through the link cleans the target's folder of that file's leftovers.
    WriteLines(folder / "Config.txt", {"x"});
    EXPECT_FALSE(fs::exists(folder / "other" / ".Config.txt.tmp111"));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(folder / "other" / ".Else.txt.tmp222"));

    // Taking a folder's lock cleans the folder of every writer's leftovers.
    test::Spit(folder / ".LoadNumber.txt.tmp444", "half");
    { const FolderLock lock(folder.path()); }
    EXPECT_FALSE(fs::exists(folder / ".LoadNumber.txt.tmp444"));
    { const FolderLock lock(folder / "other"); }
    EXPECT_TRUE(fs::exists(live));
    EXPECT_FALSE(fs::exists(folder / "other" / ".Else.txt.tmp222"));
}

TEST(TextFile, ALockFileThatIsAFolderOrALinkIsRefusedAndABusyLockIsReportedOnce) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    fs::create_directories(folder / "a" / ".mervadin.lock");
    EXPECT_THROW(FolderLock(folder / "a"), FileError);
    fs::create_directory(folder / "b");
    test::Spit(folder / "elsewhere", "");
    fs::create_symlink("../elsewhere", folder / "b" / ".mervadin.lock");
    EXPECT_THROW(FolderLock(folder / "b"), FileError);

    std::vector<fs::path> notices;
    FolderLock::SetWaitNotice([&](const fs::path& waitedOn) { notices.push_back(waitedOn); });
    std::atomic<bool> held = false;
    std::thread holder([&] {
        const FolderLock lock(folder.path());
        held = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(FolderLock::kNoticeAfterMs + 500));
    });
    while (!held)
        std::this_thread::yield();
    { const FolderLock lock(folder.path()); } // waits for the holder
    holder.join();
    FolderLock::SetWaitNotice(nullptr);
    EXPECT_EQ(notices, std::vector<fs::path>{folder.path()});
}

} // namespace
} // namespace mervadin
