#pragma once
// The settings file's rules written the plain way, line by line on whole
// lines, as the reference the one-pass reader and rewrite are checked
// against (by the tests and the fuzzer).

#include "files/text_lines.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mervadin::test {

// The value of the first line that begins with `key`, up to the end marker.
inline std::optional<std::string> FindSetting(const Lines& lines, std::string_view key) {
    for (const auto& line : lines) {
        if (line.starts_with(key)) {
            const auto equals = line.find('=');
            return equals == std::string::npos ? std::string() : line.substr(equals + 1);
        }
        if (line == kSettingsEndMarker)
            break;
    }
    return std::nullopt;
}

// Each key (once, with its last value, in the order of first use) takes the
// first line that begins with it and that no key before it took; a key that
// finds none goes just before the end marker as the file had it (at the end
// without one), even when a key has taken the marker's line.
inline Lines SetSettings(Lines lines,
                         const std::vector<std::pair<std::string, std::string>>& settings) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const auto& [key, value] : settings) {
        auto found = std::find_if(keys.begin(), keys.end(),
                                  [&](const auto& known) { return known.first == key; });
        if (found == keys.end())
            keys.emplace_back(key, value);
        else
            found->second = value;
    }
    const auto markerAt = static_cast<std::ptrdiff_t>(
        std::find(lines.begin(), lines.end(), kSettingsEndMarker) - lines.begin());
    std::vector<bool> taken(lines.size(), false);
    std::vector<std::string> absent;
    for (const auto& [key, value] : keys) {
        std::size_t i = 0;
        while (i < lines.size() && (taken[i] || !lines[i].starts_with(key)))
            ++i;
        if (i < lines.size()) {
            lines[i] = key + value;
            taken[i] = true;
        } else {
            absent.push_back(key + value);
        }
    }
    lines.insert(lines.begin() + markerAt, absent.begin(), absent.end());
    return lines;
}

} // namespace mervadin::test
