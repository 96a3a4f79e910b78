#include "cli/stop_signals.h"

#include <csignal>

namespace mervadin::cli {

namespace {

// The process-wide flags a signal handler may read and set.
volatile std::sig_atomic_t g_received = 0;
volatile std::sig_atomic_t g_committed = 0;

extern "C" void NoteSignal(int signal) {
    if (g_received != 0 && g_committed == 0) { // asked twice: no more waiting
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_received = signal;
}

} // namespace

StopSignals::StopSignals() {
    g_received = 0;
    g_committed = 0;
    std::signal(SIGINT, NoteSignal);
    std::signal(SIGTERM, NoteSignal);
}

StopSignals::~StopSignals() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

int StopSignals::Received() {
    return g_received;
}

void StopSignals::Commit() {
    g_committed = 1;
}

} // namespace mervadin::cli
