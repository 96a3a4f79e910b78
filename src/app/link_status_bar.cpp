#include "app/link_status_bar.h"

#include "app/app_names.h"
#include "link/link_texts.h"
#include "qtcore/translation.h"
#include "ui/colours.h"
#include "ui/lamp.h"
#include "ui/qt_prompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

namespace mervadin {

LinkStatusBar::LinkStatusBar(QWidget* parent) : QStatusBar(parent) {
    status_ = new QLabel(UiMarked(texts::link::kUsbNoConnect));
    status_->setObjectName(names::main::kStatusLine);
    addWidget(status_, 1);
    setSizeGripEnabled(false);
    usbLamp_ = new Lamp(this);
    usbLamp_->setObjectName(names::main::kUsbLamp);
    usbLamp_->setFixedSize(97, 33);
    usbLamp_->SetCaption(tr("USB"));
    usbLamp_->setToolTip(tr("USB: red while a device is connected"));
}

QString LinkStatusBar::Text() const {
    return status_->text();
}

void LinkStatusBar::SetText(const QString& text) {
    status_->setText(text);
}

void LinkStatusBar::ShowLink(bool present, bool simulated, bool monitorCut) {
    LightLamp(present);
    const QString suffix = simulated ? tr(" (simulated device)") : QString();
    // Until the device is back, the line says why the monitor stopped.
    const QString cut =
        monitorCut ? tr(" - the device was disconnected while monitoring") : QString();
    SetText(UiMarked(present ? texts::link::kUsbConnected : texts::link::kUsbNoConnect) + suffix +
            cut);
}

void LinkStatusBar::LightLamp(bool present) {
    usbLamp_->SetColour(present ? colour::kRed : colour::kSilver);
}

void LinkStatusBar::ShowNotice(const QString& text, int ms) {
    SetText(text);
    QTimer::singleShot(ms, this, [this, text] {
        if (Text() == text)
            emit NoticeEnded();
    });
}

void LinkStatusBar::ShowWord(const QString& text) {
    showMessage(text, kNoticeMs);
}

void LinkStatusBar::OfferDeviceChoice() {
    if (deviceChoice_)
        return;
    deviceChoice_ = new QComboBox(this);
    deviceChoice_->setObjectName("DeviceChoice");
    deviceChoice_->setToolTip(tr("The device in use, when several are attached"));
    deviceChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    deviceChoice_->setVisible(false);
    addPermanentWidget(deviceChoice_);
    connect(deviceChoice_, &QComboBox::activated, this, [this](int index) {
        emit DeviceChosen(deviceChoice_->itemData(index).toString().toStdString());
    });
}

void LinkStatusBar::ShowDevices(const std::vector<AttachedDevice>& attached,
                                const std::string& inUse) {
    OfferDeviceChoice();
    const QSignalBlocker blocker(deviceChoice_);
    deviceChoice_->clear();
    for (const auto& device : attached)
        deviceChoice_->addItem(ToQString(device.path + "  " + device.description),
                               ToQString(device.path));
    deviceChoice_->setCurrentIndex(deviceChoice_->findData(ToQString(inUse)));
    deviceChoice_->setVisible(attached.size() > 1);
}

bool LinkStatusBar::ChoiceOpen() const {
    return deviceChoice_ && deviceChoice_->view()->isVisible();
}

void LinkStatusBar::SetChoiceEnabled(bool enabled) {
    // Another device is not picked while the monitor talks to this one.
    if (deviceChoice_)
        deviceChoice_->setEnabled(enabled);
}

} // namespace mervadin
