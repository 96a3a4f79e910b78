#pragma once
// The program's icon, drawn in code so that the window, the installed PNG
// and the scalable SVG in packaging/ show the same picture: a handset on a
// rounded blue square with three call waves.

#include <QImage>

namespace mervadin {

QImage DrawAppIcon(int size);

} // namespace mervadin
