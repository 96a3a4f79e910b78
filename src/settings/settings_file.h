#pragma once
// Config.txt: one "key=value" line per setting, a five-line header and the
// end marker "setting end!!!". A key is a fixed text ending in "="; a line
// belongs to the first key it begins with. Reads stop at the end marker.

#include "files/file_error.h"
#include "files/text_lines.h"
#include "settings/settings_keys.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace mervadin {

inline constexpr std::string_view kSettingsEndMarker = keys::kEndLine;
// A file with fewer lines than this is refilled with the defaults when the
// tool starts or the settings editor opens.
inline constexpr std::size_t kMinimumSettingsLines = 5;

// The 70 lines of the default settings file, end marker last.
const Lines& DefaultSettingsLines();

// The values of a settings file's lines up to the end marker, each key
// looked up once: a key that ends at its only "=" is found in a table built
// in one pass; any other key by a scan. Values point into the text or lines
// the index was made from, which must outlive it.
class SettingsIndex {
public:
    static SettingsIndex OfText(std::string_view text);
    static SettingsIndex OfLines(const Lines& lines);

    std::optional<std::string_view> Find(std::string_view key) const;
    std::string Text(std::string_view key) const { return std::string(Find(key).value_or("")); }

private:
    void Add(std::string_view line);

    // The lines that are not empty, up to the end marker, in order; and
    // their values by the text up to and including their first "=" (the
    // first such line kept).
    std::vector<std::string_view> lines_;
    std::unordered_map<std::string_view, std::string_view> byKey_;
    std::optional<std::string_view> firstLine_;
    bool markerReached_ = false;
};

// A signed 32-bit decimal integer, or 0 for anything else.
std::int32_t ParseIntSetting(std::string_view value);

// The text of a settings file with every key of `settings` set: each key
// replaces the first line that begins with it and that no key before it in
// `settings` took, searching past the end marker too; a key no line begins
// with is inserted just before the end marker as the text has it (at the end
// without one, and even when a key takes the marker's line), so
// that reads find it. A key given twice takes its last value. Lines end in
// CR LF after; memory follows the text's size, not its line count.
std::string ApplySettings(std::string_view text,
                          const std::vector<std::pair<std::string, std::string>>& settings);

// The same on the file itself; every call reads (and a write rewrites) the
// whole file. Throws FileError when the file cannot be read or written.
std::int32_t ReadIntSetting(const std::filesystem::path& file, std::string_view key);
std::string ReadTextSetting(const std::filesystem::path& file, std::string_view key);
void WriteSetting(const std::filesystem::path& file, std::string_view key, std::string_view value);

// What makes a file no settings file at all, so that nothing may be built
// from it: it is empty, holds none of the keys before its end line, lacks
// the header ("velorn" among the lines before its first key) or the end
// line.
enum class SettingsFault { Empty, NoKeys, NoHeader, NoEndLine };
std::optional<SettingsFault> CheckSettingsFile(std::string_view text);
// What to tell the operator: the file, what it lacks, and how to mend it.
std::string SettingsFaultMessage(const std::filesystem::path& file, SettingsFault fault);

// Replaces the whole content by the default settings.
void RestoreDefaultSettings(const std::filesystem::path& file);
// Restores the defaults when the file holds fewer than five lines; returns
// whether it did.
bool FillDefaultSettingsIfShort(const std::filesystem::path& file);

} // namespace mervadin
