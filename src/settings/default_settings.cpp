#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace mervadin {

const Lines& DefaultSettingsLines() {
    static const Lines lines = [] {
        Lines made(std::begin(keys::kHeaderLines), std::end(keys::kHeaderLines));
        made.emplace_back(keys::kHeaderLine);
        for (const auto& [key, value] : keys::kDefaults)
            made.push_back(std::string(key) + value);
        made.emplace_back(keys::kEndLine);
        return made;
    }();
    return lines;
}

} // namespace mervadin
