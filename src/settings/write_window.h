#pragma once
// The download window: writes the settings (and, through its other
// commands, the number list and a voice file) into the device, showing the
// exchange in its progress memo and error memo. Stop and Exit work while an
// operation runs; the other commands are refused until it has ended.

#include "app/prompts.h"
#include "app/work_folder.h"
#include "link/operation_runner.h"
#include "settings/settings_block.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace mervadin {

class MemoBox;
class TickClock;

class TWriteData : public QDialog, public OperationView {
    Q_OBJECT
public:
    TWriteData(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);
    ~TWriteData() override;

    void WriteSetting();
    void StopCommand();
    void ExitCommand();

    const std::vector<std::string>& MemoLines() const;
    const std::vector<std::string>& ErrorLines() const;
    OperationRunner& Runner() { return runner_; }

    // OperationView
    void ClearMemo() override;
    void AppendMemo(const std::string& line) override;
    void AppendErrorMemo(const std::string& line) override;
    void ClearErrorMemo() override;
    void SetProgress(int percent, const std::string& label) override;
    void Inform(const std::string& caption, const std::string& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RunOperation(std::unique_ptr<Operation> operation);
    void SetCommandsEnabled(bool enabled);

    DeviceLink& link_;
    WorkFolder folder_;
    Prompts& prompts_;
    OperationRunner runner_;
    TickClock* clock_ = nullptr;
    MemoBox* memo_ = nullptr;
    MemoBox* errors_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::vector<QPushButton*> commands_;
};

// "Current Data: " with the date as 2026/12/6   9/05/07.
std::string CurrentDataLine(const LocalTime& at);

} // namespace mervadin
