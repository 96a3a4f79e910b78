#include "app/main_window.h"

#include "app/app_names.h"
#include "app/app_texts.h"
#include "app/download_window.h"
#include "app/remark_window.h"
#include "app/simulator_window.h"
#include "common/common_texts.h"
#include "files/file_batch.h"
#include "files/file_notice.h"
#include "files/file_read.h"
#include "link/link_texts.h"
#include "monitor/monitor_panel.h"
#include "numbers/number_list.h"
#include "numbers/number_list_window.h"
#include "numbers/number_texts.h"
#include "operation/operation_texts.h"
#include "qtcore/encoding_choice.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "records/call_list_grid.h"
#include "records/display_window.h"
#include "records/read_window.h"
#include "round/block_list.h"
#include "round/outcome_report.h"
#include "settings/settings_window.h"
#include "sim/sim_device.h"
#include "statistics/statistics_window.h"
#include "ui/colours.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"
#include "voice/voice_buffer.h"
#include "voice/voice_texts.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace mervadin {

MainWindow::MainWindow(WorkFolder folder, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), folder_(std::move(folder)), prompts_(prompts),
      records_(folder_, TextCodec::Following()) {
    setObjectName(names::main::kWindow);
    setWindowTitle(UiMarked(texts::app::kMainTitle));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The panels and grids are laid out in an area that scrolls up and down
    // when the screen is lower than the window (1024 x 768 at 150 %); it is
    // never wider than the window, which keeps every command and count in
    // view.
    auto* area = new QWidget;
    area->setObjectName("ClientArea");
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("ClientScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, not the frame
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(area);
    setCentralWidget(scroll);
    PaintBackground(this, colour::kActiveCaptionGradient);
    PaintBackground(area, colour::kActiveCaptionGradient);
    status_ = new QLabel(UiMarked(texts::link::kUsbNoConnect));
    status_->setObjectName(names::main::kStatusLine);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    // A file replaced without the owner or group it had: said for a while.
    FileNotice::SetTeller([this](const std::string& text) {
        const QString said = QString::fromStdString(text);
        SetStatusText(said);
        QTimer::singleShot(kNoticeMs * 2, this, [this, said] {
            if (StatusText() == said)
                ShowLinkState();
        });
    });

    panel_ = new MonitorPanel(folder_, prompts_, area);
    panel_->setObjectName("MonitorPanel");
    WirePanel();
    LayOut(area);
    BuildMenus();
    SetTabOrder();
    FitToStatusLine();
    MoveOnScreen(*this, {237, 65});

    // The 1-ms clock that paces the live monitor; it runs only while the
    // monitor does, so that the window costs nothing at rest.
    timer1_ = new QTimer(this);
    timer1_->setObjectName(names::main::kMonitorClock);
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, [this] {
        if (Monitor() && Monitor()->Running())
            Monitor()->OnTick();
        else
            timer1_->stop();
    });

    LoadNumberCount();
    LoadGrids();
    panel_->LoadLevelBoxes();
}

void MainWindow::WirePanel() {
    connect(panel_, &MonitorPanel::StatusTextChanged, this, &MainWindow::SetStatusText);
    // A command's word stands over the status line for a moment.
    connect(panel_, &MonitorPanel::Notice, this,
            [this](const QString& text) { statusBar()->showMessage(text, kNoticeMs); });
    connect(panel_, &MonitorPanel::MonitoringStarted, this, [this] {
        monitorCut_ = false;
        SetCommandsEnabled(false);
        timer1_->start();
    });
    connect(panel_, &MonitorPanel::MonitoringEnded, this, [this](bool deviceLost) {
        SetCommandsEnabled(true);
        if (deviceLost)
            remark_->setEnabled(true);
        monitorCut_ = deviceLost;
        ShowLinkState();
    });
    connect(panel_, &MonitorPanel::CallRecordArrived, this, &MainWindow::StoreCallRecord);
    connect(panel_, &MonitorPanel::CloseRequested, this, &MainWindow::CloseCommand);
}

void MainWindow::SetCommandsEnabled(bool enabled) {
    for (auto* button : commands_)
        button->setEnabled(enabled);
    // Another device is not picked while the monitor talks to this one.
    if (deviceChoice_)
        deviceChoice_->setEnabled(enabled);
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
    try {
        records_.RebuildKinds();
    } catch (const FileError& e) {
        ShowFileError(e);
        return;
    }
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
    return status_->text();
}

void MainWindow::SetStatusText(const QString& text) {
    status_->setText(text);
}

int MainWindow::NumberCount() const {
    return panel_->NumberCount();
}

LiveMonitor* MainWindow::Monitor() const {
    return panel_->Monitor();
}

void MainWindow::OpenRemark() {
    RemarkWindow window(this);
    RunToolWindow(window);
}

void MainWindow::LoadVoice() {
    const auto file = prompts_.OpenFileName(DocumentsFolder(), {"Bin Files(*.bin)"});
    if (!file)
        return;
    try {
        voice_.Load(*file);
    } catch (const FileError& e) {
        ShowFileError(e);
        return;
    }
    prompts_.Inform(texts::voice::kVoiceLoadedCaption, texts::voice::kVoiceLoaded);
}

void MainWindow::OpenNumberList() {
    {
        NumberListWindow window(
            folder_, prompts_, this,
            {.blocked = BlockListSource(folder_.File(file::kBlockList)),
             .openBlockList = [this](QWidget* over) { OpenBlockList(over); },
             .openOutcome = [this](QWidget* over) { return OpenOutcome(over); }});
        RunToolWindow(window);
    }
    LoadNumberCount();
}

void MainWindow::ClearNumbers() {
    const int count = NumberCount();
    if (count > 0 &&
        !prompts_.Confirm(texts::app::kClearNumbersCommand,
                          UiMarked(texts::app::kClearNumbersQuestion).arg(count).toStdString()))
        return;
    try {
        StoreNumberList(folder_.File(file::kLoadNumber), {});
    } catch (const FileError& e) {
        ShowFileError(e);
        return;
    }
    prompts_.Inform(texts::numbers::kNumbersClearedCaption, texts::numbers::kNumbersCleared);
    LoadNumberCount();
}

void MainWindow::LoadNumberCount() {
    int count = 0;
    try {
        count = static_cast<int>(CountLines(ReadFileBytes(folder_.File(file::kLoadNumber))));
    } catch (const FileError& e) {
        ShowFileError(e);
    }
    panel_->SetNumberCount(count);
}

void MainWindow::StoreCallRecord(const LiveRecord& record) {
    try {
        if (const auto stored = records_.StoreLiveRecord(record.line, record.type))
            Grid(stored->list)->ShowStoredLine();
    } catch (const FileError& e) {
        ShowFileError(e);
    }
}

void MainWindow::ShowFileError(const std::exception& error) {
    prompts_.Inform(texts::common::kErrorCaption, std::string(error.what()));
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
