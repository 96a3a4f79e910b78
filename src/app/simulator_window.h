#pragma once
// The simulated device's own window, opened from the main window's
// "Simulator" button: plug it in or unplug it, choose its model, and see
// what it holds. It is a window of its own, outside the tool windows'
// modality, so that the device can be unplugged in the middle of a read or
// a write.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace mervadin {
namespace sim {
class SimDevice;
}

class SimulatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimulatorWindow(sim::SimDevice& device);

    // Shows what the device is and holds now; done every quarter second
    // while the window is shown.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString Contents() const;

    sim::SimDevice& device_;
    QLabel* state_ = nullptr;
    QPushButton* plugIn_ = nullptr;
    QPushButton* unplug_ = nullptr;
    QComboBox* model_ = nullptr;
    QLabel* contents_ = nullptr;
    QTimer* refresh_ = nullptr;
};

} // namespace mervadin
