#include "sim/sim_server.h"

#include "link/tick_period.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <poll.h>
#include <unistd.h>

namespace mervadin::sim {

SimServer::SimServer(SimDevice& device, std::string socketPath)
    : device_(device), path_(std::move(socketPath)) {
    device_.SetOutput([this](const DataReport& data) {
        if (client_ < 0)
            return;
        std::uint8_t message[65] = {0};
        std::memcpy(message + 1, data.data(), data.size());
        // The socket's buffer is the queue: a tool that lets it fill up
        // without reading is dropped rather than waited for.
        if (::send(client_, message, sizeof message, MSG_NOSIGNAL | MSG_DONTWAIT) < 0 &&
            (errno == EAGAIN || errno == EWOULDBLOCK)) {
            std::cerr << "mervadin-sim: the tool does not read; dropped\n";
            DropClient();
        }
    });
    device_.SetPlugListener([this](bool plugged) {
        if (plugged) {
            unpluggedAtMs_.reset();
            return;
        }
        unpluggedAtMs_ = NowMs();
        DropClient();
    });
}

SimServer::~SimServer() {
    DropClient();
    if (listen_ >= 0) {
        ::close(listen_);
        ::unlink(path_.c_str());
    }
}

std::uint64_t SimServer::NowMs() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Only a socket that nobody serves any more is removed; anything else at
// the path is left alone and refused.
void SimServer::RemoveStaleSocket(const sockaddr_un& address) const {
    struct stat existing {};
    if (::lstat(path_.c_str(), &existing) != 0)
        return; // nothing there
    if (!S_ISSOCK(existing.st_mode))
        throw std::runtime_error(path_ + " exists and is not a socket; not replacing it");
    const int probe = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    const bool served = probe >= 0 && ::connect(probe, reinterpret_cast<const sockaddr*>(&address),
                                                sizeof address) == 0;
    if (probe >= 0)
        ::close(probe);
    if (served)
        throw std::runtime_error("another device already serves " + path_);
    ::unlink(path_.c_str());
}

void SimServer::Listen() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path_.size() >= sizeof address.sun_path)
        throw std::runtime_error("socket path too long: " + path_);
    std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
    RemoveStaleSocket(address);
    listen_ = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (listen_ < 0 || ::bind(listen_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        ::listen(listen_, 1))
        throw std::runtime_error("cannot listen on " + path_ + ": " + std::strerror(errno));
}

void SimServer::Run(const std::atomic<bool>& stop) {
    Listen();
    while (!stop) {
        const bool accepting = client_ < 0 && device_.Plugged();
        pollfd fds[1] = {{accepting ? listen_ : client_, POLLIN, 0}};
        const int ready = ::poll(fds, client_ >= 0 || accepting ? 1 : 0, WaitMs());
        if (ready > 0 && accepting)
            Accept();
        else if (ready > 0)
            ReadClient();
        DropIdleClientForAWaitingOne();
        device_.Advance(NowMs());
        if (unpluggedAtMs_ && replugAfterMs_ && NowMs() - *unpluggedAtMs_ >= *replugAfterMs_)
            device_.Plug();
    }
    SaveState();
}

// How long the loop may sleep: until the device has something due, a
// replug or an idle client's limit comes, and never so long that a stop
// request waits to be seen.
int SimServer::WaitMs() const {
    constexpr std::uint64_t kLongestWaitMs = 100;
    const std::uint64_t now = NowMs();
    std::uint64_t wake = now + kLongestWaitMs;
    auto until = [&](std::uint64_t at) { wake = std::min(wake, std::max(at, now)); };
    if (const auto due = device_.NextDueMs())
        until(*due);
    if (unpluggedAtMs_ && replugAfterMs_)
        until(*unpluggedAtMs_ + *replugAfterMs_);
    if (client_ >= 0)
        until(lastMessageMs_ + IdleLimitMs());
    return static_cast<int>(wake - now);
}

void SimServer::Accept() {
    client_ = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client_ < 0)
        return;
    std::cerr << "mervadin-sim: tool connected\n";
    device_.Reconnect();
    lastMessageMs_ = NowMs();
}

void SimServer::ReadClient() {
    std::uint8_t message[1024];
    const ssize_t got = ::recv(client_, message, sizeof message, 0);
    if (got <= 0) {
        std::cerr << "mervadin-sim: tool disconnected\n";
        DropClient();
        device_.Reconnect();
        SaveState();
        return;
    }
    lastMessageMs_ = NowMs();
    // Byte 0 is the report number; the device sees the 64 bytes after it,
    // its clock brought to now so that what it starts is timed from here.
    device_.Advance(lastMessageMs_);
    if (got > 1)
        device_.Receive(Bytes(message + 1, static_cast<std::size_t>(got - 1)));
}

// One tool at a time is served: one that holds the device without saying
// anything must not keep a waiting one out for ever.
void SimServer::DropIdleClientForAWaitingOne() {
    if (client_ < 0 || NowMs() - lastMessageMs_ < IdleLimitMs())
        return;
    pollfd waiting{listen_, POLLIN, 0};
    if (::poll(&waiting, 1, 0) <= 0)
        return;
    std::cerr << "mervadin-sim: the tool sent nothing for " << IdleLimitMs() / 1000
              << " s while another waits; dropped\n";
    DropClient();
    device_.Reconnect();
}

std::uint64_t SimServer::IdleLimitMs() {
    return static_cast<std::uint64_t>(kIdleTicks) * static_cast<std::uint64_t>(TickPeriodMs());
}

void SimServer::DropClient() {
    if (client_ >= 0)
        ::close(client_);
    client_ = -1;
}

void SimServer::SaveState() {
    if (!stateFile_)
        return;
    try {
        device_.Save(*stateFile_);
    } catch (const std::exception& e) {
        std::cerr << "mervadin-sim: " << e.what() << '\n';
    }
}

} // namespace mervadin::sim
