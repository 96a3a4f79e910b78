// The main window's menu bar: every command of the window, the buttons',
// the popup menus' and the grids', grouped as desktop programs group them.
// An entry for a button can be chosen exactly when the button can be
// pressed; the buttons and the popup menus stay as they are.

#include "app/app_names.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "monitor/monitor_names.h"
#include "monitor/monitor_panel.h"
#include "numbers/number_texts.h"
#include "qtcore/translation.h"
#include "records/call_list_grid.h"
#include "ui/popup_menu.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace mervadin {

void MainWindow::BuildMenuBar(QMenu& encoding, QMenu& language) {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MenuBar");
    const auto menu = [bar](const char* name, const QString& title) {
        QMenu* made = bar->addMenu(title);
        made->setObjectName(name);
        return made;
    };
    const auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    using List = RecordFiles::List;
    namespace main = names::main;
    namespace panel = names::panel;

    QMenu* file = menu("FileMenu", tr("&File"));
    AddCommand(
        *file, "LoadNumberEntry", tr("LoadNumber"), [this] { OpenNumberList(); },
        button(main::kLoadNumberButton));
    AddCommand(*file, "ClearNumberEntry", UiMarked(texts::app::kClearNumbersCommand),
               [this] { ClearNumbers(); });
    AddCommand(*file, "BlockListEntry", UiMarked(texts::numbers::kBlockListCommand),
               [this] { OpenBlockList(); });
    file->addSeparator();
    AddCommand(*file, "SaveCallOutEntry", tr("Callout CDR Save as "),
               [this] { Grid(List::CallOut)->SaveAs(); });
    AddCommand(*file, "SaveCallInEntry", tr("Callin CDR Save as"),
               [this] { Grid(List::CallIn)->SaveAs(); });
    file->addSeparator();
    AddCommand(*file, "CloseEntry", tr("Close"), [this] { CloseCommand(); });

    deviceMenu_ = menu("DeviceMenu", tr("&Device"));
    AddCommand(
        *deviceMenu_, "SettingEntry", tr("Setting"), [this] { OpenSettings(); },
        button(main::kSettingButton));
    AddCommand(
        *deviceMenu_, "DownLoadEntry", tr("DownLoad"), [this] { OpenDownload(); },
        button(main::kDownLoadButton));
    AddCommand(
        *deviceMenu_, "ReadCdrEntry", tr("ReadCdr"), [this] { OpenRead(); },
        button(main::kReadCdrButton));

    QMenu* monitor = menu("MonitorMenu", tr("&Monitor"));
    // Each entry presses its button, which it follows: it can be chosen
    // exactly when the button can be pressed.
    const std::pair<const char*, const char*> panelCommands[] = {
        {"MonitorOnEntry", panel::kMonitorOnButton}, {"MonitorOffEntry", panel::kMonitorOffButton},
        {"ZelStartEntry", panel::kZelStartButton},   {"ZelStopEntry", panel::kZelStopButton},
        {"ForwardEntry", panel::kForwardButton},     {"SendSmsEntry", panel::kSendSmsButton}};
    for (const auto& [entry, name] : panelCommands) {
        QPushButton* pressed = button(name);
        AddCommand(
            *monitor, entry, pressed->text(), [pressed] { pressed->click(); }, pressed);
    }
    monitor->addSeparator();
    AddCommand(*monitor, "SpeakerUpEntry", tr("M-module Spk Vol Add"),
               [this] { panel_->StepSpeaker(+1); });
    AddCommand(*monitor, "SpeakerDownEntry", tr("M-module Spk Vol Sub"),
               [this] { panel_->StepSpeaker(-1); });
    AddCommand(*monitor, "MicrophoneUpEntry", tr("M-module Mic Vol Add"),
               [this] { panel_->StepMicrophone(+1); });
    AddCommand(*monitor, "MicrophoneDownEntry", tr("M-module Mic Vol Sub"),
               [this] { panel_->StepMicrophone(-1); });

    QMenu* records = menu("RecordsMenu", tr("&Records"));
    AddCommand(
        *records, "DisplayCdrEntry", tr("DisplayCdr"), [this] { OpenDisplay(); },
        button(main::kDisplayCdrButton));
    AddCommand(*records, "StatisticsEntry", tr("Statistics"), [this] { OpenStatistics(); });
    AddCommand(*records, "OutcomeEntry", UiMarked(texts::numbers::kOutcomeCommand),
               [this] { OpenOutcome(); });
    records->addSeparator();
    AddCommand(*records, "ClearCallOutEntry", UiMarked(texts::app::kClearCallOutCommand),
               [this] { Grid(List::CallOut)->Clear(texts::app::kClearCallOutCommand); });
    AddCommand(*records, "ClearCallInEntry", UiMarked(texts::app::kClearCallInCommand),
               [this] { Grid(List::CallIn)->Clear(texts::app::kClearCallInCommand); });

    QMenu* options = menu("OptionsMenu", tr("&Options"));
    options->addMenu(&encoding);
    options->addMenu(&language);

    QMenu* help = menu("HelpMenu", tr("&Help"));
    AddCommand(*help, "BriefIntroductionEntry", tr("Brief introduction"), [this] { OpenRemark(); });
}

} // namespace mervadin
