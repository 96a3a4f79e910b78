#include "common/byte_search.h"
#include "frames/frame_codec.h"
#include "support/buffers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mervadin {
namespace {

using test::BufferWith;

TEST(ByteSearch, SearchReportsTheLastCharacterOfTheFirstMatch) {
    FrameBuffer buffer{};
    std::string_view tag = "checksum:";
    std::copy(tag.begin(), tag.end(), buffer.begin() + 250);
    EXPECT_EQ(Search(buffer, tag), 258u);
    std::copy(tag.begin(), tag.end(), buffer.begin() + 519);
    EXPECT_EQ(Search(buffer, tag), 258u); // the first match wins
    buffer.fill(0);
    std::copy(tag.begin(), tag.end(), buffer.begin() + 519);
    EXPECT_EQ(Search(buffer, tag), 527u);
    EXPECT_EQ(ShortSearch(buffer, tag), std::nullopt);

    // ShortSearch tries start positions 0-199 only.
    auto early = BufferWith("writespiok!", 199);
    EXPECT_EQ(ShortSearch(early, "writespiok!"), 209u);
    auto late = BufferWith("writespiok!", 200);
    EXPECT_EQ(ShortSearch(late, "writespiok!"), std::nullopt);
    EXPECT_EQ(Search(late, "writespiok!"), 210u);
}

TEST(ByteSearch, SearchComparesRawBytesAndStaysInsideTheBuffer) {
    // A tag split by a zero byte is not found; a pattern that holds the zero is.
    auto split = BufferWith(std::string_view("xmaster\0spk:05;", 15));
    EXPECT_EQ(Search(split, "masterspk:"), std::nullopt);
    EXPECT_EQ(Search(split, std::string_view("master\0spk", 10)), 10u);

    // A match that would run past the 1024th byte never counts.
    auto edge = BufferWith(">en", 1021);
    EXPECT_EQ(Search(edge, ">end"), std::nullopt);
    auto last = BufferWith(">end", 1020);
    EXPECT_EQ(Search(last, ">end"), 1023u);

    // A larger buffer is searched only from start positions below 1024.
    std::vector<std::uint8_t> big(2048, 0);
    big[1024] = 'Z';
    EXPECT_EQ(Search(big, "Z"), std::nullopt);

    // Patterns are compared on their first 51 characters.
    const std::string pattern51(51, 'q');
    auto buffer = BufferWith(pattern51 + "r");
    EXPECT_EQ(Search(buffer, pattern51 + "zzz"), 50u);
    EXPECT_EQ(Search(buffer, ""), std::nullopt);

    // A one-character match at the first byte is a match, not "none".
    EXPECT_EQ(Search(BufferWith("v"), "v"), 0u);
    EXPECT_EQ(ShortSearch(BufferWith("v"), "w"), std::nullopt);
}

} // namespace
} // namespace mervadin
