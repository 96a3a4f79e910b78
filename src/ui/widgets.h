#pragma once
// Small pieces the windows build themselves from.

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <filesystem>

class QDialog;
class QPushButton;

namespace mervadin {

// Gives a widget its object name and its place in its parent.
template <typename W>
W* Place(W* widget, const char* name, const QRect& place) {
    widget->setObjectName(name);
    widget->setGeometry(place);
    return widget;
}

// A button with its object name, for a layout: of the usual size `design`
// (none: as its caption needs), larger where its caption needs it (see
// Designed). Enter presses it when it has the focus, never from elsewhere
// in its window.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        QSize design = {});

// An area that fills the window and scrolls when the window is cut to a
// small screen (see FixSizeOnScreen); the controls go on it, laid out by
// its layout. It takes the window's background.
QWidget* ScrollingArea(QWidget& window);

// The client size of a window laid out from `design`: that size, or larger
// where its layout needs more (a larger font, another language).
QSize LaidOutSize(const QWidget& window, QSize design);

// Fixes a window's client size at `size`, or at what of it fits in its
// screen's free area, frame included.
void FixSizeOnScreen(QWidget& window, QSize size);

// Sizes a window that the operator may resize: `size`, or what of it fits
// in its screen's free area; never smaller than its layout allows, nor
// (where the screen allows) than fits.
void SizeOnScreen(QWidget& window, QSize size);

// Moves a window to `at`, or as near as keeps it whole on its screen (a
// large font or scaling can make the usual place run off the screen).
void MoveOnScreen(QWidget& window, QPoint at);

// Moves a window that is about to show beside `anchor`: to its right, left
// or below where the screen has room, else where it covers least of it.
void PlaceBeside(QWidget& window, const QWidget& anchor);

// Runs a tool window over its parent until it closes: the parent waits,
// while windows of their own (the simulated device's) stay usable.
int RunToolWindow(QDialog& window);

// Where the file dialogs start: the user's documents folder, or the home
// folder when there is none (a folder that does not exist would land in
// the dialog's name box).
std::filesystem::path DocumentsFolder();

} // namespace mervadin
