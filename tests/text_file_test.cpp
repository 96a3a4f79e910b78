#include "common/text_file.h"
#include "common/work_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>

#include <sys/stat.h>

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
        EXPECT_EQ(IsJoinedLines(text, SplitLineViews(text)), JoinLines(lines) == text) << text;
    }
    EXPECT_EQ(CountLines(std::string(1000000, '\r')), 1000000u);
    EXPECT_EQ(CountLines(std::string(1000000, '\n'), 5), 5u);
    const auto joined = [](std::string_view text) {
        return IsJoinedLines(text, SplitLineViews(text));
    };
    EXPECT_TRUE(joined("a\r\n\r\n"));
    EXPECT_FALSE(joined("a\r\nb"));
    EXPECT_FALSE(joined("a\n\r\n"));
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

TEST(TextFile, AFileBufferHoldsWhatTheFileHolds) {
    test::TempFolder folder;
    std::string bytes(3 << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    test::Spit(folder / "big.bin", bytes);
    test::Spit(folder / "empty.txt", "");
    FileBytes big = ReadFileBuffer(folder / "big.bin");
    const FileBytes moved = std::move(big);
    EXPECT_EQ(moved.View(), bytes);
    EXPECT_TRUE(big.View().empty());
    EXPECT_TRUE(ReadFileBuffer(folder / "empty.txt").View().empty());
    EXPECT_THROW(ReadFileBuffer(folder / "missing.txt"), FileError);
    EXPECT_THROW(ReadFileBuffer(folder.path()), FileError);
    EXPECT_THROW(ReadFileBuffer(folder / "big.bin", 1000), FileError);
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

TEST(TextFile, ACopyInABatchSharesTheSourceOnlyWhereNothingDiffers) {
    namespace fs = std::filesystem;
    test::TempFolder folder;
    const auto inode = [](const fs::path& path) {
        struct stat info {};
        EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
        return info.st_ino;
    };
    const auto stageCopyAndReplace = [&](const char* copy, const char* source) {
        const std::string old = test::Slurp(folder / source);
        FileBatch batch;
        batch.StageCopy(folder / copy, folder / source, old);
        batch.Stage(folder / source, "new\r\n");
        batch.Flush();
        EXPECT_EQ(test::Slurp(folder / source), old); // on the disk, not yet in place
        batch.Commit();
        EXPECT_EQ(test::Slurp(folder / copy), old) << copy;
        EXPECT_EQ(test::Slurp(folder / source), "new\r\n") << source;
    };

    // Same mode and owner: the copy is the replaced source itself.
    test::Spit(folder / "list.txt", "old 1\r\n");
    test::Spit(folder / "backup.txt", "older\r\n");
    const auto oldInode = inode(folder / "list.txt");
    stageCopyAndReplace("backup.txt", "list.txt");
    EXPECT_EQ(inode(folder / "backup.txt"), oldInode);
    EXPECT_NE(inode(folder / "list.txt"), oldInode);

    // A copy of another mode keeps its mode and gets the bytes written.
    fs::permissions(folder / "backup.txt", fs::perms(0600));
    stageCopyAndReplace("backup.txt", "list.txt");
    EXPECT_EQ(fs::status(folder / "backup.txt").permissions() & fs::perms::all, fs::perms(0600));
    EXPECT_NE(inode(folder / "backup.txt"), inode(folder / "list.txt"));

    // A missing copy is created, a linked one written through, and a source
    // with a second name is never shared.
    stageCopyAndReplace("fresh.txt", "list.txt");
    EXPECT_EQ(fs::status(folder / "fresh.txt").permissions() & fs::perms::all, fs::perms(0644));
    test::Spit(folder / "target.txt", "t\r\n");
    fs::create_symlink("target.txt", folder / "link.txt");
    stageCopyAndReplace("link.txt", "list.txt");
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    fs::create_hard_link(folder / "list.txt", folder / "second.txt");
    stageCopyAndReplace("backup.txt", "list.txt");
    EXPECT_NE(inode(folder / "backup.txt"), inode(folder / "second.txt"));
    EXPECT_EQ(test::Slurp(folder / "second.txt"), "new\r\n");

    // Nothing staged is left behind when the batch is dropped.
    {
        FileBatch batch;
        batch.StageCopy(folder / "backup.txt", folder / "list.txt", "new\r\n");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 6);
}

} // namespace
} // namespace mervadin
