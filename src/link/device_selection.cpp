#include "link/device_selection.h"

namespace mervadin {

std::optional<DeviceSelection> DeviceSelection::Parse(const std::string& text) {
    if (text == "hid")
        return DeviceSelection{Kind::Hid, {}};
    if (text == "sim")
        return DeviceSelection{Kind::Simulator, {}};
    if (text.rfind("hid:", 0) == 0 && text.size() > 4)
        return DeviceSelection{Kind::Hid, text.substr(4)};
    if (text.rfind("unix:", 0) == 0 && text.size() > 5)
        return DeviceSelection{Kind::Socket, text.substr(5)};
    return std::nullopt;
}

std::optional<std::string> DeviceSelection::Problem() const {
    if (kind != Kind::Socket)
        return std::nullopt;
#ifdef _WIN32
    return "the socket bridge (unix:PATH) is not built on Windows: it needs Unix-domain "
           "sockets; use --simulator or the real device";
#else
    if (path.size() > kMaxSocketPathBytes)
        return "the socket path " + path + " is too long (" + std::to_string(path.size()) +
               " bytes; a socket's path holds at most " + std::to_string(kMaxSocketPathBytes) + ")";
    return std::nullopt;
#endif
}

} // namespace mervadin
