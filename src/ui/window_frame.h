#pragma once
// Window sizes are given as outer sizes, frame included: a fixed single
// border of 3 pixels on each side and a caption 22 pixels high. Qt sizes a
// window by its client area; this turns the one into the other.

#include <QSize>

namespace mervadin {

inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 28;

constexpr QSize ClientSize(int outerWidth, int outerHeight) {
    return {outerWidth - kFrameWidth, outerHeight - kFrameHeight};
}

} // namespace mervadin
