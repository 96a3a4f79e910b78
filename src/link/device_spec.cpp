#include "link/device_spec.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace mervadin {

std::optional<DeviceSpec> DeviceSpec::Parse(const std::string& text) {
    if (text == "hid")
        return DeviceSpec{Kind::Hid, {}};
    if (text == "sim")
        return DeviceSpec{Kind::Simulator, {}};
    if (text.rfind("hid:", 0) == 0 && text.size() > 4)
        return DeviceSpec{Kind::Hid, text.substr(4)};
    if (text.rfind("unix:", 0) == 0 && text.size() > 5)
        return DeviceSpec{Kind::Socket, text.substr(5)};
    return std::nullopt;
}

int TickPeriodMs() {
    const char* text = std::getenv("MERVADIN_TICK_MS");
    int value = 0;
    if (text && std::from_chars(text, text + std::strlen(text), value).ec == std::errc() &&
        value > 0)
        return value;
    return 10;
}

} // namespace mervadin
