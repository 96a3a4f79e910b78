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

namespace mervadin {
namespace sim {
class SimDevice;
}

class SimulatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimulatorWindow(sim::SimDevice& device);
    ~SimulatorWindow() override;

    // Shows what the device is and holds now; done whenever the device
    // changes while the window is shown (it has no clock: at rest it costs
    // nothing).
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString Contents() const;

    sim::SimDevice& device_;
    QLabel* state_ = nullptr;
    QPushButton* plugIn_ = nullptr;
    QPushButton* unplug_ = nullptr;
    QComboBox* model_ = nullptr;
    QLabel* contents_ = nullptr;
};

} // namespace mervadin
