#pragma once
// The socket bridge: a device model in another process, reached through a
// Unix-domain SOCK_SEQPACKET socket. Each output report goes out as one
// 65-byte message; each message that arrives is one input report. The
// device is present while the socket is connected; a lost peer is an unplug
// and the bridge tries to connect again every 200 ms.

#include "link/transport.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>

class QSocketNotifier;

namespace mervadin {

class SocketTransport : public Transport {
public:
    static constexpr int kRetryMs = 200;

    explicit SocketTransport(std::string path);
    ~SocketTransport() override;

    void Start(TransportEvents& events) override;
    void Write(const Report& report) override;
    std::string Describe() const override { return "socket bridge " + path_; }

private:
    bool TryConnect();
    bool PeerClosed() const;
    void ReadMessages();
    void Disconnect();

    std::string path_;
    TransportEvents* events_ = nullptr;
    int fd_ = -1;
    QObject context_;
    QTimer retry_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool busyTold_ = false;
};

} // namespace mervadin
