#include "files/file_batch.h"
#include "files/file_notice.h"
#include "files/file_read.h"
#include "files/folder_lock.h"
#include "files/work_folder.h"
#include "support/failing_files.h"
#include "support/lock_holder.h"
#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>

#include <pwd.h>
#include <unistd.h>
#endif
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

TEST(TextFile, AFreshFolderHoldsNoTemporariesAndAKilledWritersGoAtTheNextStart) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    // Files that are not regular are refused without reading them.
    WriteLines(folder / "target.txt", {"old"});
    EXPECT_THROW(ReadLines(folder.path()), FileError);
    EXPECT_THROW(ReadFileBytes(folder / "target.txt", 3), FileError);

    const WorkFolder work(folder / "wd");
    ASSERT_EQ(work.Prepare(), std::nullopt);
    test::Spit(folder / "wd" / ".Config.txt.tmp123456", "half");
    test::Spit(folder / "wd" / ".keep.tmpX", "not ours");
    ASSERT_EQ(work.Prepare(), std::nullopt);
    EXPECT_FALSE(fs::exists(folder / "wd" / ".Config.txt.tmp123456"));
    EXPECT_TRUE(fs::exists(folder / "wd" / ".keep.tmpX"));
}

TEST(TextFile, OnlyTheTemporariesOfWritersThatAreGoneAreRemoved) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    // Writers that were killed left their temporaries (an earlier version's
    // beside a data file, this one's beside any file); a live writer holds
    // its own; another program's file only looks like one.
    test::Spit(folder / ".Config.txt.tmp111", "half");
    test::Spit(folder / ".report.csv.mervadin-tmp42", "half");
    test::Spit(folder / ".Else.txt.tmp222", "someone else's");
    test::Spit(folder / ".Else.txt.mervadin-tmpX", "someone else's");
    const auto live = folder / ".Config.txt.mervadin-tmp333";
    auto held = SystemFiles().CreateTemporary(live, folder / "Config.txt", fs::perms(0644));
    ASSERT_NE(held, nullptr);
    held->Write("being written");
    // Taking a folder's lock cleans the folder of this tool's leftovers.
    { const FolderLock lock(folder.path()); }
    EXPECT_FALSE(fs::exists(folder / ".Config.txt.tmp111"));
    EXPECT_FALSE(fs::exists(folder / ".report.csv.mervadin-tmp42"));
    EXPECT_TRUE(fs::exists(folder / ".Else.txt.tmp222"));
    EXPECT_TRUE(fs::exists(folder / ".Else.txt.mervadin-tmpX"));
    EXPECT_TRUE(fs::exists(live));
    held.reset(); // the writer is gone: its temporary goes at the next lock
    { const FolderLock lock(folder.path()); }
    EXPECT_FALSE(fs::exists(live));
}

// The program's wait as a test sees it: each folder it is handed, and its
// tries, the first while the lock is still held elsewhere.
class RecordingWait : public FolderWait {
public:
    explicit RecordingWait(test::LockHolder& holder) : holder_(holder) {}
    void Wait(const std::filesystem::path& folder, const std::function<bool()>& tryLock) override {
        waited.push_back(folder);
        firstTry = tryLock();
        holder_.Release();
        while (!tryLock())
            std::this_thread::yield();
    }
    std::vector<std::filesystem::path> waited;
    bool firstTry = true;

private:
    test::LockHolder& holder_;
};

// The lock is only tried: one held elsewhere is refused at once when the
// program has no wait (nothing cleaned), and handed once to its wait when it
// has one, whose tries take it as soon as it is free.
TEST(TextFile, ALockFileThatIsAFolderIsRefusedAndABusyLockGoesToTheProgramsWait) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    fs::create_directories(folder / "a" / ".mervadin.lock");
    EXPECT_THROW(FolderLock(folder / "a"), FileError);

    test::LockHolder holder(folder.path());
    test::Spit(folder / ".Config.txt.tmp111", "a killed writer's");
    EXPECT_THROW(FolderLock{folder.path()}, FileError);
    EXPECT_TRUE(fs::exists(folder / ".Config.txt.tmp111"));

    RecordingWait wait(holder);
    FolderLock::SetWait(&wait);
    { const FolderLock lock(folder.path()); }
    FolderLock::SetWait(nullptr);
    EXPECT_EQ(wait.waited, std::vector<fs::path>{folder.path()});
    EXPECT_FALSE(wait.firstTry);
    EXPECT_FALSE(fs::exists(folder / ".Config.txt.tmp111"));
}

#ifdef _WIN32
// Holds a file open the way another program may: no sharing at all.
class HeldOpen {
public:
    explicit HeldOpen(const std::filesystem::path& file)
        : handle_(::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() { Release(); }
    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};
#endif

TEST(TextFile, ATargetHeldOpenElsewhereIsWaitedForBrieflyThenReported) {
#ifndef _WIN32
    GTEST_SKIP() << "only Windows refuses to replace a file another program holds open";
#else
    namespace fs = std::filesystem;
    test::TempFolder folder;
    const auto list = folder / "list.txt";
    test::Spit(list, "old\r\n");
    {
        HeldOpen holder(list);
        ASSERT_TRUE(holder.Held());
        try {
            WriteLines(list, {"new"});
            ADD_FAILURE() << "replaced a file held open";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), list);
        }
    }
    EXPECT_EQ(test::Slurp(list), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

    // Let go of within the wait: the write goes through.
    HeldOpen holder(list);
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        holder.Release();
    });
    WriteLines(list, {"new"});
    releaser.join();
    EXPECT_EQ(test::Slurp(list), "new\r\n");
#endif
}

// A save never replaces a file its user may not write: it is refused by
// name, as editors refuse it, and nothing of it or its folder changes. A
// file nobody may write is refused even where the system would let this
// user (root) write it.
TEST(TextFile, AFileItsUserMayNotWriteIsRefusedByName) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    const auto list = folder / "LoadNumber.txt";
    test::Spit(list, "1,a,1\r\n");
    fs::permissions(list, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const auto& write :
         std::vector<std::function<void()>>{[&] { WriteLines(list, {"2,b,2"}); },
                                            [&] {
                                                FileBatch batch;
                                                batch.Stage(folder / "other.txt", "x");
                                                batch.Stage(list, "y");
                                                batch.Commit();
                                            }}) {
        try {
            write();
            ADD_FAILURE() << "a read-only file was replaced";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), list);
            EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(test::Slurp(list), "1,a,1\r\n");
    // The batch replaced nothing and left no temporary behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    fs::permissions(list, fs::perms::owner_write, fs::perm_options::add);
    WriteLines(list, {"2,b,2"});
    EXPECT_EQ(test::Slurp(list), "2,b,2\r\n");
}

#ifndef _WIN32
TEST(TextFile, AReplacedFileKeepsItsOwnerGroupAndMode) {
    namespace fs = std::filesystem;
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    test::TempFolder folder;
    const auto list = folder / "CallOutList.txt";
    test::Spit(list, "old\r\n");
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::chown(list.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::chmod(list.c_str(), 0640), 0);
    std::vector<std::string> told;
    FileNotice::SetTeller([&](const std::string& text) { told.push_back(text); });
    WriteLines(list, {"new"});
    FileNotice::SetTeller(nullptr);
    struct stat after {};
    ASSERT_EQ(::stat(list.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, nobody->pw_uid);
    EXPECT_EQ(after.st_gid, nobody->pw_gid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(told, std::vector<std::string>{}); // kept: nothing to tell
    EXPECT_EQ(test::Slurp(list), "new\r\n");
}
#endif

// A fresh temporary another process's clean-up took before its writer
// could hold it is left to that clean-up: the write goes on under a new
// name, and gives up (by name) only when that happens again and again.
TEST(TextFile, ATemporaryTakenByAnotherCleanUpIsWrittenAnew) {
    class TakenFirst : public test::FailingFiles {
    public:
        int taken = 0;
        std::unique_ptr<WritableFile> CreateTemporary(const std::filesystem::path& temporary,
                                                      const std::filesystem::path& target,
                                                      std::filesystem::perms mode) override {
            if (taken-- > 0)
                return nullptr;
            return FailingFiles::CreateTemporary(temporary, target, mode);
        }
    };
    test::TempFolder folder;
    TakenFirst files;
    files.taken = 5;
    {
        FileBatch batch(files);
        batch.Stage(folder / "list.txt", "kept\r\n");
        batch.Commit();
    }
    EXPECT_EQ(test::Slurp(folder / "list.txt"), "kept\r\n");
    files.taken = 1000;
    FileBatch batch(files);
    try {
        batch.Stage(folder / "list.txt", "lost\r\n");
        ADD_FAILURE() << "staged without a temporary";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), folder / "list.txt");
    }
    EXPECT_EQ(test::Slurp(folder / "list.txt"), "kept\r\n");
}

} // namespace
} // namespace mervadin
