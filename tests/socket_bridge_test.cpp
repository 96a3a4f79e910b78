#include "frames/frame_templates.h"
#include "support/temp_folder.h"
#include "transports/link_setup.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

#include <unistd.h>

namespace mervadin {
namespace {

class StatusLog : public LinkObserver {
public:
    void OnUsbStatus(bool present, bool /*initial*/) override { states.push_back(present); }
    std::vector<bool> states;
};

// A mervadin-sim process serving on a socket in a fresh folder.
class SimProcess {
public:
    explicit SimProcess(const std::filesystem::path& socket) : socket_(socket) { Start(); }
    ~SimProcess() { Kill(); }

    void Start() {
        process_.start(MERVADIN_SIM_PATH, {"--socket", QString::fromStdString(socket_.string()),
                                           "--status-ms", "0", "--records", "3"});
        ASSERT_TRUE(process_.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(socket_); }));
    }
    void Kill() {
        process_.kill();
        process_.waitForFinished();
        std::filesystem::remove(socket_);
    }

private:
    std::filesystem::path socket_;
    QProcess process_;
};

std::string Text(Bytes bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(SocketBridge, ExchangesFramesAndFollowsThePeer) {
    test::TempFolder folder;
    const auto socket = folder / "device.sock";
    SimProcess sim(socket);
    LinkSetup setup(
        OpenDeviceTransport(DeviceSelection{DeviceSelection::Kind::Socket, socket.string()}),
        std::nullopt);
    DeviceLink& link = setup.Link();
    StatusLog log;
    link.AddObserver(&log);
    link.Open();
    EXPECT_EQ(log.states, std::vector<bool>{true});

    // The handshake answer, then call record block 0 as 576 bytes of reports.
    link.ClearReceiveBuffer();
    link.SendFrame(BuildFrame(frames::kReadCdrRequest));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Search(link.Received(), "module").has_value(); }));
    EXPECT_TRUE(VerifyChecksum(link.Received()));
    link.ClearReceiveBuffer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Search(link.Received(), ">end").has_value(); }));
    EXPECT_EQ(Search(link.Received(), ">end"), 538u);
    EXPECT_TRUE(VerifyChecksum(link.Received()));
    EXPECT_EQ(Text(link.Received()).substr(7, 5), "Alice");
    EXPECT_EQ(link.Received().size(), 576u);

    // The peer goes away: an unplug. It comes back: a re-plug within 200 ms.
    sim.Kill();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !link.Connected(); }));
    sim.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.Connected(); }, 2000));
    EXPECT_EQ(log.states, (std::vector<bool>{true, false, true}));
    link.RemoveObserver(&log);
}

TEST(SocketBridge, TheSimulatorReplacesNothingButItsOwnStaleSocket) {
    test::TempFolder folder;
    const auto file = folder / "not-a-socket";
    test::Spit(file, "keep");
    const auto run = [](const std::filesystem::path& path) {
        return QProcess::execute(MERVADIN_SIM_PATH,
                                 {"--socket", QString::fromStdString(path.string())});
    };
    EXPECT_NE(run(file), 0);
    EXPECT_EQ(test::Slurp(file), "keep");

    const auto socket = folder / "device.sock";
    SimProcess first(socket);
    EXPECT_NE(run(socket), 0); // served already
    LinkSetup setup(
        OpenDeviceTransport(DeviceSelection{DeviceSelection::Kind::Socket, socket.string()}),
        std::nullopt);
    StatusLog log;
    setup.Link().AddObserver(&log);
    setup.Link().Open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return setup.Link().Connected(); }));
    EXPECT_NE(QProcess::execute(MERVADIN_SIM_PATH, {"--socket", "x", "--records", "-1"}), 0);
}

TEST(SocketBridge, TheSimulatorDropsAToolThatNeverReads) {
    test::TempFolder folder;
    const auto path = folder / "deaf.sock";
    QProcess sim;
    sim.start(MERVADIN_SIM_PATH,
              {"--socket", QString::fromStdString(path.string()), "--status-ms", "1", "--pace"});
    ASSERT_TRUE(sim.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(path); }));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.string().size() + 1);
    int deaf = -1;
    // The socket's file appears a moment before the simulator listens on it.
    const bool connected = QTest::qWaitFor([&] {
        deaf = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
        if (::connect(deaf, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            return true;
        ::close(deaf);
        return false;
    });
    if (!connected) {
        sim.kill();
        sim.waitForFinished();
        FAIL() << "cannot connect to the simulator";
    }
    // Requests whose answers nobody reads: the simulator's side fills up.
    const OutgoingFrame request = BuildFrame(frames::kReadCdrRequest);
    for (int i = 0; i < 3000; ++i) {
        for (std::size_t at = 0; at < request.length; at += 64) {
            std::uint8_t message[65] = {0};
            std::memcpy(message + 1, request.bytes.data() + at, 64);
            ::send(deaf, message, sizeof message, MSG_DONTWAIT | MSG_NOSIGNAL);
        }
        QTest::qWait(0);
    }
    QTest::qWait(500);
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(3000)); // SIGTERM is heard, no send blocks
    ::close(deaf);
    if (sim.state() != QProcess::NotRunning) {
        sim.kill();
        sim.waitForFinished();
    }
}

// A peer that floods the socket with one-byte messages must not stop the
// clock: ticks go on counting while it sends.
TEST(SocketBridge, AFloodingPeerDoesNotStopTheClock) {
    test::TempFolder folder;
    const std::string path = (folder / "flood.sock").string();
    const int server = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 1), 0);
    std::atomic<bool> stop{false};
    std::atomic<int> peer{-1};
    std::thread accepter([&] { peer = ::accept(server, nullptr, nullptr); });
    // Three senders keep the socket full whatever the reader does.
    std::vector<std::thread> flooders;
    for (int i = 0; i < 3; ++i)
        flooders.emplace_back([&] {
            const char byte = 'x';
            while (!stop)
                if (peer >= 0)
                    ::send(peer, &byte, 1, MSG_NOSIGNAL);
        });

    LinkSetup setup(OpenDeviceTransport(DeviceSelection{DeviceSelection::Kind::Socket, path}),
                    std::nullopt);
    setup.Link().Open();
    int ticks = 0;
    QTimer clock;
    clock.setInterval(10);
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start();
    QTest::qWait(500);
    stop = true;
    accepter.join();
    ::shutdown(peer, SHUT_RDWR); // wakes a sender blocked on a full socket
    for (auto& flooder : flooders)
        flooder.join();
    ::close(peer);
    ::close(server);
    EXPECT_GE(ticks, 15) << ticks; // 50 when nothing else runs
}

} // namespace
} // namespace mervadin
