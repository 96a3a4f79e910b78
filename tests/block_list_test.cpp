#include "files/file_error.h"
#include "numbers/number_packing.h"
#include "round/block_list.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

TEST(PackedDigits, AreWhatTheWritePacksAndTheDeviceReadsBack) {
    EXPECT_EQ(PackedDigits("13800138000"), "13800138000");
    EXPECT_EQ(PackedDigits("0755-1234"), "0755");
    EXPECT_EQ(PackedDigits("+8613800138000"), "");
    EXPECT_EQ(PackedDigits("12345678901234"), "1234567890123");
    EXPECT_EQ(PackedDigits("12 34"), "12034"); // a blank packs as 0, as the device dials it
    EXPECT_EQ(PackedDigitsOfLine("9,Name,555;x"), "555");
    EXPECT_EQ(PackedDigitsOfLine("9\tName"), "");

    const BlockedNumbers blocked({"13800138000", "+86", "12345678901234"});
    EXPECT_TRUE(blocked.HoldsLine("1\tA\t13800138000"));
    EXPECT_TRUE(blocked.HoldsLine("1,A,13800138000-9")); // dialled as 13800138000
    EXPECT_FALSE(blocked.HoldsLine("1,A,1380013800"));
    EXPECT_TRUE(blocked.HoldsLine("1,A,12345678901235")); // the same 13 digits
    EXPECT_FALSE(blocked.HoldsLine("1,A,+86"));           // "+86" blocks nothing
    EXPECT_FALSE(BlockedNumbers().HoldsLine("1,A,13800138000"));
}

TEST(BlockList, ReadsOneNumberALineAndRefusesWhatIsNoNumber) {
    test::TempFolder folder;
    const auto file = folder / "BlockList.txt";
    EXPECT_TRUE(BlockList::Load(file).Numbers().empty()); // no file: nothing blocked

    test::Spit(file, "13800138000\r\n  555 \r\n\r\n0755\n");
    const BlockList list = BlockList::Load(file);
    EXPECT_EQ(list.Numbers(), (std::vector<std::string>{"13800138000", "555", "0755"}));
    EXPECT_EQ(list.LineOf("555"), 2u);
    EXPECT_EQ(list.LineOf("0755-1"), 4u);
    EXPECT_FALSE(list.LineOf("556"));
    EXPECT_TRUE(BlockListSource(file)().HoldsLine("3,C,0755"));

    test::Spit(file, "13800138000\r\n555\r\n13a4\r\n");
    try {
        BlockList::Load(file);
        FAIL() << "letters were taken for a number";
    } catch (const BlockListError& e) {
        EXPECT_EQ(e.line(), 3u);
        EXPECT_EQ(e.path(), file);
        EXPECT_EQ(std::string(e.what()),
                  Utf8Of(file) +
                      ": line 3 holds \"13a4\", which is not a number: one number a line, digits "
                      "only");
        EXPECT_EQ(e.Message([](const char*) { return std::string("<%1|%2>"); }),
                  Utf8Of(file) + ": <3|13a4>");
    }
    EXPECT_THROW(BlockListSource(file)(), FileError); // the write and the check stop on it
    EXPECT_THROW(BlockList::Load(folder.path()), FileError);

    EXPECT_EQ(BlockableNumber(" 0123 "), "0123");
    for (const char* bad : {"", "  ", "+8613800138000", "138 0013", "12a", "138\xEF\xBC\x91"})
        EXPECT_FALSE(BlockableNumber(bad)) << bad;
}

TEST(BlockList, AddsAndRemovesByPackedDigitsKeepingEveryOtherLineAsItStood) {
    test::TempFolder folder;
    const auto file = folder / "BlockList.txt";
    BlockChange change = AddBlocked(file, {"555", "13800138000", "555"});
    EXPECT_EQ(change.done, (std::vector<std::string>{"555", "13800138000"}));
    EXPECT_EQ(change.unchanged, (std::vector<std::string>{"555"}));
    EXPECT_EQ(test::Slurp(file), "555\r\n13800138000\r\n");

    test::Spit(file, " 555 \n\n12345678901234\n777");
    change = AddBlocked(file, {"12345678901239", "888"}); // the first packs as line 3 does
    EXPECT_EQ(change.unchanged, (std::vector<std::string>{"12345678901239"}));
    EXPECT_EQ(test::Slurp(file), " 555 \r\n\r\n12345678901234\r\n777\r\n888\r\n");

    change = RemoveBlocked(file, {"555", "999"});
    EXPECT_EQ(change.done, (std::vector<std::string>{"555"}));
    EXPECT_EQ(change.unchanged, (std::vector<std::string>{"999"}));
    EXPECT_EQ(test::Slurp(file), "\r\n12345678901234\r\n777\r\n888\r\n");

    // Nothing to change: the file is not written at all.
    test::Spit(file, "777");
    RemoveBlocked(file, {"555"});
    EXPECT_EQ(test::Slurp(file), "777");
}

TEST(BlockList, KeepsTheFormOfAFileWithAByteOrderMark) {
    test::TempFolder folder;
    const auto file = folder / "BlockList.txt";
    using namespace std::string_literals;
    test::Spit(file, "\xFF\xFE"
                     "5\0"
                     "5\0"
                     "5\0"
                     "\r\0\n\0"s);
    AddBlocked(file, {"6"});
    EXPECT_EQ(test::Slurp(file), "\xFF\xFE"
                                 "5\0"
                                 "5\0"
                                 "5\0"
                                 "\r\0\n\0"
                                 "6\0\r\0\n\0"s);
    EXPECT_EQ(BlockList::Load(file).Numbers(), (std::vector<std::string>{"555", "6"}));

    test::Spit(file, "\xFE\xFF"
                     "\0"
                     "7\0x"s);
    try {
        BlockList::Load(file);
        FAIL();
    } catch (const BlockListError& e) {
        EXPECT_NE(std::string(e.what()).find("\"7x\""), std::string::npos);
    }
    test::Spit(file, "\xEF\xBB\xBF"
                     "8\r\n");
    RemoveBlocked(file, {"8"});
    EXPECT_EQ(test::Slurp(file), "\xEF\xBB\xBF");
}

TEST(BlockList, AnImportNamesTheLineOfItsOwnFile) {
    test::TempFolder folder;
    test::Spit(folder / "numbers.txt", "555\r\n\r\n556\r\n");
    EXPECT_EQ(NumbersToBlock(folder / "numbers.txt"), (std::vector<std::string>{"555", "556"}));
    test::Spit(folder / "numbers.txt", "555\r\nJohn\r\n");
    try {
        NumbersToBlock(folder / "numbers.txt");
        FAIL();
    } catch (const BlockListError& e) {
        EXPECT_EQ(e.path(), folder / "numbers.txt");
        EXPECT_EQ(e.line(), 2u);
    }
    EXPECT_THROW(NumbersToBlock(folder / "missing.txt"), FileError);
}

} // namespace
} // namespace mervadin
