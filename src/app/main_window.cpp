#include "app/main_window.h"

#include "app/app_names.h"
#include "app/app_texts.h"
#include "app/download_window.h"
#include "app/main_menu.h"
#include "app/remark_window.h"
#include "app/simulator_window.h"
#include "files/file_notice.h"
#include "monitor/monitor_panel.h"
#include "operation/operation_texts.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "records/call_list_grid.h"
#include "records/display_window.h"
#include "records/read_window.h"
#include "round/outcome_report.h"
#include "settings/settings_window.h"
#include "sim/sim_device.h"
#include "statistics/statistics_window.h"
#include "ui/file_work.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"
#include "voice/voice_buffer.h"
#include "voice/voice_texts.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace mervadin {

MainWindow::MainWindow(WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), folder_(std::move(folder)), prompts_(prompts),
      records_(folder_, TextCodec::Following()) {
    setObjectName(names::main::kWindow);
    setWindowTitle(UiMarked(texts::app::kMainTitle));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    linkBar_ = new LinkStatusBar(this);
    setStatusBar(linkBar_);
    connect(linkBar_, &LinkStatusBar::NoticeEnded, this, &MainWindow::ShowLinkState);
    // A file replaced without the owner or group it had: said for a while.
    FileNotice::SetTeller([this](const std::string& text) {
        linkBar_->ShowNotice(QString::fromStdString(text), kNoticeMs * 2);
    });

    QWidget* area = BuildArea();
    panel_ = new MonitorPanel(folder_, prompts_, area);
    panel_->setObjectName("MonitorPanel");
    WirePanel();
    LayOut(area);
    menu_ = std::make_unique<MainMenu>(*this, *panel_, prompts_);
    SetTabOrder();
    FitToStatusLine();
    MoveOnScreen(*this, {237, 65});

    LoadNumberCount();
    LoadGrids();
    panel_->LoadLevelBoxes();
}

void MainWindow::WirePanel() {
    connect(panel_, &MonitorPanel::StatusTextChanged, this, &MainWindow::SetStatusText);
    // A command's word stands over the status line for a moment.
    connect(panel_, &MonitorPanel::Notice, linkBar_, &LinkStatusBar::ShowWord);
    connect(panel_, &MonitorPanel::MonitoringStarted, this, [this] {
        monitorCut_ = false;
        SetCommandsEnabled(false);
    });
    connect(panel_, &MonitorPanel::MonitoringEnded, this, [this](bool deviceLost) {
        SetCommandsEnabled(true);
        if (deviceLost)
            remark_->setEnabled(true);
        monitorCut_ = deviceLost;
        ShowLinkState();
    });
    connect(panel_, &MonitorPanel::CloseRequested, this, &MainWindow::CloseCommand);
}

void MainWindow::SetCommandsEnabled(bool enabled) {
    for (auto* button : commands_)
        button->setEnabled(enabled);
    linkBar_->SetChoiceEnabled(enabled);
}

void MainWindow::ChooseEncoding(const std::string& name) {
    auto codec = TextCodec::Named(name);
    if (!codec)
        return;
    TextCodec::Choose(std::move(codec));
    EncodingChoice::Remember(name);
    LoadTexts();
    // Said for a moment; then the status line says again what the device does.
    linkBar_->ShowNotice(tr("Text encoding: ") + ToQString(name), kNoticeMs);
}

void MainWindow::LoadTexts() {
    LoadGrids();
    LoadNumberCount();
}

void MainWindow::OpenRead() {
    if (!link_ || !link_->Connected()) {
        prompts_.Inform(texts::operation::kGuardCaption, texts::app::kReadCdrNoDevice);
        return;
    }
    {
        ReadWindow window(*link_, folder_, prompts_, this);
        RunToolWindow(window);
    }
    LoadGrids();
}

void MainWindow::OpenDisplay() {
    if (!RunFileWork(prompts_, [this] { records_.RebuildKinds(); }))
        return;
    DisplayWindow window(folder_, prompts_, this);
    RunToolWindow(window);
}

CallListGrid* MainWindow::Grid(RecordFiles::List list) const {
    return grids_[static_cast<std::size_t>(list)];
}

void MainWindow::LoadGrids() {
    for (auto* grid : grids_)
        grid->Load();
    if (statistics_)
        statistics_->Refresh();
}

void MainWindow::OpenStatistics() {
    // One window, left open beside the main window and refreshed after
    // every read.
    if (!statistics_)
        statistics_ = new StatisticsWindow(folder_, prompts_, this, OutcomeSectionOf(folder_));
    else
        statistics_->Refresh();
    if (!statistics_->isVisible())
        PlaceBeside(*statistics_, *this);
    statistics_->show();
    statistics_->raise();
}

void MainWindow::OpenSettings() {
    SettingsWindow window(folder_.File(file::kConfig), prompts_, this);
    RunToolWindow(window);
}

void MainWindow::OpenDownload() {
    if (!link_ || !link_->Connected()) {
        prompts_.Inform(texts::operation::kGuardCaption, texts::app::kDownloadNoDevice);
        return;
    }
    DownloadWindow window(*link_, folder_, prompts_, voice_, this);
    RunToolWindow(window);
}

QString MainWindow::StatusText() const {
    return linkBar_->Text();
}

void MainWindow::SetStatusText(const QString& text) {
    linkBar_->SetText(text);
}

void MainWindow::OpenRemark() {
    RemarkWindow window(this);
    RunToolWindow(window);
}

void MainWindow::LoadVoice() {
    const auto file = prompts_.OpenFileName(DocumentsFolder(), {"Bin Files(*.bin)"});
    if (!file)
        return;
    if (!RunFileWork(prompts_, [&] { voice_.Load(*file); }))
        return;
    prompts_.Inform(texts::voice::kVoiceLoadedCaption, texts::voice::kVoiceLoaded);
}

void MainWindow::ShowStoredRecord(RecordFiles::List list) const {
    Grid(list)->ShowStoredLine();
}

void MainWindow::CloseCommand() {
    panel_->EndMonitor(); // the stop-request flag ends a running monitor
    close();
}

MainWindow::~MainWindow() {
    FileNotice::SetTeller(nullptr);
    delete panel_; // the monitor observes the link: it goes first
    panel_ = nullptr;
    if (link_)
        link_->RemoveObserver(this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing received after the window closes is stored.
    if (link_)
        link_->SetReadEnabled(false);
    if (simulatorWindow_)
        simulatorWindow_->close();
    QMainWindow::closeEvent(event);
}

} // namespace mervadin
