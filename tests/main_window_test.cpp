#include "app/app_names.h"
#include "app/download_window.h"
#include "app/main_window.h"
#include "app/remark_window.h"
#include "monitor/monitor_names.h"
#include "qtcore/translation.h"
#include "records/record_names.h"
#include "sim/sim_device.h"
#include "support/modal.h"
#include "support/recording_prompts.h"
#include "support/simulated_setup.h"
#include "support/temp_folder.h"
#include "support/widgets.h"
#include "ui/colours.h"
#include "ui/lamp.h"
#include "ui/widgets.h"
#include "voice/voice_buffer.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace mervadin {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(folder.Prepare(), std::nullopt); }

    template <typename W>
    W* Find(MainWindow& window, const char* name) {
        auto* widget = window.findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    test::TempFolder temp;
    WorkFolder folder{temp.path()};
    test::RecordingPrompts prompts;
};

TEST_F(MainWindowTest, StartsWithItsLayoutAndNoDevice) {
    MainWindow window(folder, prompts);
    EXPECT_EQ(window.windowTitle(), "Mervadin Ver:A00-002");
    // An outer size of 869 x 568 below the menu bar, or a little more where
    // the system's font needs it (Wine's Tahoma does).
    test::ExpectUsualSize(window.size(), {863, 540 + window.menuBar()->sizeHint().height()});
    EXPECT_EQ(window.palette().color(QPalette::Window), colour::kActiveCaptionGradient);
    EXPECT_EQ(window.StatusText(), "USB No Connect");
    EXPECT_EQ(test::ShownColour(*Find<Lamp>(window, names::main::kUsbLamp)), colour::kSilver);
    EXPECT_EQ(Find<QLineEdit>(window, names::panel::kTotal)->text(), "Total:0");

    const std::pair<const char*, const char*> buttons[] = {
        {names::main::kLoadNumberButton, "LoadNumber"},
        {names::main::kSettingButton, "Setting"},
        {names::main::kDownLoadButton, "DownLoad"},
        {names::main::kReadCdrButton, "ReadCdr"},
        {names::main::kDisplayCdrButton, "DisplayCdr"},
        {names::main::kCloseButton, "Close"},
        {names::panel::kMonitorOnButton, "MonitorON"},
        {names::panel::kMonitorOffButton, "MonitorOFF"},
        {names::panel::kZelStartButton, "ZelStart"},
        {names::panel::kZelStopButton, "ZelStop"},
        {names::panel::kForwardButton, "Forward"},
        {names::panel::kSendSmsButton, "SendSms"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(Find<QPushButton>(window, name)->text(), caption);
    EXPECT_FALSE(Find<QPushButton>(window, names::main::kRemarkButton)->isEnabled());

    auto* speaker = Find<QComboBox>(window, names::panel::kSpeakerBox);
    EXPECT_EQ(speaker->count(), 10);
    EXPECT_EQ(speaker->itemText(9), "SpkVol:9");
    EXPECT_EQ(Find<QComboBox>(window, names::panel::kMicrophoneBox)->itemText(15), "MicVol:15");
    EXPECT_EQ(prompts.shown.size(), 0u);
    // Each lamp, bar and box of the left panel says what it shows.
    for (const char* name :
         {names::main::kUsbLamp, names::panel::kMonitorLamp, names::panel::kFrameCounter,
          names::panel::kSpeakerBox, names::panel::kMicrophoneBox, names::panel::kTotal,
          names::panel::kSignal, names::panel::kSignalBars[0], names::panel::kSignalBars[1],
          names::panel::kSignalBars[2], names::panel::kSignalBars[3]})
        EXPECT_FALSE(Find<QWidget>(window, name)->toolTip().isEmpty()) << name;
}

TEST_F(MainWindowTest, GridsServeNumberedRowsUnderTheirHeaders) {
    MainWindow window(folder, prompts);
    auto* out = Find<QTableView>(window, names::grids::kCallOut);
    auto* in = Find<QTableView>(window, names::grids::kCallIn);
    EXPECT_EQ(out->model()->rowCount(), 100000);
    EXPECT_EQ(in->model()->rowCount(), 60000);
    EXPECT_EQ(out->model()->headerData(0, Qt::Horizontal).toString(), "      No.");
    EXPECT_EQ(out->model()->headerData(1, Qt::Horizontal).toString(), "      CallOut");
    EXPECT_EQ(in->model()->headerData(1, Qt::Horizontal).toString(), "       CallIn");
    EXPECT_EQ(in->model()->headerData(6, Qt::Horizontal).toString(), QString(32, ' ') + "Remark");
    EXPECT_EQ(out->model()->index(99999, 0).data().toString(), "100000");
    EXPECT_EQ(in->model()->index(0, 0).data().toString(), "1");
    // The usual widths, wider where the font needs it for a whole date.
    const int widths[] = {60, 100, 120, 50, 130, 62, 270};
    for (int c = 0; c < 7; ++c)
        EXPECT_GE(out->columnWidth(c), widths[c]);
    EXPECT_EQ(out->columnWidth(6), 270);
    EXPECT_GT(out->columnWidth(4), out->fontMetrics().horizontalAdvance("2026/12/31 23:59:59"));
    // Rows 18 pixels high, or as high as the font's line needs.
    EXPECT_GE(out->verticalHeader()->defaultSectionSize(), 18);
    EXPECT_GE(out->verticalHeader()->defaultSectionSize(), out->fontMetrics().height());
    EXPECT_LE(out->verticalHeader()->defaultSectionSize(),
              std::max(18, out->fontMetrics().height() + 8));
}

TEST_F(MainWindowTest, CountsNumbersAndSelectsLevelsFromTheSettings) {
    WriteLines(folder.File("LoadNumber.txt"), {"1\ta\t100", "2\tb\t200", "3\tc\t300"});
    WriteLines(folder.File("Config.txt"), {"phone=3", "mic=12", "setting end!!!"});
    MainWindow window(folder, prompts);
    EXPECT_EQ(window.NumberCount(), 3);
    EXPECT_EQ(Find<QLineEdit>(window, names::panel::kTotal)->text(), "Total:3");
    EXPECT_EQ(Find<QComboBox>(window, names::panel::kSpeakerBox)->currentIndex(), 3);
    EXPECT_EQ(Find<QComboBox>(window, names::panel::kMicrophoneBox)->currentIndex(), 12);

    // A level the box does not hold leaves it with no item; a missing key reads 0.
    WriteLines(folder.File("Config.txt"), {"phone=12", "setting end!!!", "mic=5"});
    MainWindow other(folder, prompts);
    EXPECT_EQ(Find<QComboBox>(other, names::panel::kSpeakerBox)->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(other, names::panel::kMicrophoneBox)->currentIndex(), 0);
}

TEST_F(MainWindowTest, CloseButtonAndCloseMenuEntriesCloseTheWindow) {
    MainWindow window(folder, prompts);
    window.show();
    QTest::mouseClick(Find<QPushButton>(window, names::main::kCloseButton), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    for (const char* menuName :
         {names::main::kWindowMenu, names::main::kCallOutMenu, names::main::kCallInMenu,
          names::panel::kMonitorMenu, names::panel::kLevelMenu}) {
        window.show();
        auto* menu = Find<QMenu>(window, menuName);
        auto actions = menu->actions();
        ASSERT_FALSE(actions.isEmpty());
        if (std::string(menuName) == names::main::kWindowMenu) {
            // Statistics, the calling round's windows, the text encoding
            // and the language come after Close in the main popup menu.
            EXPECT_EQ(actions.last()->text(), "Language");
            actions.removeLast();
            EXPECT_EQ(actions.last()->text(), "Text encoding");
            actions.removeLast();
            for (const char* entry :
                 {"Numbers never to call…", "Outcome of the list…", "Statistics"}) {
                ASSERT_EQ(actions.last()->text(), entry);
                actions.removeLast();
            }
        }
        EXPECT_EQ(actions.last()->text(), "Close") << menuName;
        actions.last()->trigger();
        EXPECT_FALSE(window.isVisible()) << menuName;
    }
    EXPECT_EQ(Find<QMenu>(window, names::main::kCallOutMenu)->actions().first()->text(),
              "Callout CDR Save as ");
}

// The menu bar holds every command of the window, grouped: those of the
// buttons, of the popup menus (ClearNumber, Statistics, the text encoding,
// the language) and of the grids. Its entries run the commands.
TEST_F(MainWindowTest, TheMenuBarHoldsEveryCommandOfTheWindow) {
    MainWindow window(folder, prompts);
    const auto entries = [&](const char* menu) {
        QStringList texts;
        for (auto* action : Find<QMenu>(window, menu)->actions())
            if (!action->isSeparator())
                texts << action->text();
        return texts;
    };
    QStringList titles;
    for (auto* action : window.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles,
              (QStringList{"&File", "&Device", "&Monitor", "&Records", "&Options", "&Help"}));
    EXPECT_EQ(entries("FileMenu"),
              (QStringList{"LoadNumber", "ClearNumber", "Numbers never to call…",
                           "Callout CDR Save as ", "Callin CDR Save as", "Close"}));
    EXPECT_EQ(entries("DeviceMenu"), (QStringList{"Setting", "DownLoad", "ReadCdr"}));
    EXPECT_EQ(entries("MonitorMenu"),
              (QStringList{"MonitorON", "MonitorOFF", "ZelStart", "ZelStop", "Forward", "SendSms",
                           "M-module Spk Vol Add", "M-module Spk Vol Sub", "M-module Mic Vol Add",
                           "M-module Mic Vol Sub"}));
    EXPECT_EQ(entries("RecordsMenu"),
              (QStringList{"DisplayCdr", "Statistics", "Outcome of the list…",
                           "Clear Callout CDR List", "Clear Callin CDR list"}));
    EXPECT_EQ(entries("OptionsMenu"), (QStringList{"Text encoding", "Language"}));
    EXPECT_EQ(entries("HelpMenu"), QStringList{"Brief introduction"});
    // The text encoding and the language are the popup menu's own menus.
    auto* options = Find<QMenu>(window, "OptionsMenu");
    EXPECT_EQ(options->actions().at(0)->menu(), Find<QMenu>(window, "EncodingMenu"));
    EXPECT_EQ(options->actions().at(1)->menu(), Find<QMenu>(window, "LanguageMenu"));
    EXPECT_GT(Find<QMenu>(window, "EncodingMenu")->actions().size(), 4);

    // The entries run their commands: ClearNumber asks first, DownLoad
    // without a device is refused as the button is, Statistics opens its
    // window.
    WriteLines(folder.File("LoadNumber.txt"), {"1\tA\t100"});
    window.LoadNumberCount();
    prompts.answers = {Prompts::Answer::No};
    window.findChild<QAction*>("ClearNumberEntry")->trigger();
    EXPECT_EQ(prompts.shown.back(), (Notice{"ClearNumber", "Clear all 1 numbers?"}));
    EXPECT_EQ(window.NumberCount(), 1);
    window.findChild<QAction*>("DownLoadEntry")->trigger();
    EXPECT_EQ(prompts.shown.back(), (Notice{"  Error  ", "   No Connect!  "}));
    window.findChild<QAction*>("StatisticsEntry")->trigger();
    QWidget* statistics = nullptr;
    for (auto* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "StatisticsWindow" && widget->isVisible())
            statistics = widget;
    EXPECT_NE(statistics, nullptr);

    // An entry for a button can be chosen when the button can be pressed.
    auto* setting = window.findChild<QAction*>("SettingEntry");
    EXPECT_TRUE(setting->isEnabled());
    Find<QPushButton>(window, names::main::kSettingButton)->setEnabled(false);
    EXPECT_FALSE(setting->isEnabled());
    auto* monitorOff = Find<QPushButton>(window, names::panel::kMonitorOffButton);
    monitorOff->setEnabled(false);
    EXPECT_FALSE(window.findChild<QAction*>("MonitorOffEntry")->isEnabled());
    monitorOff->setEnabled(true);
    EXPECT_TRUE(window.findChild<QAction*>("MonitorOffEntry")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("CloseEntry")->isEnabled());
}

// The lamps and the boxes that show numbers say what they show.
TEST_F(MainWindowTest, LampsAndBoxesCarryCaptions) {
    MainWindow window(folder, prompts);
    EXPECT_EQ(Find<Lamp>(window, names::main::kUsbLamp)->accessibleName(), "USB");
    EXPECT_EQ(Find<Lamp>(window, names::panel::kMonitorLamp)->accessibleName(), "Monitor");
    auto* frames = Find<QLabel>(window, names::panel::kFrameCounterCaption);
    EXPECT_EQ(frames->text(), "Frames");
    EXPECT_EQ(frames->parentWidget(), Find<QLineEdit>(window, names::panel::kFrameCounter));
    EXPECT_EQ(Find<QLabel>(window, names::panel::kSignalCaption)->text(), "Signal");
    EXPECT_EQ(Find<QGroupBox>(window, names::panel::kLevelBox)->title(), "Speaker / Mic");
    // The tooltips stay.
    EXPECT_FALSE(Find<Lamp>(window, names::main::kUsbLamp)->toolTip().isEmpty());
    EXPECT_FALSE(Find<QLineEdit>(window, names::panel::kFrameCounter)->toolTip().isEmpty());
}

// The Menu key opens a grid's menu over that grid, wherever its current
// cell has scrolled to.
TEST_F(MainWindowTest, TheMenuKeyOpensAGridsMenuOverIt) {
    Lines lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back("Group[1],\tName[n],\tNumber[" + std::to_string(1000 + i) +
                        "],\tType[0],\tDate[2026/1/1 1:2:3],\tDuration[0:0:5],\tRemark[]");
    WriteLines(folder.File("CallOutList.txt"), lines);
    MainWindow window(folder, prompts);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* grid = Find<QTableView>(window, names::grids::kCallOut);
    auto* menu = Find<QMenu>(window, names::main::kCallOutMenu);
    const QRect shown(grid->viewport()->mapToGlobal(QPoint(0, 0)), grid->viewport()->size());
    for (const int row : {-1, 0, 195}) { // no current cell, one scrolled away, one in view
        grid->setFocus();
        grid->setCurrentIndex(row < 0 ? QModelIndex() : grid->model()->index(row, 1));
        grid->scrollToBottom();
        const QPoint at = grid->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent key(QContextMenuEvent::Keyboard, at, grid->mapToGlobal(at));
        QApplication::sendEvent(grid, &key);
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000)) << row;
        EXPECT_TRUE(shown.contains(menu->pos())) << row;
        menu->close();
    }
}

TEST_F(MainWindowTest, DownLoadNeedsADevice) {
    MainWindow window(folder, prompts);
    QTest::mouseClick(Find<QPushButton>(window, names::main::kDownLoadButton), Qt::LeftButton);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], (Notice{"  Error  ", "   No Connect!  "}));
}

TEST_F(MainWindowTest, TheRemarkWindowShowsItsTextAndKeepsNothing) {
    MainWindow window(folder, prompts);
    auto* entry = Find<QMenu>(window, names::main::kWindowMenu)->actions().at(6);
    EXPECT_EQ(entry->text(), "Brief introduction");
    const auto before = test::Slurp(folder.File("Config.txt"));
    // In English the introduction's translation, the Chinese text itself in
    // Chinese.
    test::WithModal<RemarkWindow>(
        [&] { entry->trigger(); },
        [](RemarkWindow& remark) {
            EXPECT_EQ(remark.windowTitle(), "remark");
            auto* text = remark.findChild<QPlainTextEdit*>("Remark");
            EXPECT_TRUE(text->toPlainText().startsWith(
                "Automatic Voice Telephone Marketing System: an Introduction"));
            EXPECT_TRUE(text->toPlainText().contains("*00#001#20#"));
            EXPECT_FALSE(text->toPlainText().contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")));
            text->setPlainText("typed");
        });
    test::WithModal<RemarkWindow>(
        [&] { entry->trigger(); },
        [](RemarkWindow& remark) {
            EXPECT_NE(remark.findChild<QPlainTextEdit*>("Remark")->toPlainText(), "typed");
        });
    ASSERT_TRUE(Translation::Install("zh_CN"));
    {
        RemarkWindow remark;
        auto* text = remark.findChild<QPlainTextEdit*>("Remark");
        EXPECT_EQ(text->document()->blockCount(), 118);
        EXPECT_TRUE(text->toPlainText().startsWith(QString::fromUtf8("语音电话自动营销系统简介")));
        EXPECT_TRUE(text->toPlainText().contains("*00#001#20#"));
    }
    Translation::Install("en");
    EXPECT_EQ(test::Slurp(folder.File("Config.txt")), before);
    auto* hidden = Find<QPushButton>(window, names::main::kRemarkButton);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_FALSE(hidden->isEnabled());
}

TEST_F(MainWindowTest, TheHiddenVoiceButtonsLoadAndWriteTheVoice) {
    test::Spit(temp / "prompt.bin", std::string(1500, 'v'));
    test::SimulatedSession setup{folder};
    setup.Simulator()->Timing().statusIntervalMs = 0;
    MainWindow window(folder, prompts);
    window.AttachSession(setup.Session(), setup.Simulator());
    setup.Link().Open();
    prompts.openFiles = {temp / "prompt.bin", temp / "none.bin"};
    auto* load = Find<QPushButton>(window, names::main::kLoadVoiceButton);
    EXPECT_FALSE(load->isVisible());
    load->click();
    EXPECT_EQ(prompts.openDialogs.back().second, std::vector<std::string>{"Bin Files(*.bin)"});
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK!!", "  语音文件打开 OK !!"}));
    load->click(); // a missing file: said, and the loaded voice stays
    EXPECT_NE(prompts.shown.back().text.find("none.bin"), std::string::npos);
    // The write below sends the 1500 bytes loaded first.

    test::WithModal<DownloadWindow>(
        [&] { Find<QPushButton>(window, names::main::kDownLoadButton)->click(); },
        [&](DownloadWindow& download) {
            auto* write = download.findChild<QPushButton*>(names::download::kWriteVoiceButton);
            EXPECT_FALSE(write->isVisible());
            write->click();
            EXPECT_FALSE(write->isEnabled()); // refused while the write runs
            EXPECT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 20000));
        });
    EXPECT_EQ(prompts.shown.back(), (Notice{"OK", "  写语音完成!"}));
    ASSERT_EQ(setup.Simulator()->Voice().size(), 1536u);
    EXPECT_EQ(setup.Simulator()->Voice()[1499], 'v');
}

TEST_F(MainWindowTest, AnUnreadableNumberListIsReported) {
    std::filesystem::remove(folder.File("LoadNumber.txt"));
    MainWindow window(folder, prompts);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("LoadNumber.txt"), std::string::npos);
    EXPECT_EQ(window.NumberCount(), 0);
}

// Tab visits every command the operator can use, left to right and top to
// bottom, leaves each grid with one press and comes round again.
TEST_F(MainWindowTest, TabReachesEveryCommandAndLeavesTheGrids) {
    MainWindow window(folder, prompts);
    window.show();
    QApplication::setActiveWindow(&window);
    Find<QPushButton>(window, names::main::kLoadNumberButton)->setFocus();
    std::vector<std::string> visited;
    for (int press = 0; press < 28; ++press) {
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<std::string> expected = {
        names::main::kLoadNumberButton, names::main::kSettingButton,
        names::main::kDownLoadButton,   names::main::kReadCdrButton,
        names::main::kDisplayCdrButton, names::main::kCloseButton,
        names::panel::kMonitorOnButton, names::panel::kMonitorOffButton,
        names::panel::kZelStartButton,  names::panel::kZelStopButton,
        names::panel::kForwardButton,   names::panel::kSendSmsButton,
        names::panel::kSpeakerBox,      names::panel::kMicrophoneBox,
        names::grids::kFilterNumber,    names::grids::kFilterType,
        names::grids::kFilterGroup,     names::grids::kFilterFrom,
        names::grids::kFilterTo,        names::grids::kCallOut,
        names::grids::kFilterNumber,    names::grids::kFilterType,
        names::grids::kFilterGroup,     names::grids::kFilterFrom,
        names::grids::kFilterTo,        names::grids::kCallIn,
        names::main::kLoadNumberButton, names::main::kSettingButton};
    EXPECT_EQ(visited, expected);
}

// Enter or Return presses the button that has the focus, never one that
// has not (Enter in a text box stays there).
TEST(MakeButton, EnterPressesTheFocusedButtonOnly) {
    QDialog dialog;
    int pressed = 0;
    auto* button = MakeButton(&dialog, "Button1", "Go", {80, 30});
    button->setGeometry(10, 10, 80, 30);
    QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    auto* edit = new QLineEdit(&dialog);
    edit->setGeometry(10, 50, 80, 24);
    dialog.show();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pressed, 2);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PlaceBeside, WindowsOpenBesideTheirAnchorOrWhereTheyCoverLeastOfIt) {
    const QRect room = QApplication::primaryScreen()->availableGeometry();
    QWidget anchor;
    anchor.setGeometry(room.left() + 10, room.top() + 40, room.width() / 3, room.height() / 3);
    anchor.show();
    QWidget window;
    window.resize(room.width() / 4, room.height() / 4);
    PlaceBeside(window, anchor);
    EXPECT_GE(window.x(), anchor.frameGeometry().right()); // to its right, at its top
    EXPECT_EQ(window.y(), anchor.frameGeometry().top());

    // An anchor that fills most of the screen: the window keeps on the
    // screen and covers less of it than at the anchor's own corner.
    anchor.setGeometry(room.left() + room.width() / 5, room.top() + 40, room.width() * 3 / 5,
                       room.height() - 200);
    PlaceBeside(window, anchor);
    EXPECT_TRUE(room.contains(QRect(window.pos(), window.size())));
    const QRect covered = QRect(window.pos(), window.size()).intersected(anchor.frameGeometry());
    EXPECT_LT(covered.width() * covered.height(), window.width() * window.height());

    // A usual place that would run off the screen is moved onto it; one on
    // it is kept.
    MoveOnScreen(window, room.bottomRight() - QPoint(10, 10));
    EXPECT_TRUE(room.contains(QRect(window.pos(), window.size())));
    MoveOnScreen(window, room.topLeft() + QPoint(20, 30));
    EXPECT_EQ(window.pos(), room.topLeft() + QPoint(20, 30));
}

// Devices as a HID transport would see them.
class FakeChooser : public DeviceChooser {
public:
    std::vector<AttachedDevice> Attached() const override { return attached; }
    std::string InUse() const override { return inUse; }
    void Choose(const std::string& path) override { chosen.push_back(path); }
    void WatchAttached(std::function<void()> listener) override { changed = std::move(listener); }

    std::vector<AttachedDevice> attached;
    std::function<void()> changed;
    std::string inUse;
    std::vector<std::string> chosen;
};

TEST_F(MainWindowTest, SeveralAttachedDevicesCanBePickedInTheStatusLine) {
    MainWindow window(folder, prompts);
    window.show();
    FakeChooser chooser;
    chooser.attached = {{"/dev/hidraw1", "maker dialer 0001"}};
    chooser.inUse = "/dev/hidraw1";
    window.AttachDeviceChooser(chooser);
    auto* choice = Find<QComboBox>(window, "DeviceChoice");
    EXPECT_FALSE(choice->isVisible()); // one device: nothing to choose

    // The window shows what the transport tells it, with no clock of its own.
    for (const auto* timer : window.findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
    chooser.attached.push_back({"/dev/hidraw4", "maker dialer 0002"});
    ASSERT_TRUE(chooser.changed);
    chooser.changed();
    ASSERT_TRUE(choice->isVisible());
    ASSERT_EQ(choice->count(), 2);
    EXPECT_EQ(choice->currentText(), "/dev/hidraw1  maker dialer 0001");
    choice->setFocus();
    QTest::keyClick(choice, Qt::Key_Down);
    EXPECT_EQ(chooser.chosen, (std::vector<std::string>{"/dev/hidraw4"}));

    // The transport opened it; later the first one goes away.
    chooser.inUse = "/dev/hidraw4";
    chooser.attached.erase(chooser.attached.begin());
    chooser.changed();
    EXPECT_FALSE(choice->isVisible());
    EXPECT_EQ(choice->currentText(), "/dev/hidraw4  maker dialer 0002");
}

} // namespace
} // namespace mervadin
