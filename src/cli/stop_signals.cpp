#include "cli/stop_signals.h"

#include <csignal>

namespace mervadin::cli {

namespace {

// The one process-wide flag a signal handler may set.
volatile std::sig_atomic_t g_received = 0;

extern "C" void NoteSignal(int signal) {
    if (g_received != 0) { // asked twice: no more waiting
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_received = signal;
}

} // namespace

StopSignals::StopSignals() {
    g_received = 0;
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

} // namespace mervadin::cli
