#pragma once
// mervadin-cli commands that reach the device.

#include "cli/commands.h"
#include "link/device_selection.h"
#include "transports/link_setup.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace mervadin::cli {

struct DeviceOptions {
    DeviceSelection device;
    std::optional<std::filesystem::path> trace;
    // Ends the device wait (sending the stop frames, as Stop does) with exit 1.
    std::optional<unsigned> timeoutSeconds;
};

// The link to the device the options choose: the simulated device is built
// here, a real one opened through the transports. Null, the reason said on
// `io.err`, when it cannot be had.
std::unique_ptr<LinkSetup> OpenSetup(const DeviceOptions& options, Streams io);

// The line that tells the wait was ended by --timeout.
std::string TimeOutLine(unsigned seconds);

// The exit status of a command that used `session`, given its own: a trace
// file that could not be written is told, and a success becomes a failure.
int CheckedTrace(const LinkSetup& setup, int status, Streams io);

// Prints "USB Connected" or "USB No Connect"; exit 0 when a device is present.
int Status(const DeviceOptions& options, Streams io);
// Lists the matching HID devices, one hidraw path a line.
int ListDevices(Streams io);
// Reads the call records into ReadFile.txt and the two lists.
int ReadCdr(const WorkFolder& folder, const DeviceOptions& options, Streams io);
// Writes the settings block built from Config.txt into the device.
int WriteSettings(const WorkFolder& folder, const DeviceOptions& options, Streams io);
// Writes LoadNumber.txt into the device; a list with a line whose GROUP is
// not a number is refused before the device is opened (exit 2).
int WriteNumbers(const WorkFolder& folder, const DeviceOptions& options, Streams io);
// Loads FILE into the voice buffer (a file that cannot be loaded: exit 2)
// and writes it into the device.
int WriteVoice(const std::string& file, const DeviceOptions& options, Streams io);

} // namespace mervadin::cli
