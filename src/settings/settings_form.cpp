#include "settings/settings_form.h"

#include "common/common_texts.h"
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
    const Items offOn = {texts::common::kOff, "-ON-"};
    const Items banAllow = {"Ban", "Allow"};
    std::vector<ListControl> lists = {
        {"ComboBox7", "SpkVol", "phone=", With(OffThen(Numbered("Vol:", 1, 9)), "")},
        {"ComboBox10", "MicVol", "mic=", OffThen(Numbered("Vol:", 1, 15))},
        {"ComboBox40", "ForwardDtmf", "forward dtmf key=", {"0 ", "0~8 "}},
        {"ComboBox2", "AutoForwardTalking",
         "auto pickup time=", OffThen(Numbered("", 1, 50, " S"))},
        {"ComboBox33", "MusicTxVol", "uplink vol=", OffThen(Numbered("Vol:", 1, 7))},
        {"ComboBox34", "MusicRxVol", "downlink vol=", OffThen(Numbered("Vol:", 1, 7))},
        {"ComboBox24", "MoniterClienteleVol", "listen vol=", OffThen(Numbered("Vol:", 1, 9))},
        {"ComboBox26", "ForwardRingVol", "server ring vol=", OffThen(Numbered("Vol:", 1, 7))},
        {"ComboBox25", "SendSmsAnswerd",
         "connected delay sms=", With(OffThen(Numbered("", 1, 50, " S")), "")},
        {"ComboBox35", "SendSmsToHost", "send sms to hoster function=", offOn},
        {"ComboBox36", "SendSmsToClientele", "send sms to called function=", offOn},
        {"ComboBox23", "RingTone", "RingTone=", OffThen(Numbered("", 1, 7))},
        {"ComboBox27", "RingVol", "RingVol=", Numbered("Vol:", 0, 7)},
        {"ComboBox28", "CallOutAllowOutsidePB", "CallOutAllowOutSidePB=", banAllow},
        {"ComboBox29", "CallInAllowOutsidePB", "CallInAllowOutSidePB=", banAllow},
        {"ComboBox42", "CallOutMode", "callback=", {"Normal", "CallBack"}},
        {"ComboBox3", "CallInMode", "dial in type=", {"ZEL", "Phone"}},
        {"ComboBox30", "RecordingSwitch", "RecSwitch=", offOn},
        {"ComboBox31", "RingBackToneVol", "RctVol=", Numbered("Vol:", 0, 3)},
        {"ComboBox1",
         "ZEL Mode",
         "mode=",
         {"[1]Unattended", "[2]OnDuty", "[3]Forward", "[4]QuickRing"},
         true},
        {"ComboBox8", "Task Work", "auto dial switch=", offOn},
    };
    const char* rows[4][4] = {{"ComboBox4", "ComboBox5", "ComboBox6", "ComboBox9"},
                              {"ComboBox11", "ComboBox12", "ComboBox13", "ComboBox14"},
                              {"ComboBox15", "ComboBox16", "ComboBox17", "ComboBox18"},
                              {"ComboBox19", "ComboBox20", "ComboBox21", "ComboBox22"}};
    for (int row = 0; row < 4; ++row) {
        const std::string n = std::to_string(row + 1);
        lists.push_back({rows[row][0], "", "start" + n + " hour=", Numbered("", 0, 23, " H")});
        lists.push_back({rows[row][1], "", "start" + n + " minute=", Numbered("", 0, 59, " M")});
        lists.push_back({rows[row][2], "", "end" + n + " hour=", Numbered("", 0, 23, " H")});
        lists.push_back({rows[row][3], "", "end" + n + " minute=", Numbered("", 0, 59, " M")});
    }
    return lists;
}

} // namespace

const std::vector<ListControl>& SettingsLists() {
    static const std::vector<ListControl> lists = BuildLists();
    return lists;
}

const std::vector<TextControl>& SettingsTexts() {
    static const std::vector<TextControl> texts = {
        {"Edit1", "DelayedCall", "dial out every time=", 4},
        {"Edit6", "AnsweredWait", "all time of dial to pickup=", 2},
        {"Edit2", "PlayMusicMaxTime", "dial out all time=", 4},
        {"Edit5", "WaitingServiceTime", "no person play sound all time=", 2},
        {"Edit4", "ServiceMaxTime", "pick up call all time=", 4},
        {"Edit7", "Host Number", "hoster number=", 16, false},
        {"Edit8", "CallTimesStartZel", "dial number counter=", 5},
    };
    return texts;
}

std::vector<const TextControl*> TextsNotNumbers(const SettingsFormValues& values) {
    std::vector<const TextControl*> refused;
    for (const auto& text : SettingsTexts()) {
        const auto value = values.texts.find(text.key);
        if (text.digitsOnly && value != values.texts.end() &&
            value->second.find_first_not_of("0123456789") != std::string::npos)
            refused.push_back(&text);
    }
    return refused;
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
    values.sms = config.Text(kSmsKey);
    return values;
}

std::vector<std::pair<std::string, std::string>> SettingsOfForm(const SettingsFormValues& values) {
    std::vector<std::pair<std::string, std::string>> settings;
    for (const auto& list : SettingsLists())
        settings.emplace_back(list.key, std::to_string(values.lists.at(list.key)));
    for (const auto& text : SettingsTexts())
        settings.emplace_back(text.key, values.texts.at(text.key));
    settings.emplace_back(kSmsKey, values.sms);
    return settings;
}

} // namespace mervadin
