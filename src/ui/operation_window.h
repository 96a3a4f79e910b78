#pragma once
// What the download and read windows share: a progress memo, a percentage
// label and a progress bar that an operation reports to, the 10-ms clock
// that drives it, the command buttons that are refused while it runs, and
// the Stop and Exit commands with their three frames.

#include "common/prompts.h"
#include "operation/operation_runner.h"

#include <QDialog>
#include <QSize>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace mervadin {

class MemoBox;
class DeviceClocks;

class OperationWindow : public QDialog, public OperationView {
    Q_OBJECT
public:
    ~OperationWindow() override;

    // Stop: the stop frame three times, then the window's Stop line.
    // Exit: the exit frame three times, then the window closes.
    void StopCommand();
    void ExitCommand();

    // OperationView
    void ClearMemo() override;
    void AppendMemo(const ShownText& line) override;
    void AppendErrorMemo(const ShownText& line) override { AppendMemo(line); }
    void ClearErrorMemo() override {}
    void SetProgress(int percent, const std::string& label) override;
    void Inform(const ShownText& caption, const ShownText& text) override;
    std::string Translated(const char* text) const override;

protected:
    struct WindowStop {
        StopStyle style;
        // Stop and Exit raise the stop request that ends the live monitor too.
        bool sharedStopRequest;
        // Closing the window while an operation runs sends the exit frames
        // (otherwise the stop frames) before the window goes.
        bool closeSendsExit;
        // Named as the link's holder while the window is open.
        std::string holder;
    };

    OperationWindow(DeviceLink& link, Prompts& prompts, WindowStop stop, QWidget* parent);

    // A command button of the usual size `design`: refused while an
    // operation runs.
    QPushButton* MakeCommand(const char* name, const QString& caption, QSize design);
    // Starts an operation unless one runs; the command buttons wait for its end.
    void RunOperation(std::unique_ptr<Operation> operation);
    // Esc and the close box: while an operation or its closing frames run,
    // the device is told to leave its session first.
    void reject() override;

    DeviceLink& link_;
    Prompts& prompts_;
    MemoBox* memo_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* progress_ = nullptr;

private:
    void SetCommandsEnabled(bool enabled);
    // Starts the clocks when work begins and stops them when none is left.
    void KeepClocksWithWork();
    void SendClosingFrames(OutgoingFrame frame, std::function<void(bool)> afterwards);

    WindowStop stop_;
    OperationRunner runner_;
    DeviceClocks* clocks_ = nullptr;
    std::vector<QPushButton*> commands_;
};

} // namespace mervadin
