#include "cli/monitor_command.h"

#include "cli/commands.h"
#include "cli/console_prompts.h"
#include "cli/link_commands.h"
#include "cli/stop_signals.h"
#include "common/decimal.h"
#include "monitor/level_step.h"
#include "monitor/live_monitor.h"
#include "monitor/monitor_texts.h"
#include "operation/operation_texts.h"
#include "qtcore/text_codec.h"
#include "session/device_session.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <charconv>
#include <iostream>

#include <unistd.h>

namespace mervadin::cli {

namespace {

// Without --timeout, the monitor ends after this many ticks of the 10-ms
// clock (30 s) without an intact status frame: a peer that sends none would
// never end it otherwise.
constexpr unsigned kSilenceTicks = 3000;

// Prints what the session's monitor sees; the session stores the records.
class ConsoleMonitor : public MonitorView, public LinkObserver {
public:
    ConsoleMonitor(DeviceSession& session, std::optional<unsigned> frames, Streams io)
        : session_(session), frames_(frames), io_(io) {}

    void ShowStatus(const StatusReport& report, std::uint32_t count) override {
        if (ended_)
            return; // frames that arrive before the loop has ended are not shown
        io_.out << report.statusLine << '\n' << std::flush;
        silentTicks_ = 0;
        if (frames_ && count >= *frames_)
            End(kSuccess);
    }
    void ShowModel(const DeviceModel& model) override {
        io_.err << "model " << model.displayName << '\n';
    }
    void DeviceLost() override {
        io_.err << "mervadin-cli: the device went away\n";
        End(kFailure);
    }
    void OnUsbStatus(bool present, bool /*initial*/) override {
        present_ = present;
        known_ = true;
        loop.quit();
    }

    // Nothing the device sends from now on is answered or stored.
    void End(int status) {
        status_ = status;
        ended_ = true;
        session_.EndMonitor();
        loop.quit();
    }
    // Ticks of the 10-ms clock since the last intact status frame, or since
    // the start.
    unsigned Tick() { return ++silentTicks_; }
    bool Present() const { return present_; }
    bool Known() const { return known_; }
    int Status() const { return status_; }

    QEventLoop loop;

private:
    DeviceSession& session_;
    std::optional<unsigned> frames_;
    Streams io_;
    bool present_ = false, known_ = false, ended_ = false;
    int status_ = kSuccess;
    unsigned silentTicks_ = 0;
};

// Ends the monitor when it has no reason to go on: a signal (the process
// ends as MonitorOFF would end the monitor), the time-out, or, without one,
// 30 s without an intact status frame.
void WatchTheEnd(ConsoleMonitor& console, const DeviceOptions& options,
                 const QElapsedTimer& elapsed, unsigned silentTicks, Streams io) {
    if (const int signal = StopSignals::Received())
        return console.End(StopSignals::ExitStatus(signal));
    if (options.timeoutSeconds) {
        if (elapsed.elapsed() >= qint64{*options.timeoutSeconds} * 1000) {
            io.err << "mervadin-cli: the monitor ran for " << *options.timeoutSeconds
                   << " s (--timeout)\n";
            console.End(kFailure);
        }
        return;
    }
    if (silentTicks >= kSilenceTicks) {
        io.err << "mervadin-cli: no intact status frame for " << kSilenceTicks / 100 << " s\n";
        console.End(kFailure);
    }
}

// A level the device takes: speaker 0-9, microphone 0-15.
std::optional<int> Level(const std::string& text, int top) {
    const auto value = ParseDecimal(text);
    if (!value || *value < 0 || *value > top)
        return std::nullopt;
    return static_cast<int>(*value);
}

// The level after `prefix` in `line`, when the line starts with it.
std::optional<int> Prefixed(const std::string& line, std::string_view prefix, int top) {
    if (line.rfind(prefix, 0) != 0)
        return std::nullopt;
    return Level(line.substr(prefix.size()), top);
}

// Acts on one command line; false for "off".
bool Command(const std::string& line, LiveMonitor& monitor, Streams io) {
    if (line == "off")
        return false;
    if (line == "start")
        monitor.RequestStart();
    else if (line == "stop")
        monitor.RequestStopDialing();
    else if (line == "forward")
        monitor.RequestForward();
    else if (line == "sms")
        monitor.RequestSms();
    else if (const auto spk = Prefixed(line, "spk ", kSpeakerTopLevel))
        monitor.RequestSpeaker(*spk);
    else if (const auto mic = Prefixed(line, "mic ", kMicrophoneTopLevel))
        monitor.RequestMicrophone(*mic);
    else if (!line.empty())
        io.err
            << "mervadin-cli: unknown command \"" << line
            << "\" (start, stop, forward, sms, spk N, mic N, off; speaker 0-9, microphone 0-15)\n";
    return true;
}

} // namespace

int Monitor(const WorkFolder& folder, const DeviceOptions& options, std::optional<unsigned> frames,
            Streams io) {
    if (!PrepareFolder(folder, io))
        return kFailure;
    const StopSignals stopSignals;
    QElapsedTimer elapsed;
    elapsed.start();
    auto setup = OpenSetup(options, io);
    if (!setup)
        return kFailure;
    DeviceSession session(folder, std::move(setup), TextCodec::Chosen());
    DeviceLink& link = session.Link();
    ConsoleMonitor console(session, frames, io);
    link.AddObserver(&console);
    session.Open();
    if (!console.Known()) {
        QTimer::singleShot(3000, &console.loop, &QEventLoop::quit);
        console.loop.exec();
    }
    link.RemoveObserver(&console);
    if (const int signal = StopSignals::Received())
        return StopSignals::ExitStatus(signal);
    if (!console.Present()) {
        ConsolePrompts(io.out).Inform(texts::operation::kGuardCaption,
                                      texts::monitor::kMonitorNoDevice);
        return kFailure;
    }

    session.AddView(console);
    QObject::connect(&session, &DeviceSession::StoreFailed, [io](const QString& message) {
        io.err << "mervadin-cli: " << message.toStdString() << '\n';
    });
    session.StartMonitor();
    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char chunk[256];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            input.setEnabled(false); // no more commands; the monitor goes on
            return;
        }
        pending.append(chunk, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!Command(line, session.Monitor(), io))
                console.End(kSuccess);
        }
    });
    // The session's clocks run with its monitor: the 1-ms one looks at the
    // receive buffer, the 10-ms one watches for the end.
    QObject::connect(&session.Clocks(), &DeviceClocks::Ticked,
                     [&] { WatchTheEnd(console, options, elapsed, console.Tick(), io); });
    console.loop.exec();
    session.EndMonitor();
    session.RemoveView(console);
    return CheckedTrace(session.Setup(), console.Status(), io);
}

} // namespace mervadin::cli
