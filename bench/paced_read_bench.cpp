// The call record read from the simulated device with USB pacing on (one
// 64-byte report per millisecond each way, as on a full-speed interrupt
// endpoint), through the real window, clock and event loop. Prints the
// read's time beside the time the pacing alone takes; the tool should add
// next to nothing per block.
//
//   paced_read_bench [BLOCKS]   (default 512; the device holds BLOCKS-1
//                                full blocks, so the read ends at BLOCKS)

#include "records/read_window.h"
#include "sim/sim_device.h"
#include "sim/sim_transport.h"
#include "support_memo.h"
#include "support_prompts.h"
#include "transports/link_setup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

using namespace mervadin;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int blocks = argc > 1 ? std::max(7, std::atoi(argv[1])) : 512;

    const auto path = std::filesystem::temp_directory_path() / "mervadin-bench-paced";
    std::filesystem::remove_all(path);
    const WorkFolder folder(path);
    folder.Prepare();
    auto transport = std::make_unique<SimTransport>();
    sim::SimDevice& device = transport->Device();
    LinkSetup setup(std::move(transport), std::nullopt);
    device.Timing().statusIntervalMs = 0;
    device.Timing().usbPacing = true;
    // BLOCKS-1 full blocks, the built-in device's own records among them.
    device.AddSampleRecords(static_cast<std::size_t>(blocks - 1) * 16 - device.Records().size());
    setup.Link().Open();

    bench::SilentPrompts prompts;
    ReadWindow window(setup.Link(), folder, prompts);
    window.show();
    QElapsedTimer timer;
    const bench::MemoMoments moments(window, timer, {"Connected!  \r", "Read OK!\r\n\n"});
    auto* read = window.findChild<QPushButton*>("Button4");
    timer.start();
    read->click();
    // The command is refused while the read runs.
    while (!read->isEnabled())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    const qint64 connected = moments.At(0), lastBlock = moments.At(1);
    const double total = timer.elapsed() / 1000.0;
    // The device sends block 0 50 ms after its answer; from then on each block
    // is nine reports to the tool and one acknowledgement back, a millisecond each.
    const double blocksTime = (lastBlock - connected) / 1e9 - 0.050;
    const double pacing = blocks * 10 / 1000.0;
    std::printf("blocks read          %d\n", blocks);
    std::printf("whole read           %.3f s (with handshake, settle and stop frames)\n", total);
    std::printf("blocks               %.3f s\n", blocksTime);
    std::printf("pacing alone         %.3f s (10 ms a block)\n", pacing);
    std::printf("overhead             %+.1f %%\n", 100.0 * (blocksTime / pacing - 1.0));
    return 0;
}
