// The main window's side of the device link: the USB lamp and status line,
// the simulated device's window and the choice among attached devices.

#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/simulator_window.h"
#include "link/link_texts.h"
#include "monitor/monitor_panel.h"
#include "qtcore/translation.h"
#include "ui/colours.h"
#include "ui/lamp.h"
#include "ui/popup_menu.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace mervadin {

void MainWindow::AttachLink(DeviceLink& link, sim::SimDevice* simulator) {
    link_ = &link;
    link.AddObserver(this);
    panel_->AttachLink(link);
    simulated_ = simulator != nullptr;
    if (simulator) {
        setWindowTitle(windowTitle() + tr(" [simulated device]"));
        AddSimulatorControls(*simulator);
    }
}

void MainWindow::AttachDeviceChooser(DeviceChooser& chooser) {
    chooser_ = &chooser;
    deviceChoice_ = new QComboBox(statusBar());
    deviceChoice_->setObjectName("DeviceChoice");
    deviceChoice_->setToolTip(tr("The device in use, when several are attached"));
    deviceChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    deviceChoice_->setVisible(false);
    statusBar()->addPermanentWidget(deviceChoice_);
    connect(deviceChoice_, &QComboBox::activated, this, [this](int index) {
        chooser_->Choose(deviceChoice_->itemData(index).toString().toStdString());
    });
    chooser.WatchAttached([this] { ShowAttachedDevices(); });
    ShowAttachedDevices();
}

void MainWindow::ShowAttachedDevices() {
    if (!chooser_)
        return;
    // The list is not changed under an open popup: it is shown again once
    // the popup has closed.
    if (deviceChoice_->view()->isVisible()) {
        QTimer::singleShot(500, this, &MainWindow::ShowAttachedDevices);
        return;
    }
    const auto attached = chooser_->Attached();
    const QString inUse = ToQString(chooser_->InUse());
    const QSignalBlocker blocker(deviceChoice_);
    deviceChoice_->clear();
    for (const auto& device : attached)
        deviceChoice_->addItem(ToQString(device.path + "  " + device.description),
                               ToQString(device.path));
    deviceChoice_->setCurrentIndex(deviceChoice_->findData(inUse));
    deviceChoice_->setVisible(attached.size() > 1);
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
    deviceMenu_->addSeparator();
    AddCommand(*deviceMenu_, "SimulatorEntry", tr("Simulator"), [this] { OpenSimulator(); });
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
        usbLamp_->SetColour(colour::kSilver);
}

void MainWindow::ShowLinkState() {
    const bool present = link_ && link_->Connected();
    usbLamp_->SetColour(present ? colour::kRed : colour::kSilver);
    const QString suffix = simulated_ ? tr(" (simulated device)") : QString();
    if (present)
        monitorCut_ = false;
    // Until the device is back, the line says why the monitor stopped.
    const QString cut =
        monitorCut_ ? tr(" - the device was disconnected while monitoring") : QString();
    SetStatusText(UiMarked(present ? texts::link::kUsbConnected : texts::link::kUsbNoConnect) +
                  suffix + cut);
}

void MainWindow::OnDeviceUnusable(const std::string& advice) {
    SetStatusText(ToQString(advice));
}

} // namespace mervadin
