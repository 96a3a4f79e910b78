// What the tool costs while nothing happens: the main window open after
// login on the simulated device, the monitor off, no tool window. Over a
// span of seconds it counts the process's wake-ups (the context switches
// of all its threads, from /proc/self/task) and its CPU time, and prints
// them per second against the goals (at most 5 wake-ups a second, under
// 0.2 % of a core).
//   QT_QPA_PLATFORM=offscreen build/bench/idle_bench [SECONDS] [WORKDIR]
// or on a virtual screen: Xvfb :99 & DISPLAY=:99 build/bench/idle_bench.
// WORKDIR (a folder with long call lists, say) is used as it is; without
// it a fresh folder is made and removed.

#include "access/password_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

using namespace mervadin;

namespace {

// The context switches of every thread of this process so far.
long long ContextSwitches() {
    long long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        std::string key;
        long long value = 0;
        while (status >> key) {
            if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
                status >> value;
                total += value;
            }
        }
    }
    return total;
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs the event loop for `ms` milliseconds.
void RunFor(int ms) {
    QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const bool own = argc <= 2;
    const std::filesystem::path folder =
        own ? std::filesystem::temp_directory_path() /
                  ("mervadin-idle-bench-" + std::to_string(::getpid()))
            : std::filesystem::path(argv[2]);

    QtPrompts prompts;
    {
        Startup startup(WorkFolder(folder), prompts,
                        {DeviceSelection{DeviceSelection::Kind::Simulator, {}}, std::nullopt},
                        [](PasswordWindow& window) {
                            window.findChild<QLineEdit*>("Edit1")->setText("6093");
                            window.LogIn();
                        });
        if (startup.Run()) {
            std::fprintf(stderr, "idle_bench: the tool did not start on %s\n", folder.c_str());
            return 1;
        }
        startup.Window()->show();
        RunFor(2000); // the window is drawn and the device found

        const long long switchesBefore = ContextSwitches();
        const double cpuBefore = CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        RunFor(seconds * 1000);
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // The one wake-up that ends the span is the bench's own.
        const double wakeups = static_cast<double>(ContextSwitches() - switchesBefore - 1);
        const double cpu = CpuSeconds() - cpuBefore;
        std::printf("idle for %.1f s on %s\n"
                    "wake-ups      %8.0f   (%.2f a second; goal at most 5)\n"
                    "CPU time      %8.4f s (%.3f %% of a core; goal under 0.2 %%)\n",
                    elapsed, QApplication::platformName().toUtf8().constData(), wakeups,
                    wakeups / elapsed, cpu, 100 * cpu / elapsed);
    }
    if (own)
        std::filesystem::remove_all(folder);
    return 0;
}
