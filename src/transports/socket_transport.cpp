#include "transports/socket_transport.h"

#include "link/device_selection.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace mervadin {

SocketTransport::SocketTransport(std::string path) : path_(std::move(path)) {
    retry_.setInterval(kRetryMs);
    QObject::connect(&retry_, &QTimer::timeout, &context_, [this] {
        if (TryConnect()) {
            retry_.stop();
            events_->OnDeviceCount(1);
        }
    });
}

SocketTransport::~SocketTransport() {
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

void SocketTransport::Start(TransportEvents& events) {
    events_ = &events;
    const bool connected = TryConnect();
    events.OnDeviceCount(connected ? 1 : 0);
    if (!connected)
        retry_.start();
}

bool SocketTransport::TryConnect() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    static_assert(kMaxSocketPathBytes < sizeof address.sun_path);
    if (path_.size() > kMaxSocketPathBytes)
        return false;
    std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
    // Not blocking: a peer whose queue of connections is full makes connect
    // fail at once instead of waiting without end.
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        const bool busy = errno == EAGAIN || errno == EWOULDBLOCK;
        ::close(fd);
        if (busy && !busyTold_) {
            busyTold_ = true;
            events_->OnDeviceUnusable("the device at " + path_ +
                                      " is busy: it takes no more connections now");
        }
        return false;
    }
    busyTold_ = false;
    fd_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &context_,
                     [this] { ReadMessages(); });
    return true;
}

void SocketTransport::ReadMessages() {
    // A bounded number of messages per turn of the event loop: a peer that
    // keeps the socket busy must not keep the clocks from ticking. What is
    // left wakes the notifier again on the next turn.
    constexpr int kMessagesPerTurn = 16;
    std::uint8_t message[1024];
    for (int read = 0; read < kMessagesPerTurn && fd_ >= 0; ++read) {
        const ssize_t got = ::recv(fd_, message, sizeof message, MSG_DONTWAIT);
        if (got > 0) {
            events_->OnInputReport(Bytes(message, static_cast<std::size_t>(got)));
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (got == 0 && !PeerClosed())
            continue; // a message of no bytes: nothing to take
        Disconnect(); // the peer closed the socket, or it failed
    }
}

// Both a closed peer and an empty message read as no bytes; only a closed
// peer hangs the socket up.
bool SocketTransport::PeerClosed() const {
    pollfd hungUp{fd_, POLLRDHUP, 0};
    return ::poll(&hungUp, 1, 0) != 0 && (hungUp.revents & (POLLHUP | POLLRDHUP | POLLERR));
}

void SocketTransport::Disconnect() {
    notifier_.reset();
    ::close(fd_);
    fd_ = -1;
    events_->OnDeviceCount(0);
    retry_.start();
}

void SocketTransport::Write(const Report& report) {
    // A full socket buffer means the peer is slow: wait for room (a short
    // while) rather than drop a report from the middle of a frame.
    for (int waits = 0; fd_ >= 0 && waits < 10; ++waits) {
        if (::send(fd_, report.data(), report.size(), MSG_NOSIGNAL | MSG_DONTWAIT) >= 0)
            return;
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return; // a broken peer shows up as an unplug on the next read
        pollfd writable{fd_, POLLOUT, 0};
        ::poll(&writable, 1, 100);
    }
}

} // namespace mervadin
