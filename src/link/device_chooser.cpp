#include "link/device_chooser.h"

#include <algorithm>

namespace mervadin {

std::optional<std::string> DeviceToOpen(const std::vector<std::string>& attached,
                                        const std::string& fixed, std::string& chosen) {
    const auto present = [&](const std::string& path) {
        return std::find(attached.begin(), attached.end(), path) != attached.end();
    };
    if (!fixed.empty())
        return present(fixed) ? std::optional(fixed) : std::nullopt;
    if (!chosen.empty() && !present(chosen))
        chosen.clear(); // the pick holds only while its device is there
    if (!chosen.empty())
        return chosen;
    return attached.empty() ? std::nullopt : std::optional(attached.front());
}

} // namespace mervadin
