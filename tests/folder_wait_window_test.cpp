// The windows' wait for a folder another program has locked: the windows
// go on (their clocks run, they paint), a dialog offers Cancel, and Cancel
// gives up without writing anything.

#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_names.h"
#include "settings/settings_window.h"
#include "support/recording_prompts.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/folder_wait_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

// The folder's lock held by another process (flock(1)) until released.
class OtherProgramsLock {
public:
    OtherProgramsLock(const std::filesystem::path& folder, const std::filesystem::path& marks)
        : marks_(marks) {
        test::Spit(marks_ / "hold", "");
        process_.setWorkingDirectory(QString::fromStdString(marks_.string()));
        process_.start("flock",
                       {QString::fromStdString((folder / FolderLock::kLockFileName).string()), "sh",
                        "-c", "touch held; while [ -e hold ]; do sleep 0.02; done"});
        while (!std::filesystem::exists(marks_ / "held") &&
               process_.state() != QProcess::NotRunning)
            process_.waitForFinished(20);
    }
    ~OtherProgramsLock() { Release(); }
    bool Held() const { return std::filesystem::exists(marks_ / "held"); }
    void Release() {
        std::filesystem::remove(marks_ / "hold");
        process_.waitForFinished(10000);
    }

private:
    std::filesystem::path marks_;
    QProcess process_;
};

// Counts the paint events of a widget.
class Paints : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

class FolderWaitWindowTest : public ::testing::Test {
protected:
    FolderWaitWindowTest() {
        std::filesystem::create_directories(folder);
        RestoreDefaultSettings(config);
        FolderLock::SetWait(&wait);
    }
    ~FolderWaitWindowTest() override { FolderLock::SetWait(nullptr); }

    // Runs `whileWaiting` once the waiting dialog shows, from within the
    // wait, after a click on Save.
    void SaveAndThen(SettingsWindow& window,
                     const std::function<void(FolderWaitDialog&)>& whileWaiting) {
        bool seen = false;
        QTimer look;
        look.setInterval(10);
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<FolderWaitDialog*>(QApplication::activeModalWidget());
                dialog && !seen) {
                seen = true;
                whileWaiting(*dialog);
            }
        });
        look.start();
        test::Click(window, names::settings::kSaveButton);
        EXPECT_TRUE(seen);
    }

    test::TempFolder temp;
    std::filesystem::path folder = temp / "wd";
    std::filesystem::path config = folder / "Config.txt";
    test::RecordingPrompts prompts;
    WindowFolderWait wait;
};

TEST_F(FolderWaitWindowTest, TheWindowGoesOnWhileItWaitsAndCancelWritesNothing) {
    const std::string before = test::Slurp(config);
    SettingsWindow window(config, prompts);
    window.show();
    test::Child<QLineEdit>(window, "Edit1")->setText("33");
    OtherProgramsLock other(folder, temp.path());
    ASSERT_TRUE(other.Held());

    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start(10);
    Paints paints;
    window.installEventFilter(&paints);
    QTimer::singleShot(100, &window, [&] { window.update(); }); // during the wait
    SaveAndThen(window, [&](FolderWaitDialog& dialog) {
        EXPECT_GT(ticks, 0);        // the clock ran while the window waited
        EXPECT_GT(paints.count, 0); // and the window painted
        EXPECT_TRUE(test::Child<QLabel>(dialog, names::folder_wait::kText)
                        ->text()
                        .contains(QString::fromStdString(folder.string())));
        auto* cancel = test::Child<QPushButton>(dialog, names::folder_wait::kCancel);
        EXPECT_TRUE(cancel->hasFocus()); // Enter or Space cancels too
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    EXPECT_EQ(test::Slurp(config), before);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("cancelled: nothing was written"), std::string::npos)
        << prompts.shown[0].text;
    EXPECT_TRUE(other.Held());

    // Waited for to the end, the save is made once the other program lets go.
    SaveAndThen(window, [&](FolderWaitDialog&) { other.Release(); });
    EXPECT_EQ(ReadIntSetting(config, keys::kDelayedCall), 33);
}

} // namespace
} // namespace mervadin
