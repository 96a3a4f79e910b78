// Every window shows its labels, buttons and choices whole, with the
// default font and with one a quarter larger (as at 1.25x scaling).

#include "access/change_password_window.h"
#include "access/password_window.h"
#include "app/app_names.h"
#include "app/download_window.h"
#include "app/main_window.h"
#include "app/simulator_window.h"
#include "numbers/number_edit_window.h"
#include "numbers/number_list_window.h"
#include "qtcore/translation.h"
#include "records/display_window.h"
#include "records/read_window.h"
#include "round/block_list_window.h"
#include "round/number_calls_window.h"
#include "round/outcome_window.h"
#include "settings/settings_names.h"
#include "settings/settings_window.h"
#include "sim/sim_device.h"
#include "statistics/statistics_window.h"
#include "support/recording_prompts.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "transports/link_setup.h"
#include "ui/window_frame.h"
#include "voice/voice_buffer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace mervadin {
namespace {

// How wide a widget must be to show its text whole: a label its own size,
// a button its text and a little room each side, a list its widest choice
// beside the arrow. Nothing for widgets without text of their own.
int Needed(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->wordWrap() ? 0 : label->sizeHint().width();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().isEmpty()
                   ? 0
                   : button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
                         6;
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->sizeHint().width();
    return 0;
}

// The shown labels, buttons and lists of `window` narrower than their text
// needs.
QStringList CutOff(QWidget& window) {
    QStringList cut;
    for (auto* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        const int needed = Needed(widget);
        if (widget->width() < needed)
            cut << QString("%1 %2 < %3").arg(widget->objectName()).arg(widget->width()).arg(needed);
    }
    return cut;
}

// Every window of the tool, made on a working folder and the simulated device.
class EveryWindow {
protected:
    void Prepare() {
        ASSERT_EQ(folder.Prepare(), std::nullopt);
        setup.Link().Open();
    }
    // The tool windows but the main window, the settings editor and the
    // display window.
    std::vector<std::unique_ptr<QWidget>> OtherWindows() {
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<DownloadWindow>(setup.Link(), folder, prompts, voice));
        windows.push_back(std::make_unique<ReadWindow>(setup.Link(), folder, prompts));
        windows.push_back(std::make_unique<NumberListWindow>(
            folder, prompts, nullptr,
            NumberListLinks{{}, [](QWidget*) {}, [](QWidget*) { return false; }}));
        windows.push_back(std::make_unique<NumberEditWindow>(folder, prompts));
        windows.push_back(std::make_unique<PasswordWindow>(folder.File("password.txt"), prompts));
        windows.push_back(
            std::make_unique<ChangePasswordWindow>(folder.File("password.txt"), prompts));
        windows.push_back(std::make_unique<StatisticsWindow>(
            folder, prompts, nullptr,
            [](const std::filesystem::path&, const DayRange&) { return ReportTable{}; }));
        windows.push_back(std::make_unique<OutcomeWindow>(folder, prompts));
        windows.push_back(std::make_unique<BlockListWindow>(folder.File("BlockList.txt"), prompts));
        windows.push_back(
            std::make_unique<NumberCallsWindow>("555", std::vector<FoundCall>{{1, "", {}, 65}}));
        windows.push_back(std::make_unique<SimulatorWindow>(*setup.Simulator()));
        return windows;
    }

    test::TempFolder temp;
    WorkFolder folder{temp / "wd"};
    test::RecordingPrompts prompts;
    LinkSetup setup{DeviceSelection{DeviceSelection::Kind::Simulator, {}}, std::nullopt};
    VoiceBuffer voice;
};

class WindowFitTest : public ::testing::TestWithParam<double>, public EveryWindow {
protected:
    void SetUp() override {
        Prepare();
        original = QApplication::font();
        QFont larger = original;
        larger.setPointSizeF(original.pointSizeF() * GetParam());
        QApplication::setFont(larger);
    }
    void TearDown() override { QApplication::setFont(original); }

    void ExpectWhole(QWidget& window) {
        window.show();
        QTest::qWait(1);
        EXPECT_TRUE(CutOff(window).isEmpty())
            << window.objectName().toStdString() << ": " << CutOff(window).join("; ").toStdString();
        window.close();
    }

    QFont original;
};

class SmallScreen : public ::testing::Test, public EveryWindow {
protected:
    void SetUp() override { Prepare(); }
};

TEST_P(WindowFitTest, EveryWindowShowsItsTextsWhole) {
    {
        MainWindow window(folder, prompts);
        window.AttachLink(setup.Link(), setup.Simulator());
        ExpectWhole(window);
    }
    std::vector<std::unique_ptr<QWidget>> windows = OtherWindows();
    windows.push_back(std::make_unique<SettingsWindow>(folder.File("Config.txt"), prompts));
    windows.push_back(std::make_unique<DisplayWindow>(folder, prompts));
    for (auto& window : windows)
        ExpectWhole(*window);
}

// A 1024 x 768 screen at 1.25 scaling leaves 819 x 614 logical pixels
// (support/offscreen-small.json, the gui_small_screen test): each window
// fits it, frame included; the main window and the settings editor, larger
// than that, are cut to it and scroll, all of their content within reach.
TEST_F(SmallScreen, EveryWindowFitsAndKeepsItsContentInReach) {
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    if (room.width() > 900)
        GTEST_SKIP() << "run on the small screen (ctest -R gui_small_screen)";
    auto fits = [&](QWidget& window) {
        window.show();
        QTest::qWait(1);
        EXPECT_LE(window.width() + kFrameWidth, room.width()) << window.objectName().toStdString();
        EXPECT_LE(window.height() + kFrameHeight, room.height())
            << window.objectName().toStdString();
    };
    auto reachable = [](QWidget& window, const char* scrollName) {
        auto* scroll = window.findChild<QScrollArea*>(scrollName);
        ASSERT_NE(scroll, nullptr) << scrollName;
        const QSize content =
            scroll->widget()->minimumSizeHint().expandedTo(scroll->widget()->minimumSize());
        EXPECT_GE(scroll->horizontalScrollBar()->maximum() + scroll->viewport()->width(),
                  content.width())
            << scrollName;
        EXPECT_GE(scroll->verticalScrollBar()->maximum() + scroll->viewport()->height(),
                  content.height())
            << scrollName;
    };
    MainWindow main(folder, prompts);
    fits(main);
    reachable(main, "ClientScroll");
    EXPECT_TRUE(main.findChild<QWidget*>("StatusBar1")->isVisible());
    SettingsWindow settings(folder.File("Config.txt"), prompts);
    fits(settings);
    reachable(settings, "SettingsScroll");
    EXPECT_TRUE(settings.findChild<QWidget*>(names::settings::kSaveButton)
                    ->isVisible()); // Save stays in view
    DisplayWindow display(folder, prompts);
    fits(display);
    reachable(display, "ClientScroll");
    for (auto& window : OtherWindows())
        fits(*window);
}

INSTANTIATE_TEST_SUITE_P(Fonts, WindowFitTest, ::testing::Values(1.0, 1.25));

// Every window in Chinese: each text a person reads translated (or one that
// is the same in every language: numbers, encodings, names), and whole.
class ChineseWindows : public ::testing::Test, public EveryWindow {
protected:
    void SetUp() override {
        Prepare();
        ASSERT_TRUE(Translation::Install("zh_CN"));
    }
    void TearDown() override { Translation::Install("en"); }

    static bool SameInEveryLanguage(const QString& text) {
        static const QRegularExpression letters("[A-Za-z]");
        static const QRegularExpression chinese("[\\x{4e00}-\\x{9fff}]");
        static const QStringList names = {
            "Mervadin", "English",      "UTF-8",      "GB18030",      "GBK",    "Big5", "Shift_JIS",
            "EUC-KR",   "windows-1252", "ISO-8859-1", "windows-1251", "KOI8-R", "ZEL"};
        static const QRegularExpression model("^[A-Z]+-\\d+$"); // the devices' models
        // A file's name or path is the same in every language.
        static const QRegularExpression file("^\\S*\\.txt$");
        return !text.contains(letters) || text.contains(chinese) ||
               names.contains(text.trimmed()) || model.match(text).hasMatch() ||
               file.match(text.trimmed()).hasMatch();
    }
    // The texts of `window` still in English, each with the widget showing it.
    static QStringList Untranslated(QWidget& window) {
        QStringList found;
        const auto check = [&](const QObject& where, const QString& text) {
            if (!SameInEveryLanguage(text))
                found << where.objectName() + ": \"" + text + "\"";
        };
        check(window, window.windowTitle());
        for (auto* widget : window.findChildren<QWidget*>()) {
            check(*widget, widget->toolTip());
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                check(*widget, button->text());
            if (auto* label = qobject_cast<QLabel*>(widget))
                check(*widget, label->text());
            if (auto* box = qobject_cast<QGroupBox*>(widget))
                check(*widget, box->title());
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                check(*widget, edit->placeholderText() + " " + edit->text());
            if (auto* box = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < box->count(); ++i)
                    check(*widget, box->itemText(i));
            if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
                for (int c = 0; c < view->model()->columnCount(); ++c)
                    check(*widget, view->model()->headerData(c, Qt::Horizontal).toString());
            if (auto* menu = qobject_cast<QMenu*>(widget))
                for (auto* action : menu->actions())
                    check(*menu, action->text());
        }
        return found;
    }
};

// The language: --language, then MERVADIN_LANGUAGE, then the choice
// remembered from the menu, then the system's; an unknown one is refused.
TEST(Translation, ChosenByOptionEnvironmentRememberedChoiceThenSystem) {
    test::TempFolder config;
    test::ScopedEnvironment home("XDG_CONFIG_HOME", config.path().string());
    test::ScopedEnvironment variable("MERVADIN_LANGUAGE", std::nullopt);
    // Windows keeps the settings in the registry, which XDG_CONFIG_HOME does
    // not move: what was remembered is put back (nothing: an empty value)
    // however the test ends.
    struct PutBack {
        std::string code = Translation::Remembered().value_or("");
        ~PutBack() { Translation::Remember(code); }
    } putBack;
    Translation::Remember("");
    const std::string system = QLocale::system().name().startsWith("zh") ? "zh_CN" : "en";
    EXPECT_EQ(Translation::ForRun(""), system);
    EXPECT_EQ(Translation::Remembered(), std::nullopt);
    Translation::Remember("zh_CN");
    EXPECT_EQ(Translation::ForRun(""), "zh_CN");
    {
        test::ScopedEnvironment chosen("MERVADIN_LANGUAGE", "en");
        EXPECT_EQ(Translation::ForRun(""), "en");
        EXPECT_EQ(Translation::ForRun("zh_CN"), "zh_CN");
        EXPECT_EQ(Translation::ForRun("fr"), std::nullopt);
    }
    // Installed, the windows' texts and Qt's own follow; "en" takes it away.
    ASSERT_TRUE(Translation::Install("zh_CN"));
    EXPECT_EQ(Translation::InUse(), "zh_CN");
    EXPECT_EQ(Ui("Close"), QString::fromUtf8("\xE5\x85\xB3\xE9\x97\xAD"));
    EXPECT_EQ(UiAroundNumber("Vol:3"), QString::fromUtf8("\xE9\x9F\xB3\xE9\x87\x8F:3"));
    EXPECT_EQ(Ui("a text no one translated"), "a text no one translated");
    // Qt's own buttons too, where the system has their translation.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm")) {
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    }
    ASSERT_TRUE(Translation::Install("en"));
    EXPECT_EQ(Ui("Close"), "Close");
    EXPECT_EQ(UiAroundNumber("Vol:3"), "Vol:3");
}

TEST_F(ChineseWindows, EveryTextIsTranslatedAndShowsWhole) {
    std::vector<std::unique_ptr<QWidget>> windows;
    auto main = std::make_unique<MainWindow>(folder, prompts);
    main->AttachLink(setup.Link(), setup.Simulator());
    windows.push_back(std::move(main));
    windows.push_back(std::make_unique<SettingsWindow>(folder.File("Config.txt"), prompts));
    windows.push_back(std::make_unique<DisplayWindow>(folder, prompts));
    for (auto& window : OtherWindows())
        windows.push_back(std::move(window));
    for (auto& window : windows) {
        window->show();
        QTest::qWait(1);
        EXPECT_EQ(Untranslated(*window).join("; ").toStdString(), "")
            << window->objectName().toStdString();
        EXPECT_TRUE(CutOff(*window).isEmpty()) << window->objectName().toStdString() << ": "
                                               << CutOff(*window).join("; ").toStdString();
        window->close();
    }
    // English again: the texts as they always were.
    Translation::Install("en");
    MainWindow english(folder, prompts);
    EXPECT_EQ(test::Child<QPushButton>(english, names::main::kLoadNumberButton)->text(),
              "LoadNumber");
}

} // namespace
} // namespace mervadin
