#include "frames/frame_templates.h"
#include "numbers/number_list.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#ifndef _WIN32
#include "support/run_cli.h"
#endif
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

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
    const DataBlock gbBlock = BuildSettingsBlock(ReadLines(config), {2026, 1, 1, 0, 0, 0}, *gb);
    EXPECT_EQ(std::string(gbBlock.begin() + 480, gbBlock.begin() + 496),
              "a" + kTestGb + kTestGb + kTestGb + kTestGb.substr(0, 2) + '\0');
}

TEST(TextCodec, ImportedTextIsKeptInTheChosenEncoding) {
    const auto gb = TextCodec::Named("GB18030");
    const auto latin = TextCodec::Named("windows-1252");
    // UTF-8 (with or without its mark) becomes the chosen encoding's bytes.
    EXPECT_EQ(ImportedText("1\t" + kTest + "\t5\r\n", *gb), "1\t" + kTestGb + "\t5\r\n");
    EXPECT_EQ(ImportedText("\xEF\xBB\xBF" + kTest, *gb), kTestGb);
    // Other bytes stand as they are; the mark goes in UTF-8 too.
    EXPECT_EQ(ImportedText(kTestGb, *gb), kTestGb);
    EXPECT_EQ(ImportedText("\xEF\xBB\xBF"
                           "1,a,2",
                           Utf8Encoding()),
              "1,a,2");
    EXPECT_EQ(ImportedText(kTest, Utf8Encoding()), kTest);
    // A character the encoding cannot hold: nothing, and the file is named.
    EXPECT_EQ(ImportedText(kTest, *latin), std::nullopt);
    test::TempFolder temp;
    test::Spit(temp / "n.txt", "1," + kTest + ",5\r\n");
    try {
        ImportTextFile(temp / "n.txt", *latin);
        FAIL() << "imported";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("n.txt: holds characters that windows-1252 cannot"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(ImportTextFile(temp / "n.txt", *gb).stored.front(), "1," + kTestGb + ",5");
}

#ifndef _WIN32 // the command line through a POSIX shell
TEST(TextCodec, TheEncodingIsChosenByOptionEnvironmentRememberedChoiceThenDefault) {
    test::TempFolder temp;
    test::ScopedEnvironment config("XDG_CONFIG_HOME", (temp / "config").string());
    test::ScopedEnvironment variable("MERVADIN_ENCODING", std::nullopt);
    const auto cli = [&](const std::string& arguments) {
        return test::RunCli("--workdir '" + (temp / "wd").string() + "' " + arguments);
    };
    EXPECT_EQ(cli("encoding").out, "UTF-8\n");
    EXPECT_EQ(cli("encoding no-such-thing").status, 2);
    ASSERT_EQ(cli("encoding GB18030").status, 0);
    EXPECT_EQ(cli("encoding").out, "GB18030\n");

    // The remembered choice reads the lists; the variable and the option
    // come before it.
    ASSERT_EQ(cli("init").status, 0);
    test::Spit(temp / "wd" / "CallOutList.txt",
               "Group[1],\tName[" + kTestGb +
                   "],\tNumber[1],\tType[0],\tDate[2026/1/2 3:4:5],"
                   "\tDuration[0:0:1],\tRemark[]\r\n");
    const auto exported = [&](const std::string& prefix) {
        EXPECT_EQ(
            cli(prefix + "export-records out --no-bom '" + (temp / "o.csv").string() + "'").status,
            0);
        return test::Slurp(temp / "o.csv");
    };
    EXPECT_NE(exported("").find(kTest), std::string::npos);
    EXPECT_EQ(exported("--encoding UTF-8 ").find(kTest), std::string::npos);
    {
        test::ScopedEnvironment utf8("MERVADIN_ENCODING", "UTF-8");
        EXPECT_EQ(exported("").find(kTest), std::string::npos);
        EXPECT_NE(exported("--encoding GB18030 ").find(kTest), std::string::npos);
    }
    // A remembered name this system does not know falls back to UTF-8.
    test::Spit(temp / "config" / "Mervadin" / "mervadin.conf", "[text]\nencoding=nonsense\n");
    EXPECT_EQ(exported("").find(kTest), std::string::npos);
}
#endif

TEST(TextCodec, WithNothingChosenTheFilesReadInTheSystemsOwnEncoding) {
    // A Chinese, a Taiwanese, a Japanese, a Korean and a western Windows.
    EXPECT_EQ(TextCodec::OfCodePage(936), "GBK");
    EXPECT_EQ(TextCodec::OfCodePage(54936), "GB18030");
    EXPECT_EQ(TextCodec::OfCodePage(950), "Big5");
    EXPECT_EQ(TextCodec::OfCodePage(932), "Shift_JIS");
    EXPECT_EQ(TextCodec::OfCodePage(949), "EUC-KR");
    EXPECT_EQ(TextCodec::OfCodePage(1252), "windows-1252");
    EXPECT_EQ(TextCodec::OfCodePage(65001), "UTF-8");
    EXPECT_EQ(TextCodec::OfCodePage(437), "UTF-8"); // not offered: UTF-8
    // GBK data reads as the characters it holds.
    const auto gbk = TextCodec::Named(TextCodec::OfCodePage(936));
    ASSERT_NE(gbk, nullptr);
    EXPECT_EQ(gbk->ToUtf8("\xB2\xE2\xCA\xD4"), "\xE6\xB5\x8B\xE8\xAF\x95");
#ifdef _WIN32
    EXPECT_EQ(TextCodec::SystemDefault(), TextCodec::OfCodePage(GetACP()));
#else
    EXPECT_EQ(TextCodec::SystemDefault(), "UTF-8");
#endif
}

// The data files' keys, separators and line ends are single ASCII bytes:
// an encoding that is not an 8-bit superset of ASCII can be no data file's
// encoding, and is refused with the reason wherever one is chosen.
TEST(TextCodec, OnlyEightBitSupersetsOfAsciiCanBeChosen) {
    for (const char* refused :
         {"UTF-16", "UTF-16LE", "UTF-16BE", "UTF-32", "ISO-2022-JP", "UTF-7"}) {
        EXPECT_EQ(TextCodec::Named(refused), nullptr) << refused;
        EXPECT_NE(TextCodec::Refusal(refused).find("not an 8-bit superset of ASCII"),
                  std::string::npos)
            << refused;
    }
    for (const char* taken : {"UTF-8", "GB18030", "GBK", "Big5", "Shift_JIS", "windows-1252"})
        EXPECT_EQ(TextCodec::Refusal(taken), "") << taken;
    EXPECT_EQ(TextCodec::Refusal("no-such"), "unknown encoding \"no-such\"");
    EXPECT_EQ(TextCodec::Refusal(""), "unknown encoding \"\"");
    for (const auto& offered : EncodingChoice::Offered())
        EXPECT_NE(TextCodec::Named(offered), nullptr) << offered;
}

// Notepad's "Unicode" (UTF-16 little-endian) and "Unicode big endian" import
// like UTF-8, into the chosen encoding; a file marked as UTF-16 that is not
// is refused, and so is one whose characters the encoding cannot hold.
TEST(TextCodec, Utf16TextFilesImportLikeUtf8Ones) {
    const auto gb = TextCodec::Named("GB18030");
    const std::string little("\xFF\xFE"
                             "1\0\t\0"
                             "Km\xD5\x8B"
                             "\t\0"
                             "5\0\r\0\n\0",
                             18);
    std::string big("\xFE\xFF", 2);
    for (std::size_t i = 2; i < little.size(); i += 2)
        big += std::string{little[i + 1], little[i]};
    EXPECT_EQ(ImportedText(little, *gb), "1\t" + kTestGb + "\t5\r\n");
    EXPECT_EQ(ImportedText(big, *gb), "1\t" + kTestGb + "\t5\r\n");
    EXPECT_EQ(ImportedText(little, Utf8Encoding()), "1\t" + kTest + "\t5\r\n");
    EXPECT_EQ(ImportedText(little, *TextCodec::Named("windows-1252")), std::nullopt);
    EXPECT_THROW(ImportedText(little.substr(0, 5), *gb), TextImportError);

    test::TempFolder temp;
    test::Spit(temp / "unicode.txt", little);
    const TextImport import = ImportTextFile(temp / "unicode.txt", *gb);
    EXPECT_EQ(import.stored, Lines{"1\t" + kTestGb + "\t5"});
    test::Spit(temp / "broken.txt", little + "x");
    try {
        ImportTextFile(temp / "broken.txt", *gb);
        FAIL() << "imported";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), temp / "broken.txt");
        EXPECT_NE(std::string(e.what()).find("not UTF-16 text"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace mervadin
