#pragma once
// Window sizes are given as outer sizes, frame included: a fixed single
// border of 3 pixels on each side and a caption 22 pixels high. Qt sizes a
// window by its client area; this turns the one into the other.

#include <QRect>
#include <QSize>

#include <algorithm>

namespace mervadin {

inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 28;

constexpr QSize ClientSize(int outerWidth, int outerHeight) {
    return {outerWidth - kFrameWidth, outerHeight - kFrameHeight};
}

// The client size a window of client size `design` takes on a screen whose
// free area is `room`: as designed where it fits, frame included; else cut
// to what fits (its content then scrolls). An empty room cuts nothing.
inline QSize FittedClientSize(QSize design, const QRect& room) {
    if (room.isEmpty())
        return design;
    return {std::min(design.width(), room.width() - kFrameWidth),
            std::min(design.height(), room.height() - kFrameHeight)};
}

} // namespace mervadin
