#include "settings/settings_file.h"
#include "common/decimal.h"
#include "common/folder_lock.h"

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

} // namespace

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
    return FindSetting(ReadLines(file), key).value_or(std::string());
}

void WriteSetting(const std::filesystem::path& file, std::string_view key, std::string_view value) {
    const auto lock = FolderLock::Beside(file);
    Lines lines = ReadLines(file);
    SetSetting(lines, key, value);
    WriteLines(file, lines);
}

void RestoreDefaultSettings(const std::filesystem::path& file) {
    WriteLines(file, DefaultSettingsLines());
}

bool FillDefaultSettingsIfShort(const std::filesystem::path& file) {
    if (ReadLines(file).size() >= kMinimumSettingsLines)
        return false;
    RestoreDefaultSettings(file);
    return true;
}

} // namespace mervadin
