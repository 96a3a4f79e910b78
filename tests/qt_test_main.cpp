// Runs the widget tests on a QApplication, offscreen unless told otherwise.
// The offscreen screen is a desktop's (1280 x 1024, support/offscreen.json)
// rather than the platform's own 800 x 600, which the main window would not
// fit; tests of smaller screens say so themselves.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MERVADIN_OFFSCREEN_CONFIG);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
