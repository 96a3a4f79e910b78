#include "settings/settings_file.h"

#include "common/decimal.h"
#include "files/file_batch.h"
#include "files/file_read.h"
#include "files/folder_lock.h"

#include <algorithm>
#include <charconv>

namespace mervadin {

namespace {

bool BeginsWith(std::string_view line, std::string_view key) {
    return line.substr(0, key.size()) == key;
}

std::string ValueOf(std::string_view line) {
    const auto equals = line.find('=');
    return std::string(equals == std::string_view::npos ? std::string_view{}
                                                        : line.substr(equals + 1));
}

// Whether a line beginning with `key` is exactly a line whose text up to its
// first "=" is `key`: true for keys whose only "=" ends them.
bool EndsAtItsOnlyEquals(std::string_view key) {
    return !key.empty() && key.find('=') == key.size() - 1;
}

std::string_view KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(0, equals + 1);
}

std::string_view ValueView(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
}

} // namespace

SettingsIndex SettingsIndex::OfText(std::string_view text) {
    SettingsIndex index;
    ForEachLine(text, [&](std::string_view line) {
        index.Add(line);
        return !index.markerReached_;
    });
    return index;
}

SettingsIndex SettingsIndex::OfLines(const Lines& lines) {
    SettingsIndex index;
    for (const auto& line : lines) {
        index.Add(line);
        if (index.markerReached_)
            break;
    }
    return index;
}

void SettingsIndex::Add(std::string_view line) {
    if (!firstLine_)
        firstLine_ = line;
    markerReached_ = line == kSettingsEndMarker;
    if (line.empty())
        return; // only the empty key begins an empty line: firstLine_ answers it
    lines_.push_back(line);
    if (const std::string_view key = KeyOf(line); !key.empty())
        byKey_.emplace(key, ValueView(line));
}

std::optional<std::string_view> SettingsIndex::Find(std::string_view key) const {
    if (key.empty())
        return firstLine_ ? std::optional(ValueView(*firstLine_)) : std::nullopt;
    if (EndsAtItsOnlyEquals(key)) {
        const auto found = byKey_.find(key);
        return found == byKey_.end() ? std::nullopt : std::optional(found->second);
    }
    for (const auto line : lines_)
        if (BeginsWith(line, key))
            return ValueView(line);
    return std::nullopt;
}

std::optional<std::string> FindSetting(const Lines& lines, std::string_view key) {
    for (const auto& line : lines) {
        if (BeginsWith(line, key))
            return ValueOf(line);
        if (line == kSettingsEndMarker)
            break;
    }
    return std::nullopt;
}

void SetSetting(Lines& lines, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + std::string(value);
    for (auto& existing : lines) {
        if (BeginsWith(existing, key)) {
            existing = std::move(line);
            return;
        }
    }
    auto marker = std::find(lines.begin(), lines.end(), kSettingsEndMarker);
    lines.insert(marker, std::move(line));
}

std::int32_t ParseIntSetting(std::string_view value) {
    const auto number = ParseDecimal(value);
    if (!number || *number < INT32_MIN || *number > INT32_MAX)
        return 0;
    return static_cast<std::int32_t>(*number);
}

std::int32_t ReadIntSetting(const std::filesystem::path& file, std::string_view key) {
    return ParseIntSetting(ReadTextSetting(file, key));
}

std::string ReadTextSetting(const std::filesystem::path& file, std::string_view key) {
    const std::string text = ReadFileBytes(file);
    return SettingsIndex::OfText(text).Text(key);
}

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// Settings whose keys end at their only "=": a line begins with such a key
// exactly when its text up to its first "=" is the key, so one pass finds
// every line to replace.
std::string ApplySimpleSettings(std::string_view text, const Settings& settings) {
    std::unordered_map<std::string_view, std::size_t> last; // key -> its last value
    std::vector<std::string_view> order;                    // keys, first use first
    for (std::size_t i = 0; i < settings.size(); ++i)
        if (last.insert_or_assign(settings[i].first, i).second)
            order.push_back(settings[i].first);
    std::unordered_map<std::string_view, bool> present; // has a line anywhere; replaced yet
    ForEachLine(text, [&](std::string_view line) {
        if (const auto key = KeyOf(line); last.count(key))
            present.emplace(key, false);
        return true;
    });
    std::string out;
    out.reserve(text.size() + 64 * settings.size());
    const auto put = [&](std::string_view key, std::string_view value) {
        out.append(key).append(value).append("\r\n");
    };
    bool inserted = false;
    const auto insertAbsent = [&] {
        for (const auto key : order)
            if (!present.count(key))
                put(key, settings[last.at(key)].second);
        inserted = true;
    };
    ForEachLine(text, [&](std::string_view line) {
        if (!inserted && line == kSettingsEndMarker)
            insertAbsent();
        const auto found = present.find(KeyOf(line));
        if (found != present.end() && !found->second) {
            found->second = true;
            put(found->first, settings[last.at(found->first)].second);
        } else {
            out.append(line).append("\r\n");
        }
        return true;
    });
    if (!inserted)
        insertAbsent();
    return out;
}

} // namespace

std::string ApplySettings(std::string_view text, const Settings& settings) {
    const bool simple = std::all_of(settings.begin(), settings.end(), [](const auto& setting) {
        return EndsAtItsOnlyEquals(setting.first);
    });
    if (simple)
        return ApplySimpleSettings(text, settings);
    // A key that could begin lines of other keys: set one after the other.
    Lines lines = SplitLines(text);
    for (const auto& [key, value] : settings)
        SetSetting(lines, key, value);
    return JoinLines(lines);
}

void WriteSetting(const std::filesystem::path& file, std::string_view key, std::string_view value) {
    const auto lock = FolderLock::Beside(file);
    const std::string text = ReadFileBytes(file);
    WriteFileAtomically(file, ApplySettings(text, {{std::string(key), std::string(value)}}));
}

void RestoreDefaultSettings(const std::filesystem::path& file) {
    const auto lock = FolderLock::Beside(file);
    WriteLines(file, DefaultSettingsLines());
}

bool FillDefaultSettingsIfShort(const std::filesystem::path& file) {
    const auto lock = FolderLock::Beside(file);
    if (CountLines(ReadFileBytes(file), kMinimumSettingsLines) >= kMinimumSettingsLines)
        return false;
    WriteLines(file, DefaultSettingsLines());
    return true;
}

} // namespace mervadin
