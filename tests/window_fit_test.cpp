// Every window fits the screen and shows its labels, buttons and choices
// whole, in English and Chinese, with the system's font and one a quarter
// larger; the main window keeps its commands and counts in view.

#include "access/change_password_window.h"
#include "access/password_window.h"
#include "app/app_names.h"
#include "app/download_window.h"
#include "app/language_font.h"
#include "app/main_window.h"
#include "app/remark_window.h"
#include "app/simulator_window.h"
#include "numbers/number_edit_window.h"
#include "numbers/number_list_window.h"
#include "operation/operation_texts.h"
#include "qtcore/translation.h"
#include "records/display_window.h"
#include "records/read_window.h"
#include "records/record_names.h"
#include "round/block_list_window.h"
#include "round/number_calls_window.h"
#include "round/outcome_window.h"
#include "settings/settings_names.h"
#include "settings/settings_window.h"
#include "sim/sim_device.h"
#include "statistics/statistics_window.h"
#include "support/recording_prompts.h"
#include "support/scoped_environment.h"
#include "support/simulated_setup.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/memo_box.h"
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
#include <QRawFont>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace mervadin {
namespace {

// How large a widget must be to show its text whole: a label its own size,
// a button its text and a little room each side, a list its widest choice
// beside the arrow (its least size), a group box its title. Nothing for widgets without text
// of their own.
QSize Needed(QWidget* widget) {
    const int line = widget->fontMetrics().height();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap() || !label->pixmap().isNull())
            return {};
        return label->text().isEmpty() ? QSize() : label->sizeHint();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        const int text =
            button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
        return {text + 6, line};
    }
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return {list->minimumSizeHint().width(), line};
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title().isEmpty()
                   ? QSize()
                   : QSize(box->fontMetrics().horizontalAdvance(box->title()) + 8, line);
    return {};
}

// The text a label, button or group box shows.
QString TextOf(const QWidget* widget) {
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    return widget->property("text").toString();
}

// Whether `widget` draws letters its font lacks (borrowed from another font)
// taller than the line its font keeps for its text, which cuts them.
bool TallerThanItsLine(const QWidget* widget) {
    const QString text = TextOf(widget);
    const QFontMetrics metrics = widget->fontMetrics();
    const QRawFont own = QRawFont::fromFont(widget->font());
    const bool borrows = std::any_of(text.begin(), text.end(), [&](QChar c) {
        return !c.isSpace() && !c.isSurrogate() && !own.supportsCharacter(c);
    });
    return borrows && !text.contains('\n') && !qobject_cast<const QComboBox*>(widget) &&
           metrics.boundingRect(text).height() > metrics.height() + 1;
}

// The shown labels, buttons, lists and group boxes of `window` smaller than
// their text needs, or whose text stands taller than its line.
QStringList CutOff(QWidget& window) {
    QStringList cut;
    for (auto* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (TallerThanItsLine(widget))
            cut << QString("%1 \"%2\" taller than its line")
                       .arg(widget->objectName(), TextOf(widget));
        const QSize needed = Needed(widget);
        if (widget->width() < needed.width() || widget->height() < needed.height())
            cut << QString("%1 \"%2\" %3x%4 < %5x%6")
                       .arg(widget->objectName(), widget->property("text").toString())
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(needed.width())
                       .arg(needed.height());
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
    // Every tool window but the main window.
    std::vector<std::unique_ptr<QWidget>> OtherWindows() {
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<SettingsWindow>(folder.File("Config.txt"), prompts));
        windows.push_back(std::make_unique<DisplayWindow>(folder, prompts));
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
        windows.push_back(std::make_unique<RemarkWindow>());
        return windows;
    }
    std::unique_ptr<MainWindow> Main() {
        auto window = std::make_unique<MainWindow>(folder, prompts);
        window->AttachSession(setup.Session(), setup.Simulator());
        return window;
    }

    test::TempFolder temp;
    WorkFolder folder{temp / "wd"};
    test::RecordingPrompts prompts;
    test::SimulatedSession setup{folder};
    VoiceBuffer voice;
};

// A case of the fit test: the language of the windows and how much larger
// than the system's the font is (as a user may make it).
struct Look {
    const char* language;
    double fontScale;
};

void PrintTo(const Look& look, std::ostream* out) {
    *out << look.language << " font x" << look.fontScale;
}

// Each window on the screen the suite runs on: by itself at the desktop's
// 1280 x 1024, and as a 1024 x 768 screen at 100 %, 125 % and 150 % scaling
// (the gui_fit_* tests; scripts/test-windows-app likewise under Wine).
class WindowFit : public ::testing::TestWithParam<Look>, public EveryWindow {
protected:
    void SetUp() override {
        Prepare();
        original = QApplication::font();
        ASSERT_TRUE(Translation::Install(GetParam().language));
        UseFontForLanguage(GetParam().language);
        QFont font = QApplication::font();
        font.setPointSizeF(original.pointSizeF() * GetParam().fontScale);
        QApplication::setFont(font);
    }
    void TearDown() override {
        QApplication::setFont(original);
        Translation::Install("en");
    }

    // The room the screen leaves for windows, in the pixels they are laid
    // out in.
    static QRect Room() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // Shown, the window lies within the room, its frame (as wide as a
    // Windows frame) included, its texts whole, every part of what it holds
    // within reach of its scroll bars.
    void ExpectFits(QWidget& window) {
        window.show();
        QTest::qWait(1);
        const std::string name = window.objectName().toStdString();
        const QSize outer = window.size() + QSize(kFrameWidth, kFrameHeight);
        EXPECT_LE(outer.width(), Room().width()) << name;
        EXPECT_LE(outer.height(), Room().height()) << name;
        EXPECT_TRUE(Room().contains(window.frameGeometry()))
            << name << " at " << Text(window.frameGeometry()) << " in " << Text(Room());
        EXPECT_EQ(CutOff(window).join("; ").toStdString(), "") << name;
        for (auto* scroll : window.findChildren<QAbstractScrollArea*>()) {
            auto* area = qobject_cast<QScrollArea*>(scroll);
            if (!area || !area->widget())
                continue;
            const QSize content =
                area->widget()->minimumSizeHint().expandedTo(area->widget()->minimumSize());
            EXPECT_GE(area->horizontalScrollBar()->maximum() + area->viewport()->width(),
                      content.width())
                << name << ": " << area->objectName().toStdString();
            EXPECT_GE(area->verticalScrollBar()->maximum() + area->viewport()->height(),
                      content.height())
                << name << ": " << area->objectName().toStdString();
        }
    }

    static std::string Text(const QRect& rect) {
        return QString("%1,%2 %3x%4")
            .arg(rect.x())
            .arg(rect.y())
            .arg(rect.width())
            .arg(rect.height())
            .toStdString();
    }

    QFont original;
};

TEST_P(WindowFit, EveryWindowFitsTheScreenWithItsTextsWhole) {
    for (auto& window : OtherWindows()) {
        ExpectFits(*window);
        window->close();
    }
}

// The commands along the top and the filter bars' counts are in view
// without scrolling sideways; the status line stays below.
TEST_P(WindowFit, TheMainWindowKeepsItsCommandsAndCountsInViewWithoutScrollingSideways) {
    auto window = Main();
    ExpectFits(*window);
    auto* scroll = test::Child<QScrollArea>(*window, "ClientScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    const QRect view = scroll->viewport()->rect();
    for (const char* name :
         {names::main::kLoadNumberButton, names::main::kSettingButton, names::main::kDownLoadButton,
          names::main::kReadCdrButton, names::main::kDisplayCdrButton, names::main::kCloseButton}) {
        auto* button = test::Child<QWidget>(*window, name);
        const QRect place(button->mapTo(scroll->viewport(), QPoint()), button->size());
        EXPECT_TRUE(view.contains(place)) << name << " at " << Text(place);
    }
    for (const char* bar : {names::grids::kCallOutFilter, names::grids::kCallInFilter}) {
        auto* count =
            test::Child<QWidget>(*test::Child<QWidget>(*window, bar), names::grids::kFilterCount);
        const QRect place(count->mapTo(scroll->viewport(), QPoint()), count->size());
        EXPECT_GE(place.left(), view.left()) << bar;
        EXPECT_LE(place.right(), view.right()) << bar;
    }
    EXPECT_TRUE(window->findChild<QWidget*>(names::main::kStatusLine)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Looks, WindowFit,
                         ::testing::Values(Look{"en", 1.0}, Look{"zh_CN", 1.0}, Look{"en", 1.25},
                                           Look{"zh_CN", 1.25}));

// Every window in Chinese: each text a person reads translated (or one that
// is the same in every language: numbers, encodings, names); WindowFit finds
// them whole.
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
    EXPECT_EQ(QCoreApplication::translate("mervadin::MainWindow", "Close"),
              QString::fromUtf8("\xE5\x85\xB3\xE9\x97\xAD"));
    EXPECT_EQ(UiMarkedAroundNumber("Vol:3"), QString::fromUtf8("\xE9\x9F\xB3\xE9\x87\x8F:3"));
    EXPECT_EQ(UiMarked("a text no one translated"), "a text no one translated");
    // Qt's own buttons too, where the system has their translation.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm")) {
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    }
    ASSERT_TRUE(Translation::Install("en"));
    EXPECT_EQ(QCoreApplication::translate("mervadin::MainWindow", "Close"), "Close");
    EXPECT_EQ(UiMarkedAroundNumber("Vol:3"), "Vol:3");
}

// Only a marked constant of the core is looked up: the same words made at
// run time (device data, a composed line) are shown as they came, in a box
// and in an operation's memo; a window's own text has its window's context.
TEST(TextAtTheBorder, OnlyAMarkedTextIsTranslatedAndOnce) {
    ASSERT_TRUE(Translation::Install("zh_CN"));
    const char* marked = texts::operation::kDeviceLostCaption;
    EXPECT_NE(Shown(marked), QString(marked));
    EXPECT_EQ(Shown(std::string(marked)), QString(marked));
    MemoBox memo;
    memo.AppendLine(texts::operation::kErasing);
    memo.AppendLine(std::string(texts::operation::kErasing));
    const QStringList lines = memo.toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], UiMarked(texts::operation::kErasing).remove('\r'));
    EXPECT_NE(lines[0], "Earse......");
    EXPECT_EQ(lines[1], "Earse......");
    // A translated text is not looked up a second time on its way out.
    EXPECT_EQ(Shown(UiMarkedString(marked)), UiMarked(marked));
    EXPECT_EQ(QCoreApplication::translate("mervadin::texts", "Close"), "Close");
    EXPECT_NE(QCoreApplication::translate("mervadin::StatisticsWindow", "Close"), "Close");
    ASSERT_TRUE(Translation::Install("en"));
    EXPECT_EQ(Shown(marked), QString(marked));
}

TEST_F(ChineseWindows, EveryTextIsTranslated) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(Main());
    for (auto& window : OtherWindows())
        windows.push_back(std::move(window));
    for (auto& window : windows) {
        window->show();
        QTest::qWait(1);
        EXPECT_EQ(Untranslated(*window).join("; ").toStdString(), "")
            << window->objectName().toStdString();
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
