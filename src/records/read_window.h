#pragma once
// The read window: reads the call records out of the device into the list
// files.

#include "app/operation_window.h"
#include "app/work_folder.h"

namespace mervadin {

class TReadData : public OperationWindow {
    Q_OBJECT
public:
    TReadData(DeviceLink& link, WorkFolder folder, Prompts& prompts, QWidget* parent = nullptr);

    void ReadCdr();

private:
    WorkFolder folder_;
};

} // namespace mervadin
