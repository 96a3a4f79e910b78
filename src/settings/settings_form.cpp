#include "settings/settings_form.h"

#include "common/common_texts.h"
#include "common/ui_text.h"
#include "settings/settings_file.h"

namespace mervadin {

namespace {

using Items = std::vector<std::string>;

Items Numbered(const std::string& prefix, int from, int to, const std::string& suffix = "") {
    Items items;
    for (int i = from; i <= to; ++i) {
        items.push_back(prefix);
        items.back() += std::to_string(i);
        items.back() += suffix;
    }
    return items;
}

Items OffThen(Items rest) {
    rest.insert(rest.begin(), texts::common::kOff);
    return rest;
}

Items With(Items items, const std::string& last) {
    items.push_back(last);
    return items;
}

std::vector<ListControl> BuildLists() {
    const Items offOn = {texts::common::kOff, UI_TEXT("-ON-")};
    const Items banAllow = {UI_TEXT("Ban"), UI_TEXT("Allow")};
    std::vector<ListControl> lists = {
        {"ComboBox7", UI_TEXT("SpkVol"), keys::kSpeakerVolume,
         With(OffThen(Numbered(UI_TEXT("Vol:"), 1, 9)), "")},
        {"ComboBox10", UI_TEXT("MicVol"), keys::kMicVolume,
         OffThen(Numbered(UI_TEXT("Vol:"), 1, 15))},
        {"ComboBox40", UI_TEXT("ForwardDtmf"), keys::kForwardDtmf, {"0 ", "0~8 "}},
        {"ComboBox2", UI_TEXT("AutoForwardTalking"), keys::kAutoPickup,
         OffThen(Numbered("", 1, 50, UI_TEXT(" S")))},
        {"ComboBox33", UI_TEXT("MusicTxVol"), keys::kMusicTxVolume,
         OffThen(Numbered(UI_TEXT("Vol:"), 1, 7))},
        {"ComboBox34", UI_TEXT("MusicRxVol"), keys::kMusicRxVolume,
         OffThen(Numbered(UI_TEXT("Vol:"), 1, 7))},
        {"ComboBox24", UI_TEXT("MoniterClienteleVol"), keys::kListenVolume,
         OffThen(Numbered(UI_TEXT("Vol:"), 1, 9))},
        {"ComboBox26", UI_TEXT("ForwardRingVol"), keys::kForwardRingVolume,
         OffThen(Numbered(UI_TEXT("Vol:"), 1, 7))},
        {"ComboBox25", UI_TEXT("SendSmsAnswerd"), keys::kSmsAfterAnswer,
         With(OffThen(Numbered("", 1, 50, UI_TEXT(" S"))), "")},
        {"ComboBox35", UI_TEXT("SendSmsToHost"), keys::kSmsToHost, offOn},
        {"ComboBox36", UI_TEXT("SendSmsToClientele"), keys::kSmsToCalled, offOn},
        {"ComboBox23", UI_TEXT("RingTone"), keys::kRingTone, OffThen(Numbered("", 1, 7))},
        {"ComboBox27", UI_TEXT("RingVol"), keys::kRingVolume, Numbered(UI_TEXT("Vol:"), 0, 7)},
        {"ComboBox28", UI_TEXT("CallOutAllowOutsidePB"), keys::kCallOutOutsidePhonebook, banAllow},
        {"ComboBox29", UI_TEXT("CallInAllowOutsidePB"), keys::kCallInOutsidePhonebook, banAllow},
        {"ComboBox42",
         UI_TEXT("CallOutMode"),
         keys::kCallBack,
         {UI_TEXT("Normal"), UI_TEXT("CallBack")}},
        {"ComboBox3", UI_TEXT("CallInMode"), keys::kDialInType, {UI_TEXT("ZEL"), UI_TEXT("Phone")}},
        {"ComboBox30", UI_TEXT("RecordingSwitch"), keys::kRecordingSwitch, offOn},
        {"ComboBox31", UI_TEXT("RingBackToneVol"), keys::kRingBackVolume,
         Numbered(UI_TEXT("Vol:"), 0, 3)},
        {"ComboBox1",
         UI_TEXT("ZEL Mode"),
         keys::kMode,
         {UI_TEXT("[1]Unattended"), UI_TEXT("[2]OnDuty"), UI_TEXT("[3]Forward"),
          UI_TEXT("[4]QuickRing")},
         true},
        {"ComboBox8", UI_TEXT("Task Work"), keys::kTaskWork, offOn, false,
         ControlPlace::TaskSwitch},
    };
    const char* rows[4][4] = {{"ComboBox4", "ComboBox5", "ComboBox6", "ComboBox9"},
                              {"ComboBox11", "ComboBox12", "ComboBox13", "ComboBox14"},
                              {"ComboBox15", "ComboBox16", "ComboBox17", "ComboBox18"},
                              {"ComboBox19", "ComboBox20", "ComboBox21", "ComboBox22"}};
    // Each period: its start's hour and minute, its end's hour and minute.
    const Items hours = Numbered("", 0, 23, UI_TEXT(" H"));
    const Items minutes = Numbered("", 0, 59, UI_TEXT(" M"));
    for (std::size_t row = 0; row < 4; ++row)
        for (std::size_t part = 0; part < 4; ++part)
            lists.push_back({rows[row][part], "", keys::kPeriods[row][part],
                             part % 2 == 0 ? hours : minutes, false, ControlPlace::TaskPeriod});
    return lists;
}

} // namespace

const std::vector<ListControl>& SettingsLists() {
    static const std::vector<ListControl> lists = BuildLists();
    return lists;
}

const std::vector<TextControl>& SettingsTexts() {
    static const std::vector<TextControl> texts = {
        {"Edit1", UI_TEXT("DelayedCall"), keys::kDelayedCall, 4},
        {"Edit6", UI_TEXT("AnsweredWait"), keys::kAnsweredWait, 2},
        {"Edit2", UI_TEXT("PlayMusicMaxTime"), keys::kPlayMusicMaxTime, 4},
        {"Edit5", UI_TEXT("WaitingServiceTime"), keys::kWaitingServiceTime, 2},
        {"Edit4", UI_TEXT("ServiceMaxTime"), keys::kServiceMaxTime, 4},
        {"Edit7", UI_TEXT("Host Number"), keys::kHostNumber, kHostNumberDigits, true,
         ControlPlace::ColumnsEnd},
        {"Edit8", UI_TEXT("CallTimesStartZel"), keys::kDialCounter, 5, false,
         ControlPlace::ColumnsEnd},
    };
    return texts;
}

std::vector<const TextControl*> TextsNotNumbers(const SettingsFormValues& values) {
    std::vector<const TextControl*> refused;
    for (const auto& text : SettingsTexts()) {
        const auto value = values.texts.find(text.key);
        if (value != values.texts.end() &&
            value->second.find_first_not_of("0123456789") != std::string::npos)
            refused.push_back(&text);
    }
    return refused;
}

std::string SettingLabel(const std::string& key) {
    for (const auto& text : SettingsTexts())
        if (text.key == key)
            return text.label;
    for (const auto& list : SettingsLists())
        if (list.key == key)
            return list.label;
    return {};
}

SettingsFormValues LoadSettingsForm(const Lines& config) {
    return LoadSettingsForm(SettingsIndex::OfLines(config));
}

SettingsFormValues LoadSettingsForm(const SettingsIndex& config) {
    SettingsFormValues values;
    for (const auto& list : SettingsLists()) {
        const int position = ParseIntSetting(config.Text(list.key));
        const bool held = position >= 0 && position < static_cast<int>(list.items.size());
        values.lists[list.key] = held ? position : -1;
    }
    for (const auto& text : SettingsTexts())
        values.texts[text.key] = config.Text(text.key);
    values.sms = config.Text(keys::kSms);
    return values;
}

std::vector<std::pair<std::string, std::string>> SettingsOfForm(const SettingsFormValues& values) {
    std::vector<std::pair<std::string, std::string>> settings;
    for (const auto& list : SettingsLists())
        settings.emplace_back(list.key, std::to_string(values.lists.at(list.key)));
    for (const auto& text : SettingsTexts())
        settings.emplace_back(text.key, values.texts.at(text.key));
    settings.emplace_back(keys::kSms, values.sms);
    return settings;
}

} // namespace mervadin
