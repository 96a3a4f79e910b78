#include "app/app_names.h"
#include "app/download_window.h"
#include "app/simulator_window.h"
#include "qtcore/translation.h"
#include "settings/settings_file.h"
#include "sim/sim_device.h"
#include "support/recording_prompts.h"
#include "support/scoped_environment.h"
#include "support/simulated_setup.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/ui_names.h"
#include "voice/voice_buffer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

// The download window on the simulated device, its clock quick.
class DownloadWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(folder.Prepare(), std::nullopt);
        setup.Simulator()->Timing().statusIntervalMs = 0;
        setup.Link().Open();
    }
    test::TempFolder temp;
    test::RecordingPrompts prompts;
    const WorkFolder folder{temp.path()};
    test::ScopedEnvironment quickClock{"MERVADIN_TICK_MS", "1"};
    test::SimulatedSetup setup;
    VoiceBuffer voice;
};

TEST_F(DownloadWindowTest, WritesTheSettingsToTheSimulatedDeviceAndStops) {
    RestoreDefaultSettings(folder.File("Config.txt"));
    DownloadWindow window(setup.Link(), folder, prompts, voice);
    window.show();
    const auto opening = test::ShownLines(window, names::operation::kMemo);
    EXPECT_EQ(opening.at(1), "Connect ZEL");
    EXPECT_TRUE(opening.at(0).startsWith("Current Data: 20"));
    auto* write = window.findChild<QPushButton*>(names::download::kWriteSettingButton);
    QTest::mouseClick(write, Qt::LeftButton);
    EXPECT_FALSE(write->isEnabled()); // refused while the write runs
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.empty(); }, 5000));
    EXPECT_EQ(prompts.shown[0], (Notice{"OK", "  Write Setting OK!"}));
    EXPECT_TRUE(write->isEnabled());
    EXPECT_TRUE(setup.Simulator()->Settings().has_value());

    QTest::mouseClick(window.findChild<QPushButton*>(names::download::kStopButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return test::ShownLines(window, names::operation::kMemo).back() ==
                   "================Stop==================";
        },
        5000));
    QTest::mouseClick(window.findChild<QPushButton*>(names::download::kExitButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

// An empty or garbled Config.txt is no block of zeros for the device: the
// window refuses the write before anything is sent and names the file.
TEST_F(DownloadWindowTest, ASettingsFileThatIsNoneSendsNothing) {
    DownloadWindow window(setup.Link(), folder, prompts, voice);
    window.show();
    auto* write = window.findChild<QPushButton*>(names::download::kWriteSettingButton);
    for (const std::string& config : {std::string(), std::string("\x89PNG\r\n\x1A\n\0\0", 10)}) {
        test::Spit(folder.File("Config.txt"), config);
        prompts.shown.clear();
        QTest::mouseClick(write, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.empty(); }, 5000));
        EXPECT_EQ(prompts.shown[0].caption, "Error");
        EXPECT_NE(prompts.shown[0].text.find(folder.File("Config.txt").string()), std::string::npos)
            << prompts.shown[0].text;
        EXPECT_NE(prompts.shown[0].text.find("Nothing was sent"), std::string::npos);
        ASSERT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 5000));
        EXPECT_EQ(prompts.shown.size(), 1u); // the error alone: no write was done
    }
    EXPECT_FALSE(setup.Simulator()->Settings().has_value());
}

TEST_F(DownloadWindowTest, WritesTheNumberListToTheSimulatedDevice) {
    Lines lines;
    for (int i = 0; i < 20; ++i)
        lines.push_back("3\tN" + std::to_string(i) + "\t555" + std::to_string(i));
    lines.push_back("3,Long name over sixteen,123");
    WriteLines(folder.File("LoadNumber.txt"), lines);
    DownloadWindow window(setup.Link(), folder, prompts, voice);
    window.show();
    auto* write = window.findChild<QPushButton*>(names::download::kWriteNumberButton);
    QTest::mouseClick(write, Qt::LeftButton);
    EXPECT_FALSE(write->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 20000));
    // The write's last line, " =...=\r\n", ends the memo (its line break too).
    const auto memo = test::ShownLines(window, names::operation::kMemo);
    EXPECT_EQ(memo.mid(memo.size() - 2),
              (QStringList{" ======================================", ""}));
    EXPECT_EQ(setup.Simulator()->NumberBlocks().size(), 2u);
    EXPECT_EQ(setup.Simulator()->Dialer().Numbers().size(), 21u);
    // The device's own window shows what it now holds.
    SimulatorWindow simulator(*setup.Simulator());
    EXPECT_TRUE(
        simulator.findChild<QLabel*>("Contents")->text().contains("21 numbers in 2 blocks"));
    EXPECT_EQ(
        test::ShownLines(window, names::download::kErrorMemo),
        (QStringList{"1 finding: 1 name cut", "line 21: the NAME is longer than 16 bytes (cut)"}));
    EXPECT_TRUE(prompts.shown.empty());
}

// The warnings' box grows with them down to the window's bottom, beside a
// narrowed progress memo, and is small again for a list without findings.
TEST_F(DownloadWindowTest, TheWarningsBoxGrowsWithItsLinesUpToTheWindowsHeight) {
    DownloadWindow window(setup.Link(), folder, prompts, voice);
    window.show();
    auto* errors = window.findChild<QWidget*>(names::download::kErrorMemo);
    auto* memo = window.findChild<QWidget*>(names::operation::kMemo);
    const QRect small = errors->geometry();
    auto* write = window.findChild<QPushButton*>(names::download::kWriteNumberButton);
    const auto writeList = [&](const Lines& lines) {
        WriteLines(folder.File("LoadNumber.txt"), lines);
        QTest::mouseClick(write, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 20000));
    };
    // Six lines (the count and five findings): more than the small box
    // holds in any font, Wine's smaller one included.
    writeList({"1,,100", "1,,200", "1,,300", "1,,400", "1,,500"});
    const QRect few = errors->geometry();
    EXPECT_GT(few.height(), small.height());
    EXPECT_LT(few.bottom(), window.height() - 8);

    writeList(Lines(40, "1,,100"));
    const QRect many = errors->geometry();
    EXPECT_EQ(many.bottom(), window.height() - 9); // down to the window's margin
    EXPECT_GT(many.height(), few.height());
    EXPECT_LT(memo->geometry().right(), many.left()); // side by side
    EXPECT_EQ(test::ShownLines(window, names::download::kErrorMemo).size(),
              80); // the summary and 79 findings
    // More than fit: the count of them stays in view at the top.
    auto* scroll = static_cast<QPlainTextEdit*>(errors)->verticalScrollBar();
    EXPECT_GT(scroll->maximum(), 0);
    EXPECT_EQ(scroll->value(), 0);

    writeList({"1,Anna,100"});
    EXPECT_EQ(errors->geometry(), small);
    EXPECT_EQ(memo->geometry().right(), small.right()); // the full width again
}

// In Chinese the warnings read in Chinese; the device gets the same blocks.
TEST_F(DownloadWindowTest, TheNumberWritesWarningsAreInTheLanguageOfTheWindows) {
    WriteLines(folder.File("LoadNumber.txt"), {"3,Long name over sixteen,123", "3,,123"});
    ASSERT_TRUE(Translation::Install("zh_CN"));
    {
        DownloadWindow window(setup.Link(), folder, prompts, voice);
        window.show();
        auto* write = window.findChild<QPushButton*>(names::download::kWriteNumberButton);
        QTest::mouseClick(write, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 20000));
        const auto errors = test::ShownLines(window, names::download::kErrorMemo);
        EXPECT_EQ(errors.at(0),
                  QString::fromUtf8("发现 3 项问题: 1 个姓名被截断, 1 个姓名为空, 1 个重复号码"));
        EXPECT_EQ(errors.at(1), QString::fromUtf8("第 1 行: 姓名超过 16 字节(被截断)"));
        EXPECT_EQ(errors.at(3), QString::fromUtf8("第 2 行: 号码重复,见行 1"));
        EXPECT_EQ(setup.Simulator()->Dialer().Numbers().size(), 2u);
    }
    Translation::Install("en");
}

TEST(DownloadWindow, FormatsTheCurrentDataLine) {
    EXPECT_EQ(CurrentDataLine({2026, 12, 6, 9, 5, 7}), "Current Data: 2026/12/6   9/05/07");
}

} // namespace
} // namespace mervadin
