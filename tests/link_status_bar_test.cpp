#include "app/app_names.h"
#include "app/link_status_bar.h"
#include "support/widgets.h"
#include "ui/colours.h"
#include "ui/lamp.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

TEST(LinkStatusBar, SaysTheLinkAsItIsTold) {
    QWidget window;
    auto* bar = new LinkStatusBar(&window);
    Lamp* lamp = bar->UsbLamp();
    lamp->setParent(&window); // where the main window places it
    window.show();
    EXPECT_EQ(bar->Text(), "USB No Connect");
    EXPECT_EQ(lamp->objectName(), names::main::kUsbLamp);

    bar->ShowLink(true, true, false);
    EXPECT_EQ(bar->Text(), "USB Connected (simulated device)");
    EXPECT_EQ(test::ShownColour(*lamp), colour::kRed);
    bar->ShowLink(false, false, true);
    EXPECT_EQ(bar->Text(), "USB No Connect - the device was disconnected while monitoring");
    EXPECT_EQ(test::ShownColour(*lamp), colour::kSilver);

    // The lamp alone leaves the line as it is.
    bar->SetText("M-Station:Idel;");
    bar->LightLamp(true);
    EXPECT_EQ(bar->Text(), "M-Station:Idel;");
    EXPECT_EQ(test::ShownColour(*lamp), colour::kRed);

    bar->ShowWord("Forward");
    EXPECT_EQ(bar->currentMessage(), "Forward");
}

TEST(LinkStatusBar, ANoticeEndsOnlyWhenNothingElseWasSaidMeanwhile) {
    LinkStatusBar bar(nullptr);
    QSignalSpy ended(&bar, &LinkStatusBar::NoticeEnded);
    bar.ShowNotice("Text encoding: GB18030", 0);
    EXPECT_EQ(bar.Text(), "Text encoding: GB18030");
    bar.SetText("USB Connected"); // said over the first notice
    bar.ShowNotice("Text encoding: UTF-8", 0);
    // Both notices' times run out in order: only the second ends.
    ASSERT_TRUE(ended.wait(10000));
    QCoreApplication::processEvents();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(bar.Text(), "Text encoding: UTF-8"); // the window says what follows
}

TEST(LinkStatusBar, TheDeviceChoiceShowsWhileSeveralAreAttached) {
    QWidget window;
    auto* bar = new LinkStatusBar(&window);
    window.show();
    EXPECT_EQ(window.findChild<QComboBox*>("DeviceChoice"), nullptr); // none until offered
    QSignalSpy chosen(bar, &LinkStatusBar::DeviceChosen);

    bar->ShowDevices({{"/dev/hidraw1", "dialer 0001"}}, "/dev/hidraw1");
    auto* choice = window.findChild<QComboBox*>("DeviceChoice");
    ASSERT_NE(choice, nullptr);
    EXPECT_FALSE(choice->isVisible());

    bar->ShowDevices({{"/dev/hidraw1", "dialer 0001"}, {"/dev/hidraw4", "dialer 0002"}},
                     "/dev/hidraw4");
    EXPECT_TRUE(choice->isVisible());
    EXPECT_EQ(choice->currentText(), "/dev/hidraw4  dialer 0002");
    EXPECT_EQ(chosen.count(), 0); // listing them picks none
    EXPECT_FALSE(bar->ChoiceOpen());

    choice->setFocus();
    QTest::keyClick(choice, Qt::Key_Up);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<std::string>(), "/dev/hidraw1");

    bar->SetChoiceEnabled(false); // while the monitor runs
    QTest::keyClick(choice, Qt::Key_Down);
    EXPECT_EQ(chosen.count(), 1);
}

} // namespace
} // namespace mervadin
