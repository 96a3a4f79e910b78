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

// The keys to set, each once with its last value, in the order of their
// first use; found for a line by its text up to its first "=" when they end
// at their only "=" (every key the tool itself writes), else by a scan.
class SettingKeys {
public:
    explicit SettingKeys(const Settings& settings) {
        for (const auto& [key, value] : settings) {
            auto [at, added] = order_.try_emplace(key, keys_.size());
            if (added)
                keys_.push_back({key, value, false});
            else
                keys_[at->second].value = value;
            if (!EndsAtItsOnlyEquals(key))
                scanned_.push_back(at->second);
        }
    }

    // The first key, in order, that begins `line` and has no line yet; it
    // takes the line.
    std::optional<std::size_t> Claim(std::string_view line) {
        std::optional<std::size_t> best;
        if (const auto found = order_.find(KeyOf(line));
            found != order_.end() && EndsAtItsOnlyEquals(found->first))
            best = Unclaimed(found->second);
        for (const std::size_t i : scanned_)
            if (BeginsWith(line, keys_[i].key) && Unclaimed(i) && (!best || i < *best))
                best = i;
        if (best)
            keys_[*best].claimed = true;
        return best;
    }

    struct Key {
        std::string_view key, value;
        bool claimed;
    };
    const std::vector<Key>& Keys() const { return keys_; }

private:
    std::optional<std::size_t> Unclaimed(std::size_t i) const {
        return keys_[i].claimed ? std::nullopt : std::optional(i);
    }

    std::vector<Key> keys_;
    std::unordered_map<std::string_view, std::size_t> order_;
    std::vector<std::size_t> scanned_;
};

} // namespace

std::string ApplySettings(std::string_view text, const Settings& settings) {
    SettingKeys keys(settings);
    std::string out;
    out.reserve(text.size() + 64 * settings.size());
    const auto put = [&out](std::string_view key, std::string_view value) {
        out.append(key).append(value).append("\r\n");
    };
    // The lines that begin with a key, looked for first, so that a key no
    // line begins with can be inserted before the end marker in one pass.
    std::vector<bool> present(keys.Keys().size(), false);
    {
        SettingKeys probe(settings);
        ForEachLine(text, [&](std::string_view line) {
            if (const auto claimed = probe.Claim(line))
                present[*claimed] = true;
            return true;
        });
    }
    bool inserted = false;
    const auto insertAbsent = [&] {
        for (std::size_t i = 0; i < keys.Keys().size(); ++i)
            if (!present[i])
                put(keys.Keys()[i].key, keys.Keys()[i].value);
        inserted = true;
    };
    ForEachLine(text, [&](std::string_view line) {
        if (!inserted && line == kSettingsEndMarker)
            insertAbsent();
        if (const auto claimed = keys.Claim(line))
            put(keys.Keys()[*claimed].key, keys.Keys()[*claimed].value);
        else
            out.append(line).append("\r\n");
        return true;
    });
    if (!inserted)
        insertAbsent();
    return out;
}

namespace {

// Whether `line` is the line of one of the settings' keys; the version
// line counts as the header's.
bool IsKeyLine(std::string_view line) {
    const std::string_view key = KeyOf(line);
    return !key.empty() && key != keys::kVersion && keys::IsKnown(key);
}

} // namespace

std::optional<SettingsFault> CheckSettingsFile(std::string_view text) {
    bool anyLine = false, header = false, key = false, end = false;
    ForEachLine(text, [&](std::string_view line) {
        anyLine = anyLine || !line.empty();
        if (line == kSettingsEndMarker) {
            end = true;
            return false;
        }
        if (IsKeyLine(line))
            key = true;
        else if (!key && line == keys::kHeaderLine)
            header = true;
        return true;
    });
    if (!anyLine)
        return SettingsFault::Empty;
    if (!key)
        return SettingsFault::NoKeys;
    if (!header)
        return SettingsFault::NoHeader;
    if (!end)
        return SettingsFault::NoEndLine;
    return std::nullopt;
}

std::string SettingsFaultMessage(const std::filesystem::path& file, SettingsFault fault) {
    std::string what;
    switch (fault) {
    case SettingsFault::Empty:
        what = "is empty: it holds no settings";
        break;
    case SettingsFault::NoKeys:
        what = "is no settings file: it holds none of the settings' keys";
        break;
    case SettingsFault::NoHeader:
        what = "is no settings file: its header (the line \"" + std::string(keys::kHeaderLine) +
               "\" before the keys) is missing";
        break;
    case SettingsFault::NoEndLine:
        what = "is cut short: its end line \"" + std::string(kSettingsEndMarker) + "\" is missing";
        break;
    }
    return Utf8Of(file) + " " + what +
           ". Nothing was sent. Restore the defaults (\"Default\" in the settings window, or "
           "mervadin-cli config defaults) or mend the file.";
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
