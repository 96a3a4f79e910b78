// Build helper: writes the program icon as a PNG of the given size.
//   mervadin-write-icon SIZE FILE

#include "ui/app_icon.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mervadin-write-icon SIZE FILE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return mervadin::DrawAppIcon(std::atoi(argv[1])).save(argv[2]) ? 0 : 1;
}
