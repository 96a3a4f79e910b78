#include "cli/link_commands.h"

#include "cli/commands.h"
#include "cli/console_view.h"
#include "cli/stop_signals.h"
#include "files/file_read.h"
#include "frames/frame_templates.h"
#include "link/device_clocks.h"
#include "link/link_texts.h"
#include "numbers/write_number_operation.h"
#include "operation/operation_runner.h"
#include "operation/operation_texts.h"
#include "qtcore/text_codec.h"
#include "records/read_cdr_operation.h"
#include "round/block_list.h"
#include "settings/settings_block.h"
#include "settings/write_settings_operation.h"
#include "sim/sim_transport.h"
#include "transports/hid_transport.h"
#include "transports/link_setup.h"
#include "transports/transport_texts.h"
#include "voice/write_voice_operation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <iomanip>
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

using OperationFactory =
    std::function<std::unique_ptr<Operation>(DeviceLink& link, OperationView& view)>;

// Why a wait on the device was ended from outside.
struct Ending {
    int signal = 0;        // SIGINT or SIGTERM
    bool timedOut = false; // --timeout
    bool Any() const { return signal != 0 || timedOut; }
};

// Whether a signal or the time-out ends the wait now.
Ending EndingNow(const DeviceOptions& options, const QElapsedTimer& elapsed) {
    Ending ending;
    ending.signal = StopSignals::Received();
    ending.timedOut =
        options.timeoutSeconds && elapsed.elapsed() >= qint64{*options.timeoutSeconds} * 1000;
    return ending;
}

// Opens the device, runs one operation on it until it ends, printing what
// the operation shows; exit 0 only on success. SIGINT, SIGTERM and the
// time-out stop it the way the window's Stop does.
int RunOperation(const DeviceOptions& options, Streams io, StopStyle stop,
                 const OperationFactory& make) {
    const StopSignals stopSignals;
    QElapsedTimer elapsed;
    elapsed.start();
    auto setup = OpenSetup(options, io);
    if (!setup)
        return kFailure;
    DeviceLink& link = setup->Link();
    ConsoleView view(io.out, io.err, ::isatty(STDERR_FILENO));
    FirstCount first;
    link.AddObserver(&first);
    link.Open();
    first.Wait();
    link.RemoveObserver(&first);
    if (const int signal = StopSignals::Received())
        return StopSignals::ExitStatus(signal);

    OperationRunner runner(link, view);
    QEventLoop loop;
    runner.onFinished = [&loop](OperationStatus) { loop.quit(); };
    if (!runner.Run(make(link, view)))
        return kFailure;
    Ending ending;
    const auto tick = [&] {
        runner.OnTick();
        // Once the work is being stored it is finished, whatever comes.
        if (ending.Any() || !runner.Busy() || runner.Stopping() || view.Committed())
            return;
        ending = EndingNow(options, elapsed);
        if (ending.Any())
            runner.StopWith(BuildStopFrame(stop.frames), [&view, &loop, stop](bool allSent) {
                if (allSent)
                    view.AppendMemo(stop.line);
                loop.quit();
            });
    };
    DeviceClocks clocks;
    QObject::connect(&clocks, &DeviceClocks::Ticked, tick);
    QObject::connect(&clocks, &DeviceClocks::FastTicked, [&runner] { runner.OnFastTick(); });
    clocks.Start();
    if (runner.Busy())
        loop.exec();
    if (runner.LastOutcome() == OperationStatus::Succeeded) {
        if (const int late = StopSignals::Received(); late && !ending.signal)
            io.err << "mervadin-cli: " << (late == SIGINT ? "SIGINT" : "SIGTERM")
                   << " came once the work was being stored: it was finished\n";
        return CheckedTrace(*setup, kSuccess, io);
    }
    if (ending.signal)
        return StopSignals::ExitStatus(ending.signal);
    if (ending.timedOut)
        io.err << "mervadin-cli: " << TimeOutLine(*options.timeoutSeconds) << '\n';
    return CheckedTrace(*setup, kFailure, io);
}

} // namespace

std::unique_ptr<LinkSetup> OpenSetup(const DeviceOptions& options, Streams io) {
    try {
        std::unique_ptr<Transport> transport;
        if (options.device.kind == DeviceSelection::Kind::Simulator)
            transport = std::make_unique<SimTransport>();
        else
            transport = OpenDeviceTransport(options.device);
        return std::make_unique<LinkSetup>(std::move(transport), options.trace);
    } catch (const std::exception& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return nullptr;
    }
}

int CheckedTrace(const LinkSetup& setup, int status, Streams io) {
    const auto failure = setup.TraceFailure();
    if (!failure)
        return status;
    io.err << "mervadin-cli: " << *failure << '\n';
    return status == kSuccess ? kFailure : status;
}

std::string TimeOutLine(unsigned seconds) {
    return "the device did not finish within " + std::to_string(seconds) +
           " s (--timeout): stopped";
}

int Status(const DeviceOptions& options, Streams io) {
    auto setup = OpenSetup(options, io);
    if (!setup)
        return kFailure;
    FirstCount first;
    setup->Link().AddObserver(&first);
    setup->Link().Open();
    const bool present = first.Wait();
    setup->Link().RemoveObserver(&first);
    if (!first.Advice().empty())
        io.err << first.Advice() << '\n';
    io.out << (present ? texts::link::kUsbConnected : texts::link::kUsbNoConnect) << '\n';
    return CheckedTrace(*setup, present ? kSuccess : kFailure, io);
}

int WriteSettings(const WorkFolder& folder, const DeviceOptions& options, Streams io) {
    const auto configFile = folder.File(file::kConfig);
    try {
        const std::string text = ReadFileBytes(configFile);
        if (const auto fault = CheckSettingsFile(text)) {
            io.err << "mervadin-cli: " << SettingsFaultMessage(configFile, *fault) << '\n';
            return kBadInput;
        }
        const auto config = SettingsIndex::OfText(text);
        if (const auto notNumbers = SettingsNotNumbers(config); !notNumbers.empty()) {
            io.err << "mervadin-cli: "
                   << NotNumbersMessage(configFile, config, notNumbers, SettingNames::Keys) << '\n';
            return kBadInput;
        }
    } catch (const FileError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput; // a file that cannot be read is bad input
    }
    return RunOperation(options, io, kDownloadWindowStop,
                        [&](DeviceLink& link, OperationView& view) {
                            return std::make_unique<WriteSettingsOperation>(
                                link, view, folder.File(file::kConfig), TextCodec::Chosen());
                        });
}

int WriteNumbers(const WorkFolder& folder, const DeviceOptions& options, Streams io) {
    const auto list = folder.File(file::kLoadNumber);
    const auto blocked = BlockListSource(folder.File(file::kBlockList));
    try {
        const NumberListLines read = ReadNumberList(list);
        PackNumberList(read.lines, TextCodec::Chosen(), blocked(), read.total);
    } catch (const NumberListError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput;
    } catch (const BlockListError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput;
    } catch (const FileError& e) {
        io.err << "mervadin-cli: " << e.what() << '\n';
        return kBadInput; // a list that cannot be read is bad input, as everywhere
    }
    return RunOperation(options, io, kDownloadWindowStop,
                        [&](DeviceLink& link, OperationView& view) {
                            return std::make_unique<WriteNumberOperation>(link, view, list, blocked,
                                                                          TextCodec::Chosen());
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
    return RunOperation(options, io, kDownloadWindowStop,
                        [&](DeviceLink& link, OperationView& view) {
                            return std::make_unique<WriteVoiceOperation>(link, view, voice);
                        });
}

int ReadCdr(const WorkFolder& folder, const DeviceOptions& options, Streams io) {
    if (!PrepareFolder(folder, io))
        return kFailure;
    return RunOperation(options, io, kReadWindowStop, [&](DeviceLink& link, OperationView& view) {
        return std::make_unique<ReadCdrOperation>(link, view,
                                                  RecordFiles(folder, TextCodec::Chosen()));
    });
}

int ListDevices(Streams io) {
    if (!HidTransport::Initialise()) {
        io.err << "mervadin-cli: " << texts::transports::kHidInitFailed << '\n';
        return kFailure;
    }
    const auto devices = HidTransport::List();
    // The list stays empty on standard output for scripts; a person reads why.
    if (devices.empty())
        io.err << "mervadin-cli: no device attached (USB HID vendor " << std::hex
               << std::setfill('0') << std::setw(4) << HidTransport::kVendorId << ", product "
               << std::setw(4) << HidTransport::kProductId << std::dec << ")\n";
    for (const auto& device : devices)
        io.out << device.path << '\t' << device.manufacturer << '\t' << device.product << '\t'
               << device.serial << '\n';
    return kSuccess;
}

} // namespace mervadin::cli
