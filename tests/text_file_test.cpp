#include "common/text_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace mervadin
