// How the main window lays out its lamp, commands, monitor panel and grids,
// the keyboard order through them, and how large it is.

#include "app/app_names.h"
#include "app/main_window.h"
#include "monitor/monitor_panel.h"
#include "qtcore/translation.h"
#include "records/call_list_grid.h"
#include "ui/colours.h"
#include "ui/designed.h"
#include "ui/flow_layout.h"
#include "ui/lamp.h"
#include "ui/widgets.h"
#include "ui/window_frame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace mervadin {

// The panels and grids are laid out in an area that scrolls up and down
// when the screen is lower than the window (1024 x 768 at 150 %); it is
// never wider than the window, which keeps every command and count in view.
QWidget* MainWindow::BuildArea() {
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
    return area;
}

// The lamp and the commands along the top, the monitor panel below the
// lamp, the grids below the commands; each at its usual size where the
// window has room, the grids taking what is left.
void MainWindow::LayOut(QWidget* area) {
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 4, 6, 2);
    grid->setHorizontalSpacing(7);
    grid->setVerticalSpacing(7);
    grid->addWidget(linkBar_->UsbLamp(), 0, 0, Qt::AlignCenter);
    grid->addLayout(BuildButtons(area), 0, 1);
    grid->addWidget(panel_, 1, 0, 2, 1, Qt::AlignTop);
    const auto [outBox, inBox] = BuildGrids(area);
    grid->addWidget(outBox, 1, 1);
    grid->addWidget(inBox, 2, 1);
    grid->setRowStretch(1, 281);
    grid->setRowStretch(2, 177);
    grid->setColumnStretch(1, 1);
}

QLayout* MainWindow::BuildButtons(QWidget* area) {
    const QSize design{99, 37};
    commands_ = {
        MakeButton(area, names::main::kSettingButton, tr("Setting"), design),
        MakeButton(area, names::main::kLoadNumberButton, tr("LoadNumber"), {105, 37}),
        MakeButton(area, names::main::kDisplayCdrButton, tr("DisplayCdr"), design),
        MakeButton(area, names::main::kDownLoadButton, tr("DownLoad"), design),
        MakeButton(area, names::main::kReadCdrButton, tr("ReadCdr"), design),
        MakeButton(area, names::main::kCloseButton, tr("Close"), design),
    };
    connect(commands_[0], &QPushButton::clicked, this, &MainWindow::OpenSettings);
    connect(commands_[1], &QPushButton::clicked, this, &MainWindow::OpenNumberList);
    connect(commands_[2], &QPushButton::clicked, this, &MainWindow::OpenDisplay);
    connect(commands_[3], &QPushButton::clicked, this, &MainWindow::OpenDownload);
    connect(commands_[4], &QPushButton::clicked, this, &MainWindow::OpenRead);
    connect(commands_[5], &QPushButton::clicked, this, &MainWindow::CloseCommand);

    remark_ = MakeButton(area, names::main::kRemarkButton, tr("Remark"));
    remark_->setVisible(false);
    remark_->setEnabled(false);
    auto* loadVoice = MakeButton(area, names::main::kLoadVoiceButton, "导入语音");
    loadVoice->setVisible(false);
    connect(loadVoice, &QPushButton::clicked, this, &MainWindow::LoadVoice);
    connect(remark_, &QPushButton::clicked, this, &MainWindow::OpenRemark);

    // Left to right as they stand: LoadNumber, Setting, DownLoad, ReadCdr,
    // DisplayCdr, Close; narrower where the window is, in two rows where
    // even their captions' widths do not fit one.
    auto* row = new FlowLayout(nullptr, 20);
    for (const char* name :
         {names::main::kLoadNumberButton, names::main::kSettingButton, names::main::kDownLoadButton,
          names::main::kReadCdrButton, names::main::kDisplayCdrButton, names::main::kCloseButton})
        row->addWidget(area->findChild<QPushButton*>(name));
    return row;
}

std::pair<QWidget*, QWidget*> MainWindow::BuildGrids(QWidget* area) {
    auto* outBox = new Designed<QGroupBox>({721, 281}, tr("CallOutList"), area);
    outBox->setObjectName(names::main::kCallOutBox);
    auto* inBox = new Designed<QGroupBox>({721, 177}, tr("CallInList"), area);
    inBox->setObjectName(names::main::kCallInBox);
    for (auto [box, list] : {std::pair{outBox, RecordFiles::List::CallOut},
                             std::pair{inBox, RecordFiles::List::CallIn}}) {
        auto* grid = new CallListGrid(list, records_, prompts_, box);
        // The filter bar above the grid, the grid below it.
        auto* filter = new CallFilterBar(*grid, box);
        // Tight, so that the grids keep their usual rows below a title
        // drawn higher than it was in the boxes' first design.
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(4, 0, 4, 2);
        layout->setSpacing(1);
        layout->addWidget(filter);
        layout->addWidget(grid, 1);
        grids_[static_cast<std::size_t>(list)] = grid;
        filters_[static_cast<std::size_t>(list)] = filter;
    }
    return {outBox, inBox};
}

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

// An outer size of 869 x 568 below the menu bar: the area and a status line
// 25 pixels high. Where the area's layout or the status line (the simulated
// device's button, the device choice, a larger font) needs more, the window
// is larger; on a smaller screen, what fits, the area scrolling up and down.
void MainWindow::FitToStatusLine() {
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize design = ClientSize(869, 568) + QSize(0, menuHeight);
    const int statusHeight = std::max(25, statusBar()->sizeHint().height());
    auto* area = static_cast<QScrollArea*>(centralWidget())->widget();
    const QSize needed = area->sizeHint() + QSize(0, statusHeight + menuHeight);
    FixSizeOnScreen(*this, design.expandedTo(needed));
}

} // namespace mervadin
