// The number list write to the simulated device with USB pacing on (one
// 64-byte report per millisecond each way), through the real download
// window, its clocks and the event loop. Prints the time of the blocks
// beside what the pacing and the protocol's own pauses take: per block the
// 3-ms pause, nine reports out, "writingspi!" back, the device's flash write
// and "writespiok!" back.
//
//   paced_number_write_bench [LINES]   (default 9100: 563 blocks)

#include "app/download_window.h"
#include "files/file_batch.h"
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
    const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9100;

    const auto path = std::filesystem::temp_directory_path() / "mervadin-bench-numbers";
    std::filesystem::remove_all(path);
    const WorkFolder folder(path);
    folder.Prepare();
    Lines list;
    for (int i = 0; i < lines; ++i)
        list.push_back(std::to_string(i % 9 + 1) + "\tName " + std::to_string(i) + "\t138" +
                       std::to_string(10000000 + i));
    WriteLines(folder.File(file::kLoadNumber), list);

    auto transport = std::make_unique<SimTransport>();
    sim::SimDevice& device = transport->Device();
    LinkSetup setup(std::move(transport), std::nullopt);
    device.Timing().statusIntervalMs = 0;
    device.Timing().usbPacing = true;
    setup.Link().Open();

    bench::SilentPrompts prompts;
    VoiceBuffer voice;
    DownloadWindow window(setup.Link(), folder, prompts, voice);
    window.show();
    QElapsedTimer timer;
    const bench::MemoMoments moments(window, timer,
                                     {"EarseEnd!!!\r", "                Write Number OK!\r\n"});
    auto* write = window.findChild<QPushButton*>("Button5");
    timer.start();
    write->click();
    // The command is refused while the write runs.
    while (!write->isEnabled())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    const qint64 erased = moments.At(0), written = moments.At(1);
    const std::size_t blocks = device.NumberBlocks().size();
    // After the erase the tool settles for 5 ticks of the 10-ms clock.
    const double blocksTime = (written - erased) / 1e9 - 0.050;
    const double perBlockMs = 3 + 9 + 1 + static_cast<double>(device.Timing().flashWriteMs) + 1;
    const double protocol = static_cast<double>(blocks) * perBlockMs / 1000.0;
    std::printf("blocks written       %zu (%s)\n", blocks, written >= 0 ? "succeeded" : "FAILED");
    std::printf("whole write          %.3f s (with handshake, erase, settle and stop frames)\n",
                timer.elapsed() / 1000.0);
    std::printf("blocks               %.3f s\n", blocksTime);
    std::printf("pacing and pauses    %.3f s (%.0f ms a block)\n", protocol, perBlockMs);
    std::printf("overhead             %+.1f %%\n", 100.0 * (blocksTime / protocol - 1.0));
    return 0;
}
