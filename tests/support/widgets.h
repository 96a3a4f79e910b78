#pragma once
// Driving windows in tests as an operator would: clicks on named buttons,
// entries of named popup menus; and what the windows show: the lines of a
// memo box, the colour of a lamp.

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace mervadin::test {

// The child of `window` named `name`; a test fails when there is none.
template <typename W = QWidget>
W* Child(const QWidget& window, const char* name) {
    auto* found = window.findChild<W*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A window at its usual size, or a little larger where the system's font
// needs more room (never smaller; larger by a tenth at most).
inline void ExpectUsualSize(QSize size, QSize usual) {
    EXPECT_GE(size.width(), usual.width());
    EXPECT_GE(size.height(), usual.height());
    EXPECT_LE(size.width(), usual.width() * 11 / 10);
    EXPECT_LE(size.height(), usual.height() * 11 / 10);
}

// A left click on the button named `name`.
inline void Click(const QWidget& window, const char* name) {
    if (auto* button = Child<QPushButton>(window, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

// The entry `text` of the popup menu named `menu`, or null.
inline QAction* Action(const QWidget& window, const char* menu, const QString& text) {
    if (auto* found = Child<QMenu>(window, menu))
        for (auto* action : found->actions())
            if (action->text() == text)
                return action;
    ADD_FAILURE() << "no entry \"" << text.toStdString() << "\" in " << menu;
    return nullptr;
}

// The lines the text box named `name` shows, a line each.
inline QStringList ShownLines(const QWidget& window, const char* name) {
    auto* box = Child<QPlainTextEdit>(window, name);
    return box ? box->toPlainText().split('\n') : QStringList();
}

// Whether the text box named `name` shows `line` (the tool's own line, its
// carriage returns left out as the box leaves them out) as lines of its own.
inline bool Shows(const QWidget& window, const char* name, const std::string& line) {
    const QString text = '\n' + ShownLines(window, name).join('\n') + '\n';
    return text.contains('\n' + QString::fromStdString(line).remove('\r') + '\n');
}

// The colour a widget shows just inside its frame, as painted: away from a
// caption drawn in its middle.
inline QColor ShownColour(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    return image.pixelColor(std::min(3, image.width() / 2), std::min(3, image.height() / 2));
}

} // namespace mervadin::test
