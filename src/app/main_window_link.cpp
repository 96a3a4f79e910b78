// The main window's side of the device link: the USB lamp and status line,
// the simulated device's window and the choice among attached devices.

#include "app/app_names.h"
#include "app/app_texts.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/simulator_window.h"
#include "common/common_texts.h"
#include "monitor/monitor_panel.h"
#include "qtcore/translation.h"
#include "session/device_session.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace mervadin {

void MainWindow::AttachSession(DeviceSession& session, sim::SimDevice* simulator) {
    link_ = &session.Link();
    link_->AddObserver(this);
    panel_->Attach(session);
    // The session's 1-ms clock paces the monitor the panel shows.
    session.Clocks().Name("MonitorTick", names::main::kMonitorClock);
    connect(&session, &DeviceSession::ListChanged, this, [this](RecordFiles::List list) {
        storeFailing_ = false;
        ShowStoredRecord(list);
    });
    // A list that stays unwritable is said once, not at every call that
    // arrives, until a record is stored again.
    connect(&session, &DeviceSession::StoreFailed, this, [this](const QString& message) {
        if (std::exchange(storeFailing_, true))
            return;
        prompts_.Inform(texts::common::kErrorCaption, message.toStdString());
    });
    simulated_ = simulator != nullptr;
    if (simulator) {
        setWindowTitle(windowTitle() + tr(" [simulated device]"));
        AddSimulatorControls(*simulator);
    }
}

void MainWindow::AttachDeviceChooser(DeviceChooser& chooser) {
    chooser_ = &chooser;
    linkBar_->OfferDeviceChoice();
    connect(linkBar_, &LinkStatusBar::DeviceChosen, this,
            [this](const std::string& path) { chooser_->Choose(path); });
    chooser.WatchAttached([this] { ShowAttachedDevices(); });
    ShowAttachedDevices();
}

void MainWindow::ShowAttachedDevices() {
    if (!chooser_)
        return;
    // The list is not changed under an open popup: it is shown again once
    // the popup has closed.
    if (linkBar_->ChoiceOpen()) {
        QTimer::singleShot(500, this, &MainWindow::ShowAttachedDevices);
        return;
    }
    linkBar_->ShowDevices(chooser_->Attached(), chooser_->InUse());
    FitToStatusLine();
}

void MainWindow::AddSimulatorControls(sim::SimDevice& simulator) {
    // The device's window has no parent: a tool window open over this one
    // does not block it.
    simulatorWindow_ = std::make_unique<SimulatorWindow>(simulator);
    auto* button = new QToolButton(statusBar());
    button->setObjectName("SimulatorButton");
    button->setText(tr("Simulator"));
    connect(button, &QToolButton::clicked, this, &MainWindow::OpenSimulator);
    statusBar()->addPermanentWidget(button);
    menu_->AddSimulatorEntry();
    FitToStatusLine();
}

void MainWindow::OpenSimulator() {
    if (!simulatorWindow_)
        return;
    if (!simulatorWindow_->isVisible())
        PlaceBeside(*simulatorWindow_, *this);
    simulatorWindow_->show();
    simulatorWindow_->raise();
    simulatorWindow_->activateWindow();
}

void MainWindow::OnUsbStatus(bool present, bool initial) {
    if (present || !initial)
        ShowLinkState();
    else
        linkBar_->LightLamp(false);
}

void MainWindow::ShowLinkState() {
    const bool present = link_ && link_->Connected();
    if (present)
        monitorCut_ = false; // until the device is back, the line says why the monitor stopped
    linkBar_->ShowLink(present, simulated_, monitorCut_);
}

void MainWindow::OnDeviceUnusable(const std::string& advice) {
    SetStatusText(ToQString(advice));
}

} // namespace mervadin
