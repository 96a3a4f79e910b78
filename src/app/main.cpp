// mervadin: the desktop tool.

#include "app/main_window.h"
#include "app/qt_prompts.h"
#include "app/startup.h"

#include <QApplication>
#include <QCommandLineParser>

using namespace mervadin;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("mervadin");

    QCommandLineParser parser;
    parser.setApplicationDescription("Configure, load and watch the auto-dialer device.");
    parser.addHelpOption();
    QCommandLineOption workdir("workdir", "Working folder (default: MERVADIN_WORKDIR or "
                                          "~/ORVI-T300-En).", "DIR");
    parser.addOption(workdir);
    parser.process(app);

    QtPrompts prompts;
    const auto folder = WorkFolder::Resolve(
        parser.isSet(workdir) ? std::optional(parser.value(workdir).toStdString()) : std::nullopt);
    Startup startup(folder, prompts);
    if (auto status = startup.Run())
        return *status;
    auto window = startup.TakeMainWindow();
    window->show();
    return QApplication::exec();
}
