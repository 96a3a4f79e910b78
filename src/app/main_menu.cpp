#include "app/main_menu.h"

#include "app/app_names.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "monitor/monitor_names.h"
#include "monitor/monitor_panel.h"
#include "numbers/number_texts.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "records/call_list_grid.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace mervadin {

namespace {

// The menus are the main window's: their texts have a context of their own.
constexpr const char* kTrContext = "mervadin::MainMenu";
QString tr(const char* text) {
    return QCoreApplication::translate(kTrContext, text);
}

using List = RecordFiles::List;

} // namespace

MainMenu::MainMenu(MainWindow& window, MonitorPanel& panel, Prompts& prompts)
    : window_(window), panel_(panel), prompts_(prompts) {
    // One menu of each, in the popup and in the menu bar.
    encoding_ = BuildEncodingMenu();
    language_ = BuildLanguageMenu();
    BuildPopupMenus();
    BuildMenuBar();
}

void MainMenu::BuildPopupMenus() {
    MainWindow* window = &window_;
    auto* popup = BuildPopupMenu(
        window, names::main::kWindowMenu,
        {{tr("LoadNumber"), [window] { window->OpenNumberList(); }},
         {UiMarked(texts::app::kClearNumbersCommand), [window] { window->ClearNumbers(); }},
         {tr("Setting"), [window] { window->OpenSettings(); }},
         {tr("DownLoad"), [window] { window->OpenDownload(); }},
         {tr("ReadCDR"), [window] { window->OpenRead(); }},
         {tr("DisplayCDR"), [window] { window->OpenDisplay(); }},
         {tr("Brief introduction"), [window] { window->OpenRemark(); }},
         {tr("Close"), [window] { window->CloseCommand(); }},
         {tr("Statistics"), [window] { window->OpenStatistics(); }},
         {UiMarked(texts::numbers::kOutcomeCommand), [window] { window->OpenOutcome(); }},
         {UiMarked(texts::numbers::kBlockListCommand), [window] { window->OpenBlockList(); }}});
    popup->addMenu(encoding_);
    popup->addMenu(language_);
    AttachPopupMenu(window->centralWidget(), popup);
    // Each grid's own: saving it, the kinds' view, emptying it, Close.
    struct GridMenu {
        List list;
        const char* name;
        QString saveAs;
        const char* clear;
    };
    for (const GridMenu& grid :
         {GridMenu{List::CallOut, names::main::kCallOutMenu, tr("Callout CDR Save as "),
                   texts::app::kClearCallOutCommand},
          GridMenu{List::CallIn, names::main::kCallInMenu, tr("Callin CDR Save as"),
                   texts::app::kClearCallInCommand}}) {
        const List list = grid.list;
        const char* clear = grid.clear;
        AttachPopupMenu(
            window->Grid(list),
            BuildPopupMenu(
                window, grid.name,
                {{grid.saveAs, [window, list] { window->Grid(list)->SaveAs(); }},
                 {tr("Display CDR"), [window] { window->OpenDisplay(); }},
                 {UiMarked(clear), [window, list, clear] { window->Grid(list)->Clear(clear); }},
                 {tr("Close"), [window] { window->CloseCommand(); }}}));
    }
}

QMenu* MainMenu::AddMenu(const char* name, const QString& title) {
    QMenu* made = window_.menuBar()->addMenu(title);
    made->setObjectName(name);
    return made;
}

void MainMenu::BuildMenuBar() {
    window_.menuBar()->setObjectName("MenuBar");
    MainWindow* window = &window_;
    const auto button = [window](const char* name) {
        return window->findChild<QPushButton*>(name);
    };
    BuildFileMenu();

    device_ = AddMenu("DeviceMenu", tr("&Device"));
    AddCommand(
        *device_, "SettingEntry", tr("Setting"), [window] { window->OpenSettings(); },
        button(names::main::kSettingButton));
    AddCommand(
        *device_, "DownLoadEntry", tr("DownLoad"), [window] { window->OpenDownload(); },
        button(names::main::kDownLoadButton));
    AddCommand(
        *device_, "ReadCdrEntry", tr("ReadCdr"), [window] { window->OpenRead(); },
        button(names::main::kReadCdrButton));

    BuildMonitorMenu();
    BuildRecordsMenu();

    QMenu* options = AddMenu("OptionsMenu", tr("&Options"));
    options->addMenu(encoding_);
    options->addMenu(language_);

    QMenu* help = AddMenu("HelpMenu", tr("&Help"));
    AddCommand(*help, "BriefIntroductionEntry", tr("Brief introduction"),
               [window] { window->OpenRemark(); });
}

void MainMenu::BuildFileMenu() {
    MainWindow* window = &window_;
    QMenu* file = AddMenu("FileMenu", tr("&File"));
    AddCommand(
        *file, "LoadNumberEntry", tr("LoadNumber"), [window] { window->OpenNumberList(); },
        window->findChild<QPushButton*>(names::main::kLoadNumberButton));
    AddCommand(*file, "ClearNumberEntry", UiMarked(texts::app::kClearNumbersCommand),
               [window] { window->ClearNumbers(); });
    AddCommand(*file, "BlockListEntry", UiMarked(texts::numbers::kBlockListCommand),
               [window] { window->OpenBlockList(); });
    file->addSeparator();
    AddCommand(*file, "SaveCallOutEntry", tr("Callout CDR Save as "),
               [window] { window->Grid(List::CallOut)->SaveAs(); });
    AddCommand(*file, "SaveCallInEntry", tr("Callin CDR Save as"),
               [window] { window->Grid(List::CallIn)->SaveAs(); });
    file->addSeparator();
    AddCommand(*file, "CloseEntry", tr("Close"), [window] { window->CloseCommand(); });
}

void MainMenu::BuildMonitorMenu() {
    namespace panel = names::panel;
    QMenu* monitor = AddMenu("MonitorMenu", tr("&Monitor"));
    // Each entry presses its button, which it follows: it can be chosen
    // exactly when the button can be pressed.
    const std::pair<const char*, const char*> panelCommands[] = {
        {"MonitorOnEntry", panel::kMonitorOnButton}, {"MonitorOffEntry", panel::kMonitorOffButton},
        {"ZelStartEntry", panel::kZelStartButton},   {"ZelStopEntry", panel::kZelStopButton},
        {"ForwardEntry", panel::kForwardButton},     {"SendSmsEntry", panel::kSendSmsButton}};
    for (const auto& [entry, name] : panelCommands) {
        QPushButton* pressed = window_.findChild<QPushButton*>(name);
        AddCommand(
            *monitor, entry, pressed->text(), [pressed] { pressed->click(); }, pressed);
    }
    monitor->addSeparator();
    MonitorPanel* levels = &panel_;
    AddCommand(*monitor, "SpeakerUpEntry", tr("M-module Spk Vol Add"),
               [levels] { levels->StepSpeaker(+1); });
    AddCommand(*monitor, "SpeakerDownEntry", tr("M-module Spk Vol Sub"),
               [levels] { levels->StepSpeaker(-1); });
    AddCommand(*monitor, "MicrophoneUpEntry", tr("M-module Mic Vol Add"),
               [levels] { levels->StepMicrophone(+1); });
    AddCommand(*monitor, "MicrophoneDownEntry", tr("M-module Mic Vol Sub"),
               [levels] { levels->StepMicrophone(-1); });
}

void MainMenu::BuildRecordsMenu() {
    MainWindow* window = &window_;
    QMenu* records = AddMenu("RecordsMenu", tr("&Records"));
    AddCommand(
        *records, "DisplayCdrEntry", tr("DisplayCdr"), [window] { window->OpenDisplay(); },
        window->findChild<QPushButton*>(names::main::kDisplayCdrButton));
    AddCommand(*records, "StatisticsEntry", tr("Statistics"),
               [window] { window->OpenStatistics(); });
    AddCommand(*records, "OutcomeEntry", UiMarked(texts::numbers::kOutcomeCommand),
               [window] { window->OpenOutcome(); });
    records->addSeparator();
    AddCommand(*records, "ClearCallOutEntry", UiMarked(texts::app::kClearCallOutCommand),
               [window] { window->Grid(List::CallOut)->Clear(texts::app::kClearCallOutCommand); });
    AddCommand(*records, "ClearCallInEntry", UiMarked(texts::app::kClearCallInCommand),
               [window] { window->Grid(List::CallIn)->Clear(texts::app::kClearCallInCommand); });
}

void MainMenu::AddSimulatorEntry() {
    MainWindow* window = &window_;
    device_->addSeparator();
    AddCommand(*device_, "SimulatorEntry", tr("Simulator"), [window] { window->OpenSimulator(); });
}

QMenu* MainMenu::BuildEncodingMenu() {
    MainWindow* window = &window_;
    auto* menu = new QMenu(tr("Text encoding"), window);
    menu->setObjectName("EncodingMenu");
    auto* group = new QActionGroup(menu);
    for (const auto& name : EncodingChoice::Offered()) {
        auto* action = menu->addAction(ToQString(name));
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, window,
                         [window, name] { window->ChooseEncoding(name); });
    }
    // The mark follows the encoding in use each time the menu opens.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        for (auto* action : menu->actions())
            action->setChecked(action->text().compare(ToQString(TextCodec::Chosen().Name()),
                                                      Qt::CaseInsensitive) == 0);
    });
    return menu;
}

// The language is chosen for the next start: the windows open now keep
// theirs rather than change half-way.
QMenu* MainMenu::BuildLanguageMenu() {
    auto* menu = new QMenu(tr("Language"), &window_);
    menu->setObjectName("LanguageMenu");
    auto* group = new QActionGroup(menu);
    Prompts* prompts = &prompts_;
    for (const auto& language : Translation::Offered()) {
        auto* action = menu->addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        group->addAction(action);
        const std::string code = language.code;
        QObject::connect(action, &QAction::triggered, menu, [prompts, code] {
            Translation::Remember(code);
            prompts->Inform(
                tr("Language").toStdString(),
                tr("The windows will be in this language from the next start.").toStdString());
        });
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        const std::string chosen = Translation::Remembered().value_or(Translation::InUse());
        for (std::size_t i = 0; i < Translation::Offered().size(); ++i)
            menu->actions()
                .at(static_cast<qsizetype>(i))
                ->setChecked(chosen == Translation::Offered()[i].code);
    });
    return menu;
}

} // namespace mervadin
