#pragma once
// Serves a simulated device on the socket bridge: listens on a Unix-domain
// SOCK_SEQPACKET socket and exchanges 65-byte reports with one client at a
// time. An unplugged device drops its client and takes a new one only after
// it is plugged in again.

#include "sim/sim_device.h"

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/un.h>

namespace mervadin::sim {

class SimServer {
public:
    // A tool that sends nothing for this many ticks of the 10-ms clock (10 s)
    // while another waits to connect is dropped.
    static constexpr unsigned kIdleTicks = 1000;

    SimServer(SimDevice& device, std::string socketPath);
    ~SimServer();

    // Plugs the device in again this long after it was unplugged; nothing: never.
    void SetReplugAfter(std::optional<std::uint64_t> ms) { replugAfterMs_ = ms; }
    // Saves the device's content here whenever a client leaves and at the end.
    void SetStateFile(std::optional<std::filesystem::path> file) { stateFile_ = std::move(file); }

    // Runs until `stop` becomes true. Throws std::runtime_error when the
    // socket cannot be set up.
    void Run(const std::atomic<bool>& stop);

private:
    std::uint64_t NowMs() const;
    int WaitMs() const;
    void Listen();
    void RemoveStaleSocket(const sockaddr_un& address) const;
    void Accept();
    void ReadClient();
    void DropIdleClientForAWaitingOne();
    static std::uint64_t IdleLimitMs();
    void DropClient();
    void SaveState();

    SimDevice& device_;
    std::string path_;
    int listen_ = -1;
    int client_ = -1;
    std::uint64_t lastMessageMs_ = 0;
    std::optional<std::uint64_t> replugAfterMs_ = 1000;
    std::optional<std::uint64_t> unpluggedAtMs_;
    std::optional<std::filesystem::path> stateFile_;
};

} // namespace mervadin::sim
