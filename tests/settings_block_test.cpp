#include "frames/frame_templates.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "settings/settings_form.h"
#include "support/settings_reference.h"

#include <gtest/gtest.h>

namespace mervadin {
namespace {

DataBlock BlockWith(std::initializer_list<std::pair<const char*, std::string>> changes,
                    LocalTime at = {2026, 12, 6, 20, 5, 9}) {
    std::vector<std::pair<std::string, std::string>> settings;
    for (const auto& [key, value] : changes)
        settings.emplace_back(key, value);
    return BuildSettingsBlock(test::SetSettings(DefaultSettingsLines(), settings), at,
                              Utf8Encoding());
}

TEST(SettingsBlock, DefaultSettingsGiveTheKnownBytes) {
    const auto block = BlockWith({});
    const std::pair<std::size_t, std::uint8_t> expected[] = {
        {16, 10},   {30, 1},    {32, 2},    {33, 2},    {34, 6},    {35, 10},    {36, 4},
        {37, 1},    {38, 1},    {39, 2},    {40, 2},    {41, 2},    {80, 30},    {81, 0x03},
        {82, 0xE7}, {83, 25},   {84, 0x00}, {85, 0x14}, {86, 0x00}, {87, 0x32},  {88, 1},
        {94, 9},    {96, 0x26}, {97, 0x12}, {98, 0x06}, {99, 0x20}, {100, 0x05}, {101, 0x09}};
    DataBlock want{};
    for (const auto& [offset, value] : expected)
        want[offset] = value;
    for (std::size_t i = 112; i < 120; ++i)
        want[i] = 0xCC;
    EXPECT_EQ(block, want);
}

TEST(SettingsBlock, ValueRulesAndFieldWidths) {
    EXPECT_EQ(BlockWith({{"mode=", "25"}})[88], 0);
    EXPECT_EQ(BlockWith({{"mode=", "3"}})[88], 3);
    EXPECT_EQ(BlockWith({{"forward dtmf key=", "0"}})[94], 1);
    EXPECT_EQ(BlockWith({{"forward dtmf key=", "1"}})[94], 9);
    EXPECT_EQ(BlockWith({{"forward dtmf key=", "5"}})[94], 1);
    EXPECT_EQ(BlockWith({{"phone=", "-1"}})[32], 0xFF);
    EXPECT_EQ(BlockWith({{"phone=", "abc"}})[40], 0);

    const auto counter = BlockWith({{"dial number counter=", "70000"}});
    EXPECT_EQ(std::vector<int>(counter.begin() + 144, counter.begin() + 147),
              (std::vector<int>{0x01, 0x11, 0x70}));
    const auto pickUp = BlockWith({{"pick up call all time=", "70000"}});
    EXPECT_EQ(pickUp[81], 0x11);
    EXPECT_EQ(pickUp[82], 0x70);

    const auto host = BlockWith({{"hoster number=", "97531"}});
    EXPECT_EQ(std::vector<int>(host.begin() + 112, host.begin() + 120),
              (std::vector<int>{0x97, 0x53, 0x1C, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}));

    const auto periods = BlockWith({{"start2 hour=", "7"}, {"end4 minute=", "59"}});
    EXPECT_EQ(periods[192], 7);
    EXPECT_EQ(periods[227], 59);
}

TEST(SettingsBlock, TextFieldsAndSmsArea) {
    const std::string sms96(96, 's');
    const auto full = BlockWith({{"sms=", sms96}, {"pin=", "1234567890123456"}});
    EXPECT_TRUE(
        std::all_of(full.begin() + 256, full.begin() + 352, [](auto b) { return b == 's'; }));
    EXPECT_EQ(full[352], 0);
    EXPECT_EQ(std::string(full.begin() + 480, full.begin() + 496), "1234567890123456");
    EXPECT_EQ(full[496], 0);

    const auto longer = BlockWith({{"sms=", sms96 + "tail"}, {"add ip=", "10.0.0.1"}});
    EXPECT_EQ(longer[351], 's');
    EXPECT_EQ(longer[352], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(longer.data()) + 240), "10.0.0.1");
}

TEST(SettingsForm, LoadsPositionsAndSavesOnlyItsOwnKeys) {
    Lines lines = test::SetSettings(DefaultSettingsLines(),
                                    {{"phone=", "12"}, {"callback=", "1"}, {"buzzer on=", "1"}});
    auto values = LoadSettingsForm(lines);
    EXPECT_EQ(values.lists.at("phone="), -1); // a value the list does not hold
    EXPECT_EQ(values.lists.at("callback="), 1);
    EXPECT_EQ(values.lists.at("forward dtmf key="), 1);
    EXPECT_EQ(values.texts.at("pick up call all time="), "999");
    values.texts.at("dial out every time=") = "";
    values.sms = "HelloWorld";

    lines = SplitLines(ApplySettings(JoinLines(lines), SettingsOfForm(values)));
    EXPECT_EQ(test::FindSetting(lines, "phone="), "-1");
    EXPECT_EQ(test::FindSetting(lines, "callback="), "1");
    EXPECT_EQ(test::FindSetting(lines, "dial out every time="), "");
    EXPECT_EQ(test::FindSetting(lines, "sms="), "HelloWorld");
    EXPECT_EQ(test::FindSetting(lines, "buzzer on="), "1"); // not the editor's key
    EXPECT_EQ(lines.size(), 70u);

    // The lists hold the items the operator sees.
    std::map<std::string, std::vector<std::string>> items;
    for (const auto& list : SettingsLists())
        items[list.key] = list.items;
    EXPECT_EQ(items.at("phone=").size(), 11u);
    EXPECT_EQ(items.at("phone=").back(), "");
    EXPECT_EQ(items.at("connected delay sms=").size(), 52u);
    EXPECT_EQ(items.at("auto pickup time=").back(), "50 S");
    EXPECT_EQ(items.at("RingVol=").front(), "Vol:0");
    EXPECT_EQ(items.at("end4 minute=").back(), "59 M");
    EXPECT_EQ(items.size(), 37u);
}

} // namespace
} // namespace mervadin
