// What the tool costs while nothing happens: the main window open after
// login on the simulated device, the monitor off, no tool window. Over a
// span of seconds it counts the process's wake-ups (the voluntary context
// switches of all its threads, from getrusage) and its CPU time, and prints
// them per second against the goals (at most 5 wake-ups a second, under
// 0.2 % of a core). Then it parks the pointer on every control of the
// main window in turn (each place a control shows, the status line's
// included), then on those of the simulated device's window, lets a tooltip
// come up, and counts the wake-ups while the pointer rests there; it prints
// each place and the worst (goal: at most 2 a second anywhere).
//   QT_QPA_PLATFORM=offscreen build/bench/idle_bench [SECONDS] [WORKDIR]
// or on a virtual screen with a window manager, where the pointer really
// moves: Xvfb :99 & openbox & DISPLAY=:99 build/bench/idle_bench.
// WORKDIR (a folder with long call lists, say) is used as it is; without
// it a fresh folder is made and removed. MERVADIN_IDLE_PARK_MS sets how
// long the pointer rests on each control (default 3000: a second for a
// tooltip to come up, then the rest counted).

#include "access/password_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

#include <unistd.h>

using namespace mervadin;

namespace {

// The times a thread of the process went to sleep so far, every thread it
// ran counted (those that ended included): each is a wake-up once it runs
// again. Being preempted by another program is not counted, so a busy
// machine does not make the tool look restless.
long long ContextSwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs the event loop for `ms` milliseconds. A loop of its own: quitting
// the application's would close its windows.
void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Rate {
    double wakeups; // a second
    double cpu;     // share of a core
};

// Runs the event loop for `ms` milliseconds and measures it.
Rate Measure(int ms) {
    const long long switchesBefore = ContextSwitches();
    const double cpuBefore = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    RunFor(ms);
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The one wake-up that ends the span is the bench's own.
    const double wakeups = static_cast<double>(ContextSwitches() - switchesBefore - 1);
    return {wakeups / elapsed, (CpuSeconds() - cpuBefore) / elapsed};
}

// A control's name for the report: its object name, or its class, after
// the nearest named one it sits in.
std::string NameOf(const QWidget* widget) {
    std::string name;
    for (const QWidget* at = widget; at && !at->isWindow(); at = at->parentWidget()) {
        const QString own = at->objectName().isEmpty() || at->objectName().startsWith("qt_")
                                ? QString(at->metaObject()->className())
                                : at->objectName();
        name = name.empty() ? own.toStdString() : own.toStdString() + "/" + name;
        if (!at->objectName().isEmpty() && !at->objectName().startsWith("qt_"))
            break;
    }
    return name;
}

struct Spot {
    std::string name;
    QPoint at; // global
};

// One resting place for each control the pointer can reach in `window`:
// the middle of what shows of it, where it is the control under the
// pointer (not one of its children, not cut off by the scrolling area).
std::vector<Spot> RestingPlaces(QWidget& window) {
    std::vector<Spot> spots;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const QRect shown = widget->visibleRegion().boundingRect();
        if (shown.isEmpty())
            continue;
        const QPoint at = widget->mapToGlobal(shown.center());
        if (QApplication::widgetAt(at) != widget)
            continue;
        spots.push_back({NameOf(widget), at});
    }
    return spots;
}

struct Worst {
    double rate = -1;
    std::string name;
};

// Parks the pointer on each control of `window` in turn and prints the
// wake-ups while it rests there.
void ParkOnEach(QWidget& window, int parkMs, Worst& worst) {
    for (const Spot& spot : RestingPlaces(window)) {
        QCursor::setPos(spot.at);
        RunFor(1000); // a tooltip comes up
        const Rate rate = Measure(parkMs - 1000);
        const std::string name = window.objectName().toStdString() + ": " + spot.name;
        std::printf("  %6.2f a second  %s\n", rate.wakeups, name.c_str());
        std::fflush(stdout);
        if (rate.wakeups > worst.rate)
            worst = {rate.wakeups, name};
    }
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
        MainWindow& window = *startup.Window();
        window.show();
        // The pointer starts outside the window.
        QCursor::setPos(window.frameGeometry().bottomRight() + QPoint(40, 40));
        RunFor(2000); // the window is drawn and the device found

        const Rate idle = Measure(seconds * 1000);
        std::printf("idle for %d s on %s\n"
                    "wake-ups      %8.2f a second (goal at most 5)\n"
                    "CPU time      %8.3f %% of a core (goal under 0.2 %%)\n",
                    seconds, QApplication::platformName().toUtf8().constData(), idle.wakeups,
                    100 * idle.cpu);
        std::fflush(stdout);

        const char* park = std::getenv("MERVADIN_IDLE_PARK_MS");
        const int parkMs = park ? std::max(1200, std::atoi(park)) : 3000;
        std::printf("the pointer resting on each control (%d ms, the first second not counted):\n",
                    parkMs);
        Worst worst;
        ParkOnEach(window, parkMs, worst);
        // The simulated device's window too, opened beside the main window.
        window.OpenSimulator();
        RunFor(1000);
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other->isVisible() && other->objectName() == "SimulatorWindow")
                ParkOnEach(*other, parkMs, worst);
        std::printf("worst with the pointer resting: %.2f a second over %s (goal at most 2)\n",
                    worst.rate, worst.name.c_str());
    }
    if (own)
        std::filesystem::remove_all(folder);
    return 0;
}
