// mervadin: the desktop tool.

#include "app/main_window.h"
#include "app/startup.h"
#include "qtcore/text_codec.h"
#include "ui/app_icon.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

using namespace mervadin;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("mervadin");
    QApplication::setApplicationVersion(MERVADIN_VERSION);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(256))));
    QGuiApplication::setDesktopFileName("mervadin");

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
        "MERVADIN_ENCODING or UTF-8).",
        "NAME");
    parser.addOptions({workdir, device, simulator, trace, encoding});
    parser.process(app);

    std::string encodingName = parser.value(encoding).toStdString();
    if (!TextCodec::ChooseForRun(encodingName)) {
        std::fprintf(stderr, "mervadin: unknown encoding \"%s\"\n", encodingName.c_str());
        return 2;
    }

    LinkOptions link;
    const auto selection = DeviceSelection::Parse(
        parser.isSet(simulator) ? "sim" : parser.value(device).toStdString());
    if (!selection) {
        std::fprintf(stderr, "mervadin: unknown device \"%s\" (hid, hid:PATH, sim, unix:PATH)\n",
                     qPrintable(parser.value(device)));
        return 2;
    }
    if (const auto problem = selection->Problem()) {
        std::fprintf(stderr, "mervadin: %s\n", problem->c_str());
        return 2;
    }
    link.device = *selection;
    if (parser.isSet(trace))
        link.trace = parser.value(trace).toStdString();

    QtPrompts prompts;
    const auto folder = WorkFolder::Resolve(
        parser.isSet(workdir) ? std::optional(parser.value(workdir).toStdString()) : std::nullopt);
    Startup startup(folder, prompts, link);
    if (auto status = startup.Run())
        return *status;
    startup.Window()->show();
    return QApplication::exec();
}
