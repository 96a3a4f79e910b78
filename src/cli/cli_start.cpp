#include "cli/cli_start.h"

#include <QGuiApplication>

#include <iostream>

namespace mervadin::cli {

bool UnknownWord(const CLI::App& app) {
    const auto left = app.remaining();
    if (left.empty())
        return false;
    const std::string& word = left.front();
    std::cerr << "mervadin-cli: " << (word.starts_with("-") ? "unknown option" : "unknown command")
              << " \"" << word << "\" (mervadin-cli --help lists them)\n";
    return true;
}

std::unique_ptr<QCoreApplication> Application(int& argc, char** argv, bool draws) {
    if (!draws)
        return std::make_unique<QCoreApplication>(argc, argv);
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace mervadin::cli
