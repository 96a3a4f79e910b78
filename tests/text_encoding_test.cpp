#include "common/text_encoding.h"
#include "frames/frame_templates.h"
#include "records/call_record.h"
#include "records/record_files.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

const std::string kTest = "\xE6\xB5\x8B\xE8\xAF\x95"; // two three-byte characters in UTF-8
const std::string kTestGb = "\xB2\xE2\xCA\xD4";       // the same two in GB2312

TEST(TextEncoding, CutsNeverSplitACharacter) {
    const TextEncoding& utf8 = Utf8Encoding();
    EXPECT_EQ(utf8.Fit(kTest, 5), 3u);
    EXPECT_EQ(utf8.Fit(kTest, 6), 6u);
    EXPECT_EQ(utf8.Fit("a" + kTest, 3), 1u);
    EXPECT_EQ(utf8.Fit(kTestGb + "xyz", 3), 3u); // not UTF-8: the bytes are cut as they are
}

TEST(TextEncoding, ByteLimitsOfTheSettingsBlockAndRemarksCutWholeCharacters) {
    test::TempFolder temp;
    const auto config = temp / "Config.txt";
    RestoreDefaultSettings(config);
    std::string sms = "x";
    for (int i = 0; i < 40; ++i)
        sms += kTest; // 241 bytes: 96 falls inside the 32nd character
    WriteSetting(config, "sms=", sms);
    WriteSetting(config, "pin=", "ab" + kTest + kTest + kTest + kTest + kTest);
    const DataBlock block =
        BuildSettingsBlock(ReadLines(config), {2026, 1, 1, 0, 0, 0}, Utf8Encoding());
    EXPECT_EQ(std::string(block.begin() + 256, block.begin() + 352),
              sms.substr(0, 94) + '\0' + '\0');
    EXPECT_EQ(std::string(block.begin() + 480, block.begin() + 496),
              "ab" + kTest + kTest + std::string(2, '\0'));

    const WorkFolder folder(temp.path());
    ASSERT_EQ(folder.Prepare(), std::nullopt);
    WriteLines(folder.File("CallOutList.txt"), {"Group[1],\tName[n],\tType[0],\tRemark[]"});
    std::string remark = "r";
    for (int i = 0; i < 50; ++i)
        remark += kTest;
    std::string line;
    ASSERT_TRUE(RecordFiles(folder, Utf8Encoding())
                    .CommitRemark(RecordFiles::List::CallOut, 0, remark, &line));
    EXPECT_EQ(FieldValue(line, "Remark["), remark.substr(0, 124)); // 1 + 41 characters of 3
}

// Notepad's "Unicode" and a spreadsheet's "Unicode Text" are UTF-16; a
// surrogate pair is one character, and what is not well-formed UTF-16 is
// no text at all.
TEST(TextEncoding, Utf16BecomesUtf8) {
    const std::string little("1\0\t\0-N\0\0=\xD8\x00\xDE", 12);
    EXPECT_EQ(Utf16ToUtf8(little, ByteOrder::LittleEndian),
              std::string("1\t\xE4\xB8\xAD\0\xF0\x9F\x98\x80", 10));
    std::string big(little);
    for (std::size_t i = 0; i + 1 < big.size(); i += 2)
        std::swap(big[i], big[i + 1]);
    EXPECT_EQ(Utf16ToUtf8(big, ByteOrder::BigEndian), Utf16ToUtf8(little, ByteOrder::LittleEndian));
    EXPECT_EQ(Utf16ToUtf8("1\0\n", ByteOrder::LittleEndian), std::nullopt); // odd length
    EXPECT_EQ(Utf16ToUtf8(std::string("\x00\xDE", 2), ByteOrder::LittleEndian), std::nullopt);
    EXPECT_EQ(Utf16ToUtf8(std::string("\x3D\xD8", 2), ByteOrder::LittleEndian), std::nullopt);
    EXPECT_EQ(Utf16ToUtf8(std::string("\x3D\xD8\x41\x00", 4), ByteOrder::LittleEndian),
              std::nullopt);
    EXPECT_EQ(Utf16ToUtf8("", ByteOrder::BigEndian), "");
}

} // namespace
} // namespace mervadin
