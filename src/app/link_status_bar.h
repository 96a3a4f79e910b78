#pragma once
// The main window's link status: the USB lamp, the status line, the choice
// among attached devices (shown only while several are attached) and the
// notices that hold the line for a while. It shows what the window tells it.

#include "link/device_chooser.h"

#include <QStatusBar>

#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace mervadin {

class Lamp;

class LinkStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // How long a passing notice holds the status line, and a command's word
    // stands over it.
    static constexpr int kNoticeMs = 3000;

    explicit LinkStatusBar(QWidget* parent);

    // The USB lamp, made here; the window places it where it stands.
    Lamp* UsbLamp() const { return usbLamp_; }

    QString Text() const;
    void SetText(const QString& text);
    // The lamp lit while a device is present and the line saying so; with
    // `monitorCut`, also that the device went away while monitoring.
    void ShowLink(bool present, bool simulated, bool monitorCut);
    // Only the lamp, the line left as it is.
    void LightLamp(bool present);
    // `text` holds the line for `ms`; then NoticeEnded, unless something
    // else was said in the meantime.
    void ShowNotice(const QString& text, int ms);
    // A command's word over the line for a moment.
    void ShowWord(const QString& text);

    // The choice among attached devices, hidden until ShowDevices lists more
    // than one.
    void OfferDeviceChoice();
    void ShowDevices(const std::vector<AttachedDevice>& attached, const std::string& inUse);
    // True while the choice's list is open (it is not changed under the
    // operator's pointer).
    bool ChoiceOpen() const;
    void SetChoiceEnabled(bool enabled);

signals:
    void NoticeEnded();
    void DeviceChosen(const std::string& path);

private:
    QLabel* status_ = nullptr;
    Lamp* usbLamp_ = nullptr;
    QComboBox* deviceChoice_ = nullptr;
};

} // namespace mervadin
