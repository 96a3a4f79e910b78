// Runs the widget tests on a QApplication, offscreen unless told otherwise.
// The offscreen screen is a desktop's (1280 x 1024, support/offscreen.json)
// rather than the platform's own 800 x 600, which the main window would not
// fit; the gui_fit_* tests give it a 1024 x 768 screen at each scaling.

#include <QApplication>

#ifdef _WIN32
#include <QFont>
#include <QSettings>

#include <cstdlib>

#include <windows.h>
#endif

#include <gtest/gtest.h>

namespace {

#ifdef _WIN32
// The offscreen platform finds fonts in one folder and knows no system font:
// on Windows it is given the system's fonts folder, and the windows the font
// that the windows platform gives them (the stock GUI font, under the name
// the system substitutes for it), so that the tests measure the texts as the
// program shows them.
void UseTheSystemsFontsFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        qputenv("QT_QPA_FONTDIR", (QString::fromWCharArray(folder, length) + "\\Fonts").toUtf8());
}

void UseTheSystemsWindowFont() {
    LOGFONTW stock{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock))
        return;
    QString family = QString::fromWCharArray(stock.lfFaceName);
    const QSettings substitutes(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
        QSettings::NativeFormat);
    family = substitutes.value(family, family).toString();
    QFont font(family);
    font.setPointSizeF(std::abs(stock.lfHeight) * 72.0 / 96.0);
    QApplication::setFont(font);
}
#endif

} // namespace

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MERVADIN_OFFSCREEN_CONFIG);
#ifdef _WIN32
    UseTheSystemsFontsFolder();
#endif
    QApplication app(argc, argv);
#ifdef _WIN32
    if (QGuiApplication::platformName() == "offscreen")
        UseTheSystemsWindowFont();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
