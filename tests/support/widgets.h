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
