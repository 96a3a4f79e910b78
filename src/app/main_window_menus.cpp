// The main window's keyboard order and popup menus: the commands of the
// window, the grids, the text encoding and the language.

#include "app/app_names.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "monitor/monitor_panel.h"
#include "numbers/number_texts.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "records/call_list_grid.h"
#include "round/block_list_window.h"
#include "round/outcome_window.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QActionGroup>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace mervadin {

// Tab runs through the commands left to right, the monitor panel top to
// bottom, then the two grids (each left with one Tab, not cell by cell).
void MainWindow::SetTabOrder() {
    std::vector<QWidget*> chain;
    for (const char* name :
         {names::main::kLoadNumberButton, names::main::kSettingButton, names::main::kDownLoadButton,
          names::main::kReadCdrButton, names::main::kDisplayCdrButton, names::main::kCloseButton})
        chain.push_back(findChild<QPushButton*>(name));
    for (QWidget* widget : panel_->FocusChain())
        chain.push_back(widget);
    // Each grid after the fields of the filter bar above it.
    for (const auto list : {RecordFiles::List::CallOut, RecordFiles::List::CallIn}) {
        for (QWidget* widget : filters_[static_cast<std::size_t>(list)]->FocusChain())
            chain.push_back(widget);
        chain.push_back(Grid(list));
    }
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::BuildMenus() {
    auto* popup = BuildPopupMenu(
        this, names::main::kWindowMenu,
        {{tr("LoadNumber"), [this] { OpenNumberList(); }},
         {UiMarked(texts::app::kClearNumbersCommand), [this] { ClearNumbers(); }},
         {tr("Setting"), [this] { OpenSettings(); }},
         {tr("DownLoad"), [this] { OpenDownload(); }},
         {tr("ReadCDR"), [this] { OpenRead(); }},
         {tr("DisplayCDR"), [this] { OpenDisplay(); }},
         {tr("Brief introduction"), [this] { OpenRemark(); }},
         {tr("Close"), [this] { CloseCommand(); }},
         {tr("Statistics"), [this] { OpenStatistics(); }},
         {UiMarked(texts::numbers::kOutcomeCommand), [this] { OpenOutcome(); }},
         {UiMarked(texts::numbers::kBlockListCommand), [this] { OpenBlockList(); }}});
    // One menu of each, in the popup and in the menu bar.
    QMenu* encoding = BuildEncodingMenu();
    QMenu* language = BuildLanguageMenu();
    popup->addMenu(encoding);
    popup->addMenu(language);
    AttachPopupMenu(centralWidget(), popup);
    using List = RecordFiles::List;
    AttachPopupMenu(
        Grid(List::CallOut),
        BuildPopupMenu(this, names::main::kCallOutMenu,
                       {{tr("Callout CDR Save as "), [this] { Grid(List::CallOut)->SaveAs(); }},
                        {tr("Display CDR"), [this] { OpenDisplay(); }},
                        {UiMarked(texts::app::kClearCallOutCommand),
                         [this] { Grid(List::CallOut)->Clear(texts::app::kClearCallOutCommand); }},
                        {tr("Close"), [this] { CloseCommand(); }}}));
    AttachPopupMenu(
        Grid(List::CallIn),
        BuildPopupMenu(this, names::main::kCallInMenu,
                       {{tr("Callin CDR Save as"), [this] { Grid(List::CallIn)->SaveAs(); }},
                        {tr("Display CDR"), [this] { OpenDisplay(); }},
                        {UiMarked(texts::app::kClearCallInCommand),
                         [this] { Grid(List::CallIn)->Clear(texts::app::kClearCallInCommand); }},
                        {tr("Close"), [this] { CloseCommand(); }}}));
    BuildMenuBar(*encoding, *language);
}

bool MainWindow::OpenOutcome(QWidget* over) {
    bool replaced = false;
    {
        OutcomeWindow window(folder_, prompts_, over ? over : this);
        connect(&window, &OutcomeWindow::WorkingListReplaced, this,
                [&replaced] { replaced = true; });
        RunToolWindow(window);
    }
    if (replaced)
        LoadNumberCount();
    return replaced;
}

void MainWindow::OpenBlockList(QWidget* over) {
    BlockListWindow window(folder_.File(file::kBlockList), prompts_, over ? over : this);
    RunToolWindow(window);
}

QMenu* MainWindow::BuildEncodingMenu() {
    auto* menu = new QMenu(tr("Text encoding"), this);
    menu->setObjectName("EncodingMenu");
    auto* group = new QActionGroup(menu);
    for (const auto& name : EncodingChoice::Offered()) {
        auto* action = menu->addAction(ToQString(name));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { ChooseEncoding(name); });
    }
    // The mark follows the encoding in use each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [menu] {
        for (auto* action : menu->actions())
            action->setChecked(action->text().compare(ToQString(TextCodec::Chosen().Name()),
                                                      Qt::CaseInsensitive) == 0);
    });
    return menu;
}

// The language is chosen for the next start: the windows open now keep
// theirs rather than change half-way.
QMenu* MainWindow::BuildLanguageMenu() {
    auto* menu = new QMenu(tr("Language"), this);
    menu->setObjectName("LanguageMenu");
    auto* group = new QActionGroup(menu);
    for (const auto& language : Translation::Offered()) {
        auto* action = menu->addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        group->addAction(action);
        const std::string code = language.code;
        connect(action, &QAction::triggered, this, [this, code] {
            Translation::Remember(code);
            prompts_.Inform(
                tr("Language").toStdString(),
                tr("The windows will be in this language from the next start.").toStdString());
        });
    }
    connect(menu, &QMenu::aboutToShow, this, [menu] {
        const std::string chosen = Translation::Remembered().value_or(Translation::InUse());
        for (std::size_t i = 0; i < Translation::Offered().size(); ++i)
            menu->actions()
                .at(static_cast<qsizetype>(i))
                ->setChecked(chosen == Translation::Offered()[i].code);
    });
    return menu;
}

void MainWindow::ChooseEncoding(const std::string& name) {
    auto codec = TextCodec::Named(name);
    if (!codec)
        return;
    TextCodec::Choose(std::move(codec));
    EncodingChoice::Remember(name);
    LoadTexts();
    // Said for a moment; then the status line says again what the device does.
    const QString said = tr("Text encoding: ") + ToQString(name);
    SetStatusText(said);
    QTimer::singleShot(kNoticeMs, this, [this, said] {
        if (StatusText() == said)
            ShowLinkState();
    });
}

} // namespace mervadin
