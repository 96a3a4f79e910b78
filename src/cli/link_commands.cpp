#include "cli/link_commands.h"

#include "cli/console_view.h"
#include "files/file_read.h"
#include "link/tick_clock.h"
#include "numbers/write_number_operation.h"
#include "operation/operation_runner.h"
#include "qtcore/text_codec.h"
#include "records/read_cdr_operation.h"
#include "settings/write_settings_operation.h"
#include "transports/hid_transport.h"
#include "transports/link_session.h"
#include "voice/write_voice_operation.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <iostream>
#include <memory>

#include <unistd.h>

namespace mervadin::cli {

namespace {

constexpr int kFirstCountWaitMs = 3000;

// Waits for the link's first device count, noting any advice on the way.
class FirstCount : public LinkObserver {
public:
    void OnUsbStatus(bool present, bool /*initial*/) override {
        present_ = present;
        known_ = true;
        loop_.quit();
    }
    void OnDeviceUnusable(const std::string& advice) override { advice_ = advice; }

    bool Wait() {
        if (!known_) {
            QTimer::singleShot(kFirstCountWaitMs, &loop_, &QEventLoop::quit);
            loop_.exec();
        }
        return present_;
    }
    const std::string& Advice() const { return advice_; }

private:
    QEventLoop loop_;
    bool present_ = false;
    bool known_ = false;
    std::string advice_;
};

std::unique_ptr<LinkSession> OpenSession(const DeviceOptions& options, Streams io) {
    try {
        return std::make_unique<LinkSession>(options.device, options.trace);
    } catch (const std::exception& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return nullptr;
    }
}

using OperationFactory =
    std::function<std::unique_ptr<Operation>(DeviceLink& link, OperationView& view)>;

// Opens the device, runs one operation on it until it ends, printing what
// the operation shows; exit 0 only on success.
int RunOperation(const DeviceOptions& options, Streams io, const OperationFactory& make) {
    auto session = OpenSession(options, io);
    if (!session)
        return kFailure;
    DeviceLink& link = session->Link();
    ConsoleView view(io.out, io.err, ::isatty(STDERR_FILENO));
    FirstCount first;
    link.AddObserver(&first);
    link.Open();
    first.Wait();
    link.RemoveObserver(&first);

    OperationRunner runner(link, view);
    QEventLoop loop;
    runner.onFinished = [&loop](OperationStatus) { loop.quit(); };
    if (!runner.Run(make(link, view)))
        return kFailure;
    TickClock clock;
    QObject::connect(&clock, &TickClock::Ticked, [&runner] { runner.OnTick(); });
    clock.Start();
    QTimer fast;
    fast.setTimerType(Qt::PreciseTimer);
    fast.setInterval(1);
    QObject::connect(&fast, &QTimer::timeout, [&runner] { runner.OnFastTick(); });
    fast.start();
    if (runner.Busy())
        loop.exec();
    return runner.LastOutcome() == OperationStatus::Succeeded ? kSuccess : kFailure;
}

} // namespace

int Status(const DeviceOptions& options, Streams io) {
    auto session = OpenSession(options, io);
    if (!session)
        return kFailure;
    FirstCount first;
    session->Link().AddObserver(&first);
    session->Link().Open();
    const bool present = first.Wait();
    session->Link().RemoveObserver(&first);
    if (!first.Advice().empty())
        io.err << first.Advice() << '\n';
    io.out << (present ? "USB Connected" : "USB No Connect") << '\n';
    return present ? kSuccess : kFailure;
}

int WriteSettings(const WorkFolder& folder, const DeviceOptions& options, Streams io) {
    return RunOperation(options, io, [&](DeviceLink& link, OperationView& view) {
        return std::make_unique<WriteSettingsOperation>(link, view, folder.File(file::kConfig),
                                                        TextCodec::Chosen());
    });
}

int WriteNumbers(const WorkFolder& folder, const DeviceOptions& options, Streams io) {
    const auto list = folder.File(file::kLoadNumber);
    try {
        PackNumberList(ReadLines(list, kMaxPackedLines), TextCodec::Chosen());
    } catch (const NumberListError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput;
    } catch (const FileError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kFailure;
    }
    return RunOperation(options, io, [&](DeviceLink& link, OperationView& view) {
        return std::make_unique<WriteNumberOperation>(link, view, list, TextCodec::Chosen());
    });
}

int WriteVoice(const std::string& file, const DeviceOptions& options, Streams io) {
    VoiceBuffer voice;
    try {
        voice.Load(file);
    } catch (const FileError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput;
    }
    return RunOperation(options, io, [&](DeviceLink& link, OperationView& view) {
        return std::make_unique<WriteVoiceOperation>(link, view, voice);
    });
}

int ReadCdr(const WorkFolder& folder, const DeviceOptions& options, Streams io) {
    return RunOperation(options, io, [&](DeviceLink& link, OperationView& view) {
        return std::make_unique<ReadCdrOperation>(link, view, RecordFiles(folder));
    });
}

int ListDevices(Streams io) {
    if (!HidTransport::Initialise()) {
        io.err << "mervadin-cli: " << LinkSession::kHidInitFailed << '\n';
        return kFailure;
    }
    for (const auto& device : HidTransport::List())
        io.out << device.path << '\t' << device.manufacturer << '\t' << device.product << '\t'
               << device.serial << '\n';
    return kSuccess;
}

} // namespace mervadin::cli
