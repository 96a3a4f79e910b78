// mervadin-sim: the simulated device served on the socket bridge, so that
// the tool (or any other client of the bridge) can be used without hardware.

#include "frames/device_words.h"
#include "sim/sim_server.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

using namespace mervadin;

namespace {

std::atomic<bool> g_stop{false}; // set by SIGINT and SIGTERM

void RequestStop(int) {
    g_stop = true;
}

int Run(int argc, char** argv) {
    CLI::App app{"Simulated auto-dialer device on the socket bridge", "mervadin-sim"};
    std::string socket, state, model = sim::kModels[0];
    std::size_t records = 40;
    unsigned unplugAfter = 0;
    std::uint64_t replugMs = 1000;
    bool lookalike = false;
    sim::SimDevice device;
    auto& faults = device.Faults();
    auto& timing = device.Timing();

    app.set_version_flag("--version", MERVADIN_VERSION);
    app.add_option("--socket", socket, "socket path to listen on")
        ->type_name("PATH")
        ->required()
        ->check(CLI::Validator(
            [](const std::string& path) {
                return path.empty() ? std::string("the socket path is empty") : std::string();
            },
            ""));
    app.add_option("--state", state, "load the device's content from FILE and save it back")
        ->type_name("FILE");
    app.add_option("--model", model, "model identifier (kemo0001 ... kemo0005)")->type_name("ID");
    app.add_option("--records", records, "made-up call records to hold (without --state)")
        ->type_name("N")
        ->check(CLI::Range(std::size_t{0}, std::size_t{4096} * 16));
    app.add_flag("--lookalike-records", lookalike,
                 "also hold records whose bytes read like protocol words (\"" +
                     std::string(words::kEndMark) + "\" ...)");
    app.add_option("--silent", faults.silentRequests, "ignore this many requests")->type_name("N");
    app.add_option("--damage", faults.damagedAnswers, "spoil the checksum of this many answers")
        ->type_name("N");
    app.add_option("--data-errors", faults.dataErrors,
                   "answer " + std::string(words::kDataError) + " to this many blocks")
        ->type_name("N");
    app.add_option("--timeouts", faults.timeouts,
                   "answer " + std::string(words::kTimeout) + " to this many blocks")
        ->type_name("N");
    app.add_option("--unplug-after", unplugAfter, "unplug after this many blocks")->type_name("N");
    app.add_option("--replug-ms", replugMs, "plug in again this long after an unplug (0: never)")
        ->type_name("MS");
    app.add_option("--garbage", faults.garbageReports, "precede this many frames by garbage")
        ->type_name("N");
    app.add_option("--flash-ms", timing.flashWriteMs, "time to write one block to flash")
        ->type_name("MS");
    app.add_option("--erase-steps", timing.eraseSteps, "erase progress answers per erase")
        ->type_name("N");
    app.add_option("--erase-step-ms", timing.eraseStepMs, "time between erase answers")
        ->type_name("MS");
    app.add_option("--status-ms", timing.statusIntervalMs, "time between status frames (0: none)")
        ->type_name("MS");
    app.add_flag("--pace", timing.usbPacing, "one 64-byte report per millisecond each way");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }

    try {
        if (unplugAfter > 0)
            faults.unplugAfterBlocks = unplugAfter;
        device.Dialer().SetModel(model);
        if (!state.empty() && std::filesystem::exists(state))
            device.Load(state);
        else
            device.AddSampleRecords(records);
        if (lookalike)
            device.AddLookalikeRecords();
        sim::SimServer server(device, socket);
        if (replugMs == 0)
            server.SetReplugAfter(std::nullopt);
        else
            server.SetReplugAfter(replugMs);
        if (!state.empty())
            server.SetStateFile(std::filesystem::path(state));
        std::signal(SIGINT, RequestStop);
        std::signal(SIGTERM, RequestStop);
        std::cerr << "mervadin-sim: starting on " << socket << '\n';
        server.Run(g_stop);
    } catch (const std::exception& e) {
        std::cerr << "mervadin-sim: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "mervadin-sim: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "mervadin-sim: unexpected error\n";
    }
    return 1;
}
