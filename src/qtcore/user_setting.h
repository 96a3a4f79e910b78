#pragma once
// One value of the user's settings of this tool (a file under ~/.config on
// Linux, the registry on Windows), named so that no application object is
// needed: the text encoding and the language chosen in the windows.

#include <optional>
#include <string>

namespace mervadin {

class UserSetting {
public:
    explicit UserSetting(const char* key) : key_(key) {}
    // Nothing when none was stored (or the stored text is empty).
    std::optional<std::string> Value() const;
    void Store(const std::string& value) const;

private:
    const char* key_;
};

} // namespace mervadin
