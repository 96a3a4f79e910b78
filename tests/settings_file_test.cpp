#include "settings/settings_file.h"
#include "support/settings_reference.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <random>

namespace mervadin {
namespace {

TEST(SettingsFile, DefaultTableHasSeventyLinesEndMarkerLast) {
    const Lines& lines = DefaultSettingsLines();
    ASSERT_EQ(lines.size(), 70u);
    EXPECT_EQ(lines[0], std::string(54, '='));
    EXPECT_EQ(lines[1].size(), 54u);
    EXPECT_EQ(lines[4], "ver=00-00");
    EXPECT_EQ(lines[6], "phone=2");
    EXPECT_EQ(lines[25], "start1 hour=0");
    EXPECT_EQ(lines[40], "end4 minute=0");
    EXPECT_EQ(lines[57], "slaver moudule send sms to hoster=0");
    EXPECT_EQ(lines[68], "RctVol=1");
    EXPECT_EQ(lines[69], "setting end!!!");
    // No key is the beginning of another key's line.
    for (const auto& a : lines) {
        const auto eq = a.find('=');
        if (eq == std::string::npos || eq == 0 || a[0] == '=')
            continue;
        const auto key = a.substr(0, eq + 1);
        int owners = 0;
        for (const auto& b : lines)
            owners += b.rfind(key, 0) == 0;
        EXPECT_EQ(owners, 1) << key;
    }
}

TEST(SettingsFile, ReadsTakeTheFirstLineBeforeTheEndMarker) {
    const Lines lines = {"header",  "phone=12",       "phone=3",        "mic=abc",
                         "sms=a=b", "name=",          "x= 5",           "y=-7",
                         "z=+8",    "big=2147483648", "setting end!!!", "late=1"};
    const SettingsIndex index = SettingsIndex::OfLines(lines);
    EXPECT_EQ(index.Find("phone="), "12");
    EXPECT_EQ(index.Find("sms="), "a=b");
    EXPECT_EQ(index.Find("name="), "");
    EXPECT_EQ(index.Find("late="), std::nullopt);
    EXPECT_EQ(index.Find("absent="), std::nullopt);

    EXPECT_EQ(ParseIntSetting("12"), 12);
    EXPECT_EQ(ParseIntSetting("-7"), -7);
    EXPECT_EQ(ParseIntSetting("+8"), 8);
    EXPECT_EQ(ParseIntSetting(""), 0);
    EXPECT_EQ(ParseIntSetting("abc"), 0);
    EXPECT_EQ(ParseIntSetting("12a"), 0);
    EXPECT_EQ(ParseIntSetting(" 5"), 0);
    EXPECT_EQ(ParseIntSetting("+-5"), 0);
    EXPECT_EQ(ParseIntSetting("2147483648"), 0);
    EXPECT_EQ(ParseIntSetting("-2147483648"), -2147483647 - 1);
}

TEST(SettingsFile, WriteReplacesFirstLineEvenPastTheMarkerAndInsertsMissingKeys) {
    const std::string text = "h\r\nphone=1\r\nphone=2\r\nsetting end!!!\r\nlate=1\r\n";
    EXPECT_EQ(ApplySettings(text, {{"phone=", "7"}, {"late=", "9"}}),
              "h\r\nphone=7\r\nphone=2\r\nsetting end!!!\r\nlate=9\r\n");
    // A key no line holds is placed just before the end marker, where reads
    // find it; a key given twice takes its last value.
    const std::string named = ApplySettings(text, {{"name=", "Al"}, {"name=", "Bob"}});
    EXPECT_EQ(named, "h\r\nphone=1\r\nphone=2\r\nname=Bob\r\nsetting end!!!\r\nlate=1\r\n");
    EXPECT_EQ(SettingsIndex::OfText(named).Text("name="), "Bob");
    EXPECT_EQ(ApplySettings("a=1", {{"b=", "2"}}), "a=1\r\nb=2\r\n");
    // Two keys that begin one line: the first given takes it.
    EXPECT_EQ(ApplySettings("a=b=1\na=2\n", {{"a=b=", "x"}, {"a=", "y"}}), "a=b=x\r\na=y\r\n");
}

TEST(SettingsFile, FileOperationsAndDefaults) {
    test::TempFolder folder;
    const auto config = folder / "Config.txt";
    test::Spit(config, "");
    EXPECT_TRUE(FillDefaultSettingsIfShort(config));
    EXPECT_EQ(ReadLines(config), DefaultSettingsLines());
    EXPECT_EQ(test::Slurp(config).substr(0, 56), std::string(54, '=') + "\r\n");

    EXPECT_EQ(ReadIntSetting(config, "phone="), 2);
    EXPECT_EQ(ReadIntSetting(config, "connected delay sms="), 0);
    EXPECT_EQ(ReadTextSetting(config, "dial number counter="), "");
    EXPECT_EQ(ReadTextSetting(config, "pick up call all time="), "999");

    WriteSetting(config, "sms=", "Hello=World ");
    EXPECT_EQ(ReadTextSetting(config, "sms="), "Hello=World ");
    WriteSetting(config, "extra key=", "5");
    EXPECT_EQ(ReadIntSetting(config, "extra key="), 5);
    EXPECT_EQ(ReadLines(config).back(), "setting end!!!");

    // Four lines of anything are replaced; five lines are kept even with keys missing.
    test::Spit(config, "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_TRUE(FillDefaultSettingsIfShort(config));
    EXPECT_EQ(ReadLines(config).size(), 70u);
    test::Spit(config, "a\nb\nc\nd\ne\n");
    EXPECT_FALSE(FillDefaultSettingsIfShort(config));
    EXPECT_EQ(test::Slurp(config), "a\nb\nc\nd\ne\n");

    EXPECT_THROW(ReadIntSetting(folder / "missing.txt", "phone="), FileError);
}

TEST(SettingsFile, OneLookupPerKeyAndOnePassRewriteAgreeWithTheLineByLineRule) {
    // Files made of look-alike lines: keys that begin other keys' lines,
    // doubled "=", lines without "=", keys after the end marker, every kind
    // of line end; compared with the plain rule on whole lines.
    const std::vector<std::string> pool = {
        "phone=1", "slaver phone=2", "phone==3", "phonebook", "mic=",  "sms=a=b",
        "",        "setting end!!!", "late=9",   "=x",        "pho=7", "setting end!!!x",
        "mic=4"};
    const std::vector<std::string> keys = {
        "phone=", "slaver phone=", "mic=",   "late=", "sms=", "pho", "setting", "",
        "=",      "a=b=",          "absent="};
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = static_cast<int>(random() % 12); i > 0; --i)
            text += pool[random() % pool.size()] + ends[random() % 3];
        const Lines lines = SplitLines(text);
        const SettingsIndex index = SettingsIndex::OfText(text);
        for (const auto& key : keys) {
            const auto plain = test::FindSetting(lines, key);
            const auto found = index.Find(key);
            EXPECT_EQ(found.has_value(), plain.has_value()) << text << " key " << key;
            if (found && plain) {
                EXPECT_EQ(std::string(*found), *plain) << text << " key " << key;
            }
        }
        std::vector<std::pair<std::string, std::string>> settings;
        for (int i = static_cast<int>(random() % 5); i > 0; --i)
            settings.emplace_back(keys[random() % 5], std::to_string(random() % 100));
        if (round % 4 == 0)
            settings.emplace_back(keys[5 + random() % 5], "odd");
        EXPECT_EQ(ApplySettings(text, settings), JoinLines(test::SetSettings(lines, settings)))
            << text;
    }
}

TEST(SettingsFile, AFileOfLineBreaksIsReadInOnePass) {
    test::TempFolder folder;
    const auto config = folder / "Config.txt";
    std::string text = JoinLines(DefaultSettingsLines());
    text.insert(0, std::string(5'000'000, '\n'));
    test::Spit(config, text);
    EXPECT_FALSE(FillDefaultSettingsIfShort(config));
    EXPECT_EQ(ReadTextSetting(config, "pick up call all time="), "999");
    WriteSetting(config, "phone=", "3");
    EXPECT_EQ(ReadIntSetting(config, "phone="), 3);
    EXPECT_EQ(test::Slurp(config).size(), 2 * 5'000'000 + text.size() - 5'000'000);
}

// A file that is no settings file is never built into a block of zeros:
// empty, garbage, the keys' lines without the header or cut before the end
// line are each refused, with the file named; a default file, one with a
// key missing (read as 0, as ever) or lines after the end line is taken.
TEST(SettingsFile, OnlyAFileWithHeaderKeysAndEndLineIsASettingsFile) {
    const std::string defaults = JoinLines(DefaultSettingsLines());
    EXPECT_EQ(CheckSettingsFile(defaults), std::nullopt);
    EXPECT_EQ(CheckSettingsFile(defaults + "garbage after the end\r\n"), std::nullopt);
    Lines missingKey = DefaultSettingsLines();
    missingKey.erase(missingKey.begin() + 7);
    EXPECT_EQ(CheckSettingsFile(JoinLines(missingKey)), std::nullopt);

    EXPECT_EQ(CheckSettingsFile(""), SettingsFault::Empty);
    EXPECT_EQ(CheckSettingsFile("\r\n\r\n"), SettingsFault::Empty);
    EXPECT_EQ(CheckSettingsFile(std::string("\x89PNG\r\n\x1a\n\0\0=x", 12)), SettingsFault::NoKeys);
    EXPECT_EQ(CheckSettingsFile("setting end!!!\r\nphone=2\r\n"), SettingsFault::NoKeys);
    const Lines lines = DefaultSettingsLines();
    EXPECT_EQ(CheckSettingsFile(JoinLines(Lines(lines.begin() + 5, lines.end()))),
              SettingsFault::NoHeader);
    EXPECT_EQ(CheckSettingsFile(JoinLines(Lines(lines.begin(), lines.begin() + 40))),
              SettingsFault::NoEndLine);
    const std::string message = SettingsFaultMessage("/w/Config.txt", SettingsFault::NoEndLine);
    EXPECT_NE(message.find("/w/Config.txt"), std::string::npos) << message;
    EXPECT_NE(message.find("\"setting end!!!\""), std::string::npos) << message;
    EXPECT_NE(message.find("Nothing was sent"), std::string::npos) << message;
}

} // namespace
} // namespace mervadin
