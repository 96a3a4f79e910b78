#pragma once
// Driving windows in tests as an operator would: clicks on named buttons,
// entries of named popup menus.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

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

} // namespace mervadin::test
