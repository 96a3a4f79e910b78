// The socket bridge and the command line against peers that misbehave: an
// empty message, a full queue of connections, a tool that leaves in the
// middle of an exchange, one that holds the device and says nothing, and
// waits that would not end by themselves.

#include "frames/frame_templates.h"
#include "frames/hid_report.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "transports/link_setup.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <unistd.h>

namespace mervadin {
namespace {

namespace fs = std::filesystem;

sockaddr_un AddressOf(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    return address;
}

// A socket of the test's own, listening at `path` with a queue of `backlog`.
int Listen(const fs::path& path, int backlog) {
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    const sockaddr_un address = AddressOf(path);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(fd, backlog), 0);
    return fd;
}

// A raw client of a socket; -1 when the connection is refused.
int Connect(const fs::path& path, bool blocking = true) {
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | (blocking ? 0 : SOCK_NONBLOCK), 0);
    const sockaddr_un address = AddressOf(path);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A mervadin-sim process on a socket, its clock ticking every millisecond.
class SimProcess {
public:
    SimProcess(const fs::path& socket, const QStringList& options) : socket_(socket) {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MERVADIN_TICK_MS", "1");
        process_.setProcessEnvironment(environment);
        process_.start(MERVADIN_SIM_PATH,
                       QStringList{"--socket", QString::fromStdString(socket.string())} + options);
        EXPECT_TRUE(process_.waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(socket_); }));
    }
    ~SimProcess() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    fs::path socket_;
    QProcess process_;
};

std::string Device(const fs::path& socket) {
    return "--device 'unix:" + socket.string() + "' ";
}

TEST(BridgeHardening, AnEmptyMessageIsNoUnplugAndAFullQueueIsABusyDevice) {
    test::TempFolder folder;
    const auto socket = folder / "peer.sock";
    const int listening = Listen(socket, 1);
    LinkSetup setup(
        OpenDeviceTransport(DeviceSelection{DeviceSelection::Kind::Socket, socket.string()}),
        std::nullopt);
    DeviceLink& link = setup.Link();
    link.Open();
    const int peer = ::accept(listening, nullptr, nullptr);
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(link.Connected());
    ASSERT_EQ(::send(peer, "", 0, 0), 0);
    QTest::qWait(100);
    EXPECT_TRUE(link.Connected());
    const std::string report = std::string(1, '\0') + "velorn<";
    ASSERT_EQ(::send(peer, report.data(), report.size(), 0), static_cast<ssize_t>(report.size()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Search(link.Received(), "velorn<").has_value(); }));
    ::close(peer);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !link.Connected(); }));
    ::close(listening);

    // A peer that takes no connection, its queue full: the tool says the
    // device is busy at once instead of waiting in connect().
    const auto full = folder / "full.sock";
    const int never = Listen(full, 0);
    std::vector<int> queued;
    for (int fd; queued.size() < 8 && (fd = Connect(full, false)) >= 0;)
        queued.push_back(fd);
    const auto status = test::RunCli(Device(full) + "status", "", 20);
    EXPECT_EQ(status.status, 1);
    EXPECT_EQ(status.out, "USB No Connect\n");
    EXPECT_NE(status.err.find("is busy"), std::string::npos) << status.err;
    for (const int fd : queued)
        ::close(fd);
    ::close(never);

    const std::string tooLong = "unix:/" + std::string(200, 'x');
    const auto refused = test::RunCli("--device " + tooLong + " status");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("too long"), std::string::npos) << refused.err;
}

TEST(BridgeHardening, TheSimulatorRecoversFromAToolThatLeftAndDropsOneThatSaysNothing) {
    test::TempFolder folder;
    const auto socket = folder / "device.sock";
    const std::string work = "--workdir '" + (folder / "W").string() + "' ";
    ASSERT_EQ(test::RunCli(work + "init").status, 0);
    SimProcess sim(socket, {"--status-ms", "0"});

    // A tool asks for the call records and leaves before block 0 comes.
    const int leaving = Connect(socket);
    ASSERT_GE(leaving, 0);
    const auto request = BuildFrame(frames::kReadCdrRequest);
    for (const Report& report : CutIntoReports(request.Sent()))
        ASSERT_GT(::send(leaving, report.data(), report.size(), 0), 0);
    char answer[65];
    ASSERT_GT(::recv(leaving, answer, sizeof answer, 0), 0);
    ::close(leaving);
    const auto read = test::RunCli(work + Device(socket) + "read-cdr", "", 60);
    EXPECT_EQ(read.status, 0) << read.out << read.err;
    EXPECT_NE(read.out.find("Read CDR OK!"), std::string::npos);

    // A tool that connects and says nothing is dropped for one that waits.
    const int silent = Connect(socket);
    ASSERT_GE(silent, 0);
    QTest::qWait(100);
    const auto again = test::RunCli(work + Device(socket) + "read-cdr", "", 60);
    EXPECT_EQ(again.status, 0) << again.out << again.err;
    ::close(silent);

    QProcess empty;
    empty.start(MERVADIN_SIM_PATH, {"--socket", ""});
    ASSERT_TRUE(empty.waitForFinished());
    EXPECT_EQ(empty.exitCode(), 2);
}

TEST(BridgeHardening, EveryWaitOfTheCommandLineEnds) {
    test::TempFolder folder;
    const auto quiet = folder / "quiet.sock";
    const auto stalling = folder / "stalling.sock";
    const std::string work = "--workdir '" + (folder / "W").string() + "' ";
    ASSERT_EQ(test::RunCli(work + "init").status, 0);
    SimProcess noStatus(quiet, {"--status-ms", "0"});
    // Writes every block into its flash for ever: silence after each block.
    SimProcess noEnd(stalling, {"--status-ms", "0", "--flash-ms", "1000000000"});

    // No intact status frame: the monitor ends by itself (30 s in ticks).
    const auto monitor = test::RunCli(work + Device(quiet) + "monitor --frames 2", "", 30,
                                      "env MERVADIN_TICK_MS=1 ");
    EXPECT_EQ(monitor.status, 1);
    EXPECT_NE(monitor.err.find("no intact status frame"), std::string::npos) << monitor.err;

    // A device that never stores the block: --timeout ends the write the
    // way Stop does, before the block's own retry limit would.
    const auto timed = test::RunCli(work + Device(stalling) + "--timeout 1 write-settings", "", 30);
    EXPECT_EQ(timed.status, 1);
    EXPECT_NE(timed.err.find("--timeout"), std::string::npos) << timed.err;
    EXPECT_EQ(timed.out.substr(timed.out.size() - 40),
              "================Stop==================\r\n");

    // SIGINT and SIGTERM are Stop: the three stop frames go out, then the
    // exit status tells the signal.
    for (const auto& [signal, status] : {std::pair{"INT", 130}, std::pair{"TERM", 143}}) {
        const auto trace = folder / (std::string("trace-") + signal);
        // The signal goes once the tool has sent its first frame (its trace
        // says so), however slowly a loaded machine starts it.
        const std::string traced = "'" + trace.string() + "'";
        const auto run =
            test::RunScript("\"$CLI\" " + work + Device(stalling) + "--trace " + traced +
                                " write-settings >/dev/null 2>&1 & tool=$!\n"
                                "for i in $(seq 400); do grep -q -- '->' " +
                                traced + " 2>/dev/null && break; sleep 0.05; done\nkill -" +
                                signal + " $tool\nwait $tool\necho $?",
                            30);
        EXPECT_EQ(run.out, std::to_string(status) + "\n") << signal;
        const std::string sent = test::Slurp(trace);
        std::size_t stops = 0;
        for (auto at = sent.find("-> velorn<stop?"); at != std::string::npos;
             at = sent.find("-> velorn<stop?", at + 1))
            ++stops;
        EXPECT_EQ(stops, 3u) << signal;
    }
}

// Whatever the device answers after a block (silence while it writes its
// flash for ever, "timeout!" for ever), each write ends by itself with its
// own error text and exit 1 after the block's 51 tries, with no --timeout.
TEST(BridgeHardening, EveryWriteEndsByItselfWhateverTheDeviceAnswers) {
    test::TempFolder folder;
    const std::string work = "--workdir '" + (folder / "W").string() + "' ";
    ASSERT_EQ(test::RunCli(work + "init").status, 0);
    test::Spit(folder / "W" / "LoadNumber.txt", "1,Anna,123\r\n");
    const auto busy = folder / "busy.sock";
    const auto timing = folder / "timing.sock";
    SimProcess flashing(busy, {"--status-ms", "0", "--flash-ms", "1000000000"});
    SimProcess timingOut(timing, {"--status-ms", "0", "--timeouts", "4000000000"});
    const std::string fast = "env MERVADIN_TICK_MS=1 ";
    const std::string notStored =
        "The device has not stored the block after 51 answers or silences: the write was ended.";
    for (const auto& [socket, command] :
         {std::pair{busy, "write-numbers"}, std::pair{busy, "write-settings"},
          std::pair{timing, "write-numbers"}, std::pair{timing, "write-settings"}}) {
        const auto run = test::RunCli(work + Device(socket) + command, "", 60, fast);
        EXPECT_EQ(run.status, 1) << command << run.out << run.err;
        EXPECT_NE(run.out.find(notStored), std::string::npos) << command << run.out;
    }
    // "timeout!" is counted like every other answer: 51 of them, no more.
    const auto settings = test::RunCli(work + Device(timing) + "write-settings", "", 60, fast);
    std::size_t timeOuts = 0;
    for (auto at = settings.err.find("Time Out!!!"); at != std::string::npos;
         at = settings.err.find("Time Out!!!", at + 1))
        ++timeOuts;
    EXPECT_EQ(timeOuts, 51u) << settings.err;
}

} // namespace
} // namespace mervadin
