#pragma once
// mervadin-cli monitor: the live monitor on the command line.

#include "cli/link_commands.h"

namespace mervadin::cli {

// Prints the status line of each intact status frame and takes commands
// from standard input, one a line: start, stop, forward, sms, spk N, mic N,
// off. Ends on "off" or after `frames` intact frames (exit 0); when the
// device goes away, after --timeout, or without it after 30 s without an
// intact status frame (exit 1); on SIGINT or SIGTERM (exit 130 or 143).
// Call records in the frames go to the lists.
int Monitor(const WorkFolder& folder, const DeviceOptions& options, std::optional<unsigned> frames,
            Streams io);

} // namespace mervadin::cli
