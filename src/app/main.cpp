// mervadin: the desktop tool.

#include "app/language_font.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "options/shared_options.h"
#include "qtcore/translation.h"
#include "ui/app_icon.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#endif

using namespace mervadin;

namespace {

// The arguments as UTF-8. Windows hands a program its command line in
// UTF-16 (Qt reads it so): a folder named in any script stays whole.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    const QCoreApplication core(argc, argv);
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    return arguments;
#else
    return {argv, argv + argc};
#endif
}

#ifdef _WIN32
// Whether the stream leads anywhere: a window program started from the
// desktop or a console has none, one whose output is redirected has it.
bool HasStream(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}
#endif

// Says `text` where the operator sees it: on the program's standard output
// or error, or, for a window program started on Windows without them, in a
// message box, as Qt's own command-line parser does.
void Say(const std::string& text, bool error) {
    if (text.empty())
        return;
#ifdef _WIN32
    if (!::GetConsoleWindow() && !HasStream(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
        const std::wstring wide = QString::fromStdString(text).trimmed().toStdWString();
        ::MessageBoxW(nullptr, wide.c_str(), L"mervadin",
                      MB_OK | MB_TOPMOST | (error ? MB_ICONERROR : MB_ICONINFORMATION));
        return;
    }
#endif
    std::fputs(text.c_str(), error ? stderr : stdout);
}

int Refuse(const std::string& error) {
    Say("mervadin: " + error + "\n", true);
    return kBadUsage;
}

int Run(int argc, char** argv) {
    // The command line is read before any window system is needed, so that
    // --help, --version and a bad option answer (and end) without a display,
    // over ssh or in a package check as at a desk.
    SharedOptions options;
    {
        CLI::App parser{"Configure, load and watch the auto-dialer device.", "mervadin"};
        parser.set_version_flag("--version", std::string("mervadin ") + MERVADIN_VERSION);
        options.AddTo(parser);
        std::ostringstream out, err;
        const auto status = ParseCommandLine(parser, Arguments(argc, argv), out, err);
        Say(out.str(), false);
        Say(err.str(), true);
        if (status)
            return *status;
    }
    if (const auto error = options.ChooseEncoding())
        return Refuse(*error);
    const auto device = options.Device();
    if (!device.value)
        return Refuse(device.error);
    const auto language = options.Language();
    if (!language.value)
        return Refuse(language.error);

    QApplication app(argc, argv);
    QApplication::setApplicationName("mervadin");
    QApplication::setApplicationVersion(MERVADIN_VERSION);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(256))));
    QGuiApplication::setDesktopFileName("mervadin");
    if (!Translation::Install(*language.value))
        return Refuse(UnknownLanguage(*language.value));
    UseFontForLanguage(*language.value);

    LinkOptions link;
    link.device = *device.value;
    link.trace = options.Trace();
    QtPrompts prompts;
    Startup startup(options.Folder(), prompts, link);
    if (auto status = startup.Run())
        return *status;
    startup.Window()->show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    // What no window reports still ends with a message and the failure
    // status rather than an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        Say(std::string("mervadin: ") + e.what() + "\n", true);
    } catch (...) {
        Say("mervadin: unexpected error\n", true);
    }
    return 1;
}
