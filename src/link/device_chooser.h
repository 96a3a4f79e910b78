#pragma once
// Which of several attached devices the link uses: the devices a transport
// sees, the one it has open, and the operator's pick, which holds until that
// device goes away. Only the real HID transport can see more than one.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mervadin {

struct AttachedDevice {
    std::string path;        // as `mervadin-cli list-devices` prints it
    std::string description; // maker, product and serial number

    bool operator==(const AttachedDevice&) const = default;
};

class DeviceChooser {
public:
    virtual ~DeviceChooser() = default;
    // The matching devices attached, as last seen.
    virtual std::vector<AttachedDevice> Attached() const = 0;
    // The path of the device in use, or empty.
    virtual std::string InUse() const = 0;
    // Uses the device at `path` from now on, leaving the one in use.
    virtual void Choose(const std::string& path) = 0;
    // `changed` is called on the main thread whenever the devices attached,
    // or the one in use, change; nobody has to ask at intervals.
    virtual void WatchAttached(std::function<void()> changed) = 0;
};

// The device to open among `attached`: the one `fixed` names when a path
// was given on the command line, else the operator's `chosen` one while it
// is attached (otherwise `chosen` is forgotten), else the first. Nothing
// when none fits.
std::optional<std::string> DeviceToOpen(const std::vector<std::string>& attached,
                                        const std::string& fixed, std::string& chosen);

} // namespace mervadin
