#pragma once
// The read window: reads the call records out of the device into the list
// files. "ReadCDR" is refused while a read runs; Stop and Exit always work.

#include "app/prompts.h"
#include "app/work_folder.h"
#include "link/operation_runner.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace mervadin {

class MemoBox;

class TReadData : public QDialog, public OperationView {
    Q_OBJECT
public:
    TReadData(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);
    ~TReadData() override;

    void ReadCdr();
    void StopCommand();
    void ExitCommand();

    const std::vector<std::string>& MemoLines() const;
    OperationRunner& Runner() { return runner_; }

    // OperationView
    void ClearMemo() override;
    void AppendMemo(const std::string& line) override;
    void AppendErrorMemo(const std::string& line) override { AppendMemo(line); }
    void ClearErrorMemo() override {}
    void SetProgress(int percent, const std::string& label) override;
    void Inform(const std::string& caption, const std::string& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DeviceLink& link_;
    WorkFolder folder_;
    Prompts& prompts_;
    OperationRunner runner_;
    MemoBox* memo_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* read_ = nullptr;
};

} // namespace mervadin
