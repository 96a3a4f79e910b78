// How long the tool takes to show its first window (the password window),
// against a bare Qt dialog started the same way, and against a plain Qt
// dialog holding the same kinds of widgets (a picture with a word on it, a
// line edit, three buttons: the cost of showing any text at all). Each
// program is started in turn, and the time runs until the X server maps a
// window titled "PasswordCheck". Run it on an X display of its own, e.g.
//   Xvfb :99 & DISPLAY=:99 build/bench/startup_bench 20 [WORKDIR]
// It prints the medians and the ratios. The tool starts on a fresh working
// folder, or on a copy of WORKDIR (a folder with long call lists, say).

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kTitle = "PasswordCheck";

// The bare dialog: an application and one dialog of the password window's
// size and title, nothing else; with `widgets`, also what that window holds.
int RunPlainDialog(int argc, char** argv, bool widgets) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(kTitle);
    dialog.resize(370, 391);
    if (widgets) {
        QPixmap picture(289, 241);
        picture.fill(Qt::darkBlue);
        QPainter painter(&picture);
        painter.setFont(QFont("Sans", 26, QFont::Bold));
        painter.drawText(picture.rect(), Qt::AlignCenter, "Word");
        painter.end();
        (new QLabel(&dialog))->setPixmap(picture);
        (new QLineEdit("Password", &dialog))->setGeometry(104, 256, 161, 24);
        for (int i = 0; i < 3; ++i)
            (new QPushButton("Button", &dialog))->setGeometry(104, 288 + 34 * i, 161, 29);
    }
    dialog.show();
    return QApplication::exec();
}

bool IsTitled(Display* display, Window window) {
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool titled = std::strcmp(name, kTitle) == 0;
    XFree(name);
    return titled;
}

// Milliseconds from starting `arguments` until its window is mapped, or a
// negative number when none shows within 30 s.
double TimeToWindow(Display* display, std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    double elapsed = -1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - start < std::chrono::seconds(30) && elapsed < 0) {
        while (XPending(display) > 0 && elapsed < 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && IsTitled(display, event.xmap.window))
                elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        if (elapsed < 0)
            poll(&connection, 1, 5);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return RunPlainDialog(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--widgets") == 0)
        return RunPlainDialog(argc, argv, true);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_bench: no X display (run it under Xvfb)\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const auto folder = std::filesystem::temp_directory_path() / "mervadin-startup-bench";
    std::filesystem::remove_all(folder);
    if (argc > 2)
        std::filesystem::copy(argv[2], folder, std::filesystem::copy_options::recursive);
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::vector<std::string> bare = {self, "--bare"};
    const std::vector<std::string> widgets = {self, "--widgets"};
    const std::vector<std::string> tool = {MERVADIN_APP_PATH, "--workdir", folder.string(),
                                           "--simulator"};
    TimeToWindow(display, tool); // the first start creates the working folder
    std::vector<double> bareTimes, widgetTimes, toolTimes;
    for (int round = 0; round < rounds; ++round) {
        bareTimes.push_back(TimeToWindow(display, bare));
        widgetTimes.push_back(TimeToWindow(display, widgets));
        toolTimes.push_back(TimeToWindow(display, tool));
    }
    const double bareMedian = Median(bareTimes), widgetMedian = Median(widgetTimes),
                 toolMedian = Median(toolTimes);
    std::printf("bare dialog           median %6.1f ms\n"
                "dialog with widgets   median %6.1f ms\n"
                "mervadin              median %6.1f ms\n"
                "ratio to bare         %.2f\n"
                "ratio to widgets      %.2f\n",
                bareMedian, widgetMedian, toolMedian, toolMedian / bareMedian,
                toolMedian / widgetMedian);
    XCloseDisplay(display);
    std::filesystem::remove_all(folder);
    return 0;
}
