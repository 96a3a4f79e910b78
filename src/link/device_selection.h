#pragma once
// Which device to talk to: "hid" (the real device, optionally "hid:PATH" for
// one hidraw node), "sim" (the built-in simulated device) or "unix:PATH"
// (the socket bridge).

#include <cstddef>
#include <optional>
#include <string>

namespace mervadin {

struct DeviceSelection {
    enum class Kind { Hid, Simulator, Socket };
    Kind kind = Kind::Hid;
    std::string path; // hidraw node or socket path; empty for any HID device

    static std::optional<DeviceSelection> Parse(const std::string& text);

    // Why this selection cannot be used here: a socket path too long for a
    // socket, or the socket bridge on a system without Unix-domain sockets.
    std::optional<std::string> Problem() const;
};

// A Unix-domain socket's path holds at most this many bytes.
inline constexpr std::size_t kMaxSocketPathBytes = 107;

} // namespace mervadin
