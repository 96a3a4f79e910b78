#pragma once
// SIGINT and SIGTERM taken as the Stop command while the command line waits
// on the device: the first one is noted (the wait then ends the way the
// window's Stop ends it), a second one ends the process at once, unless
// the operation has begun to store its work: from then on signals are only
// noted, and the work is finished.

namespace mervadin::cli {

class StopSignals {
public:
    // Takes SIGINT and SIGTERM for as long as the object lives.
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The first signal received, or 0.
    static int Received();
    // The operation stores its work now: no signal ends the process any more.
    static void Commit();
    // The exit status of a process ended by `signal`: 130 for SIGINT, 143
    // for SIGTERM.
    static int ExitStatus(int signal) { return 128 + signal; }
};

} // namespace mervadin::cli
