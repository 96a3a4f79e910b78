#pragma once
// Runs code inside a modal window's own event loop: `open` shows the window
// (exec), `inside` is handed the window once it is up, and the window is
// closed afterwards.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>

namespace mervadin::test {

template <class Window>
void WithModal(const std::function<void()>& open, const std::function<void(Window&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        inside(*window);
        ran = true;
        window->close();
    });
    open();
    EXPECT_TRUE(ran);
}

} // namespace mervadin::test
