#include "qtcore/text_codec.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

const std::string kTest = "\xE6\xB5\x8B\xE8\xAF\x95"; // two three-byte characters in UTF-8
const std::string kTestGb = "\xB2\xE2\xCA\xD4";       // the same two in GB2312

TEST(TextCodec, DecodesEncodesAndCutsInTheChosenEncoding) {
    const auto gb = TextCodec::Named("GB18030");
    ASSERT_NE(gb, nullptr);
    EXPECT_EQ(gb->Decode(kTestGb), QString::fromUtf8(kTest));
    EXPECT_EQ(gb->Encode(QString::fromUtf8(kTest)), kTestGb);
    EXPECT_EQ(gb->Fit("a" + kTestGb, 4), 3u);
    EXPECT_EQ(gb->Fit("a" + kTestGb, 5), 5u);
    EXPECT_EQ(gb->Truncate(QString::fromUtf8("a" + kTest), 4), QString::fromUtf8("a\xE6\xB5\x8B"));
    EXPECT_EQ(TextCodec::Named("no-such-encoding"), nullptr);

    // Invalid bytes show as replacement marks; the codec itself writes nothing back.
    const auto utf8Codec = TextCodec::Named("UTF-8");
    EXPECT_EQ(utf8Codec->Decode(kTestGb).count(QChar::ReplacementCharacter), 4);

    // The settings block cuts a text field at a whole GB18030 character.
    test::TempFolder temp;
    const auto config = temp / "Config.txt";
    RestoreDefaultSettings(config);
    WriteSetting(config, "pin=", "a" + kTestGb + kTestGb + kTestGb + kTestGb); // 17 bytes
    const SettingsBlock gbBlock = BuildSettingsBlock(ReadLines(config), {2026, 1, 1, 0, 0, 0}, *gb);
    EXPECT_EQ(std::string(gbBlock.begin() + 480, gbBlock.begin() + 496),
              "a" + kTestGb + kTestGb + kTestGb + kTestGb.substr(0, 2) + '\0');
}

} // namespace
} // namespace mervadin
