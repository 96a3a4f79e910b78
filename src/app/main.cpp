// mervadin: the desktop tool.

#include "app/main_window.h"
#include "app/startup.h"
#include "qtcore/qt_paths.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "ui/app_icon.h"
#include "ui/language_font.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <optional>

using namespace mervadin;

namespace {

struct Options {
    std::optional<std::string> workdir; // UTF-8
    std::string device;
    std::optional<std::filesystem::path> trace;
    std::string encoding;
    std::string language;
};

// Reads the command line before any window system is needed, so that
// --help and --version answer (and exit) without a display, over ssh or in
// a package check as at a desk.
Options ReadOptions(int argc, char** argv) {
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName("mervadin");
    QCoreApplication::setApplicationVersion(MERVADIN_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("Configure, load and watch the auto-dialer device.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption workdir(
        "workdir", "Working folder (default: MERVADIN_WORKDIR or ~/ORVI-T300-En).", "DIR");
    const QCommandLineOption device(
        "device", "hid (default), hid:PATH, sim (simulated device) or unix:PATH (socket bridge).",
        "SPEC", "hid");
    const QCommandLineOption simulator("simulator", "Short for --device sim.");
    const QCommandLineOption trace("trace", "Append every frame sent and received to FILE.",
                                   "FILE");
    const QCommandLineOption encoding(
        "encoding",
        "Encoding of the data files' text, e.g. GB18030 or windows-1252 (default: "
        "MERVADIN_ENCODING, then the remembered choice, else the system's).",
        "NAME");
    const QCommandLineOption language(
        "language",
        "Language of the windows: en or zh_CN (default: MERVADIN_LANGUAGE, then the remembered "
        "choice, else the system's).",
        "CODE");
    parser.addOptions({workdir, device, simulator, trace, encoding, language});
    parser.process(core); // --help, --version and bad options end the process here

    Options options;
    if (parser.isSet(workdir))
        options.workdir = parser.value(workdir).toStdString();
    options.device = parser.isSet(simulator) ? "sim" : parser.value(device).toStdString();
    if (parser.isSet(trace))
        options.trace = PathOf(parser.value(trace));
    options.encoding = parser.value(encoding).toStdString();
    options.language = parser.value(language).toStdString();
    return options;
}

} // namespace

int main(int argc, char** argv) {
    Options options = ReadOptions(argc, argv);
    if (!TextCodec::ChooseForRun(options.encoding)) {
        std::fprintf(stderr, "mervadin: unknown encoding \"%s\"\n", options.encoding.c_str());
        return 2;
    }
    const auto selection = DeviceSelection::Parse(options.device);
    if (!selection) {
        std::fprintf(stderr, "mervadin: unknown device \"%s\" (hid, hid:PATH, sim, unix:PATH)\n",
                     options.device.c_str());
        return 2;
    }
    if (const auto problem = selection->Problem()) {
        std::fprintf(stderr, "mervadin: %s\n", problem->c_str());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("mervadin");
    QApplication::setApplicationVersion(MERVADIN_VERSION);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(256))));
    QGuiApplication::setDesktopFileName("mervadin");
    const auto language = Translation::ForRun(options.language);
    if (!language || !Translation::Install(*language)) {
        std::fprintf(stderr, "mervadin: unknown language \"%s\" (en, zh_CN)\n",
                     options.language.empty()
                         ? qPrintable(qEnvironmentVariable("MERVADIN_LANGUAGE"))
                         : options.language.c_str());
        return 2;
    }
    UseFontForLanguage(*language);

    LinkOptions link;
    link.device = *selection;
    link.trace = options.trace;
    QtPrompts prompts;
    Startup startup(WorkFolder::Resolve(options.workdir), prompts, link);
    if (auto status = startup.Run())
        return *status;
    startup.Window()->show();
    return QApplication::exec();
}
