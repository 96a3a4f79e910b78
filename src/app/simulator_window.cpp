#include "app/simulator_window.h"

#include "monitor/status_decoder.h"
#include "qtcore/translation.h"
#include "sim/sim_device.h"
#include "ui/qt_prompts.h"
#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mervadin {

SimulatorWindow::SimulatorWindow(sim::SimDevice& device) : device_(device) {
    setObjectName("SimulatorWindow");
    setWindowTitle(tr("Simulated device"));
    setWindowFlag(Qt::Window);

    state_ = new QLabel(this);
    state_->setObjectName("PlugState");
    plugIn_ = MakeButton(this, "PlugIn", tr("Plug in"));
    unplug_ = MakeButton(this, "Unplug", tr("Unplug"));
    connect(plugIn_, &QPushButton::clicked, this, [this] {
        device_.Plug();
        Refresh();
    });
    connect(unplug_, &QPushButton::clicked, this, [this] {
        device_.Unplug();
        Refresh();
    });
    auto* plugRow = new QHBoxLayout;
    plugRow->addWidget(state_, 1);
    plugRow->addWidget(plugIn_);
    plugRow->addWidget(unplug_);

    model_ = new QComboBox(this);
    model_->setObjectName("Model");
    for (const auto& model : DeviceModels())
        model_->addItem(ToQString(model.displayName), ToQString(model.id));
    connect(model_, &QComboBox::activated, this, [this](int index) {
        device_.Dialer().SetModel(model_->itemData(index).toString().toStdString());
    });

    contents_ = new QLabel(this);
    contents_->setObjectName("Contents");
    contents_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* close = MakeButton(this, "Close", tr("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* form = new QFormLayout;
    form->addRow(tr("Model:"), model_);
    form->addRow(tr("Holds:"), contents_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(plugRow);
    layout->addLayout(form);
    layout->addWidget(close, 0, Qt::AlignRight);

    device_.SetChangeListener([this] {
        if (isVisible())
            Refresh();
    });
    Refresh();
}

SimulatorWindow::~SimulatorWindow() {
    device_.SetChangeListener(nullptr);
}

void SimulatorWindow::Refresh() {
    const bool plugged = device_.Plugged();
    state_->setText(plugged ? tr("Plugged in") : tr("Unplugged"));
    // Only the step that applies can be taken.
    plugIn_->setEnabled(!plugged);
    unplug_->setEnabled(plugged);
    const int current = model_->findData(ToQString(device_.Dialer().Model()));
    if (current >= 0 && !model_->view()->isVisible())
        model_->setCurrentIndex(current);
    contents_->setText(Contents());
}

QString SimulatorWindow::Contents() const {
    const unsigned writes = device_.SettingsWrites();
    QStringList lines;
    lines << (device_.Settings()
                  ? (writes == 1 ? tr("Settings written (1 time)")
                                 //: %1 is how often the settings were written (2 or more).
                                 : tr("Settings written (%1 times)").arg(writes))
                  : tr("No settings written"));
    // The numbers it dials, and the flash blocks the last write stored them in.
    //: %1 is the count of numbers, %2 of the flash blocks they fill.
    lines << tr("%1 numbers in %2 blocks")
                 .arg(device_.Dialer().Numbers().size())
                 .arg(device_.NumberBlocks().size());
    //: %1 is the count of call records the device holds.
    lines << tr("%1 call records").arg(device_.Records().size());
    lines << (device_.Voice().empty()
                  ? tr("No voice prompt")
                  //: %1 is the voice prompt's size in bytes.
                  : tr("A voice prompt of %1 bytes").arg(device_.Voice().size()));
    if (device_.InSession())
        lines << tr("In a read or write now");
    else if (device_.Dialer().Dialing())
        lines << tr("Dialing");
    return lines.join('\n');
}

void SimulatorWindow::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

} // namespace mervadin
