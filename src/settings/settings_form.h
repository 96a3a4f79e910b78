#pragma once
// The settings editor's controls: for each, its name, its label, the key it
// edits in Config.txt and, for a list, its items (a list stores the chosen
// item's position). Loading and saving go through these tables, so the
// window only lays the controls out.

#include "files/text_lines.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mervadin {

// Where the editor shows a control: in its columns, before the lists or
// after them; or in the Task Work box, as its switch or as a period's hour
// or minute (four to a row, in the order of the table).
enum class ControlPlace { Columns, ColumnsEnd, TaskSwitch, TaskPeriod };

struct ListControl {
    std::string name;  // e.g. "ComboBox7"
    std::string label; // e.g. "SpkVol"; empty for the Task Work period rows
    std::string key;   // e.g. keys::kSpeakerVolume
    std::vector<std::string> items;
    bool hidden = false;
    ControlPlace place = ControlPlace::Columns;
};

struct TextControl {
    std::string name;
    std::string label;
    std::string key;
    int maxLength;
    // A count or a time the block holds as a number: digits only (empty
    // counts as 0). The host number is a telephone number the block holds
    // digit by digit, one to a nibble: digits only as well, since another
    // character would reach the device as the low four bits of its code.
    bool telephone = false;
    ControlPlace place = ControlPlace::Columns;
};

const std::vector<ListControl>& SettingsLists();
const std::vector<TextControl>& SettingsTexts();
// The host's telephone number: the settings block holds 16 digits of it.
inline constexpr int kHostNumberDigits = 16;
inline constexpr std::size_t kSmsMaxBytes = 96;

// What the editor holds: the chosen position of each list (-1 for none) and
// the text of each text box and of the SMS box, by key.
struct SettingsFormValues {
    std::map<std::string, int> lists;
    std::map<std::string, std::string> texts;
    std::string sms;

    bool operator==(const SettingsFormValues&) const = default;
};

// The text controls whose text is not empty and not digits only: what a
// save must refuse, naming each field.
std::vector<const TextControl*> TextsNotNumbers(const SettingsFormValues& values);

// The label the editor shows for a key of Config.txt ("DelayedCall" for
// keys::kDelayedCall); empty for a key the editor shows without one.
std::string SettingLabel(const std::string& key);

// Reads every control's value from the lines of Config.txt.
SettingsFormValues LoadSettingsForm(const Lines& config);
SettingsFormValues LoadSettingsForm(const SettingsIndex& config);
// Every control's key and value, in the order the editor stores them.
std::vector<std::pair<std::string, std::string>> SettingsOfForm(const SettingsFormValues& values);

} // namespace mervadin
