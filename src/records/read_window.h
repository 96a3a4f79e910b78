#pragma once
// The read window: reads the call records out of the device into the list
// files.

#include "files/work_folder.h"
#include "ui/operation_window.h"

namespace mervadin {

class ReadWindow : public OperationWindow {
    Q_OBJECT
public:
    ReadWindow(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);

    void ReadCdr();

private:
    WorkFolder folder_;
};

} // namespace mervadin
