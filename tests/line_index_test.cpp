#include "files/line_index.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <random>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace mervadin {
namespace {

// Every line of the index, read in the order given.
Lines ReadAll(LineIndex& index, const std::vector<std::size_t>& order) {
    Lines lines(index.Count());
    for (const std::size_t i : order)
        lines[i] = std::string(index.Line(i));
    return lines;
}

std::vector<std::size_t> Upwards(std::size_t count) {
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    return order;
}

TEST(LineIndex, FindsTheLinesSplitLinesFinds) {
    test::TempFolder temp;
    const auto file = temp / "list.txt";
    // A CR LF split over the reading chunk's edge is one line end.
    std::string straddling(std::size_t{1} << 20, 'x');
    straddling[straddling.size() - 1] = '\r';
    straddling += "\nnext\r\n";
    for (const std::string& text :
         {std::string(), std::string("a"), std::string("a\r\nb\nc\rd"), std::string("a\r\n"),
          std::string("a\r\n\r\n"), std::string("\n\r"), std::string("a\n\rb"), std::string("\r\n"),
          std::string(" \xB5\xE7 \t\r\n>end\r"), straddling}) {
        test::Spit(file, text);
        LineIndex index;
        index.Index(file);
        EXPECT_EQ(ReadAll(index, Upwards(index.Count())), SplitLines(text))
            << testing::PrintToString(text.substr(0, 40));
        EXPECT_EQ(index.Line(index.Count()), "");
    }
}

TEST(LineIndex, ReadsLinesInAnyOrderWithAndBeyondALongLine) {
    test::TempFolder temp;
    const auto file = temp / "list.txt";
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "Number[" + std::to_string(i) + "];" + (i % 3 ? "\r\n" : "\n");
    // A line longer than a block's bytes: cut there, and the lines after it
    // still read whole.
    const std::string huge(LineIndex::kMaxBlockBytes + 100, 'h');
    text.insert(text.find("Number[300]"), huge + "\r\n");
    test::Spit(file, text);
    LineIndex index;
    index.Index(file);
    Lines expected = SplitLines(text);
    ASSERT_EQ(index.Count(), expected.size());
    expected[300] = huge.substr(0, LineIndex::kMaxBlockBytes);
    std::vector<std::size_t> order = Upwards(index.Count());
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    const Lines read = ReadAll(index, order);
    for (std::size_t i = 0; i < read.size(); ++i)
        ASSERT_EQ(read[i], expected[i]) << "line " << i;
    EXPECT_FALSE(index.TakeChanged());
}

TEST(LineIndex, FollowsAReplacedFileAndNamesAMissingOne) {
    test::TempFolder temp;
    const auto file = temp / "list.txt";
    test::Spit(file, "one\r\ntwo\r\n");
    LineIndex index;
    index.Index(file);
    EXPECT_EQ(index.Line(1), "two");
    EXPECT_FALSE(index.Stale());

    WriteFileAtomically(file, "first\r\nsecond\r\nthird, longer\r\n");
    EXPECT_TRUE(index.Stale());
    index.Clear();
    index.Index(file);
    EXPECT_EQ(index.Line(2), "third, longer");
    WriteFileAtomically(file, "only\r\n");
    index.Index(file);
    EXPECT_EQ(index.Line(0), "only");
    WriteFileAtomically(file, "a\r\nb\r\nc\r\nd\r\n");
    index.Clear();
    index.Index(file);
    WriteFileAtomically(file, "x\r\n");
    EXPECT_EQ(index.Line(3), ""); // the file has one line now
    EXPECT_TRUE(index.TakeChanged());
    EXPECT_FALSE(index.TakeChanged());
    EXPECT_EQ(index.Count(), 1u);
    EXPECT_EQ(index.Line(0), "x");

    LineIndex missing;
    try {
        missing.Index(temp / "gone.txt");
        ADD_FAILURE() << "a missing file was indexed";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("gone.txt"), std::string::npos) << e.what();
    }
    EXPECT_THROW(missing.Index(temp.path()), FileError); // a folder
#ifndef _WIN32
    // A FIFO where the list should be is refused, not waited on.
    ASSERT_EQ(mkfifo((temp / "fifo.txt").c_str(), 0600), 0);
    EXPECT_THROW(missing.Index(temp / "fifo.txt"), FileError);
#endif
    EXPECT_EQ(missing.Count(), 0u);
}

} // namespace
} // namespace mervadin
