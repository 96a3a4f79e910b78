#pragma once
// mervadin-cli monitor: the live monitor on the command line.

#include "cli/link_commands.h"

namespace mervadin::cli {

// Prints the status line of each intact status frame and takes commands
// from standard input, one a line: start, stop, forward, sms, spk N, mic N,
// off. Ends on "off" or after `frames` intact frames (exit 0), or when the
// device goes away (exit 1). Call records in the frames go to the lists.
int Monitor(const WorkFolder& folder, const DeviceOptions& options, std::optional<unsigned> frames,
            Streams io);

} // namespace mervadin::cli
