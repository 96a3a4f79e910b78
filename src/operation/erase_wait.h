#pragma once
// The erase phase of the number and voice writes: the device answers the
// request by erasing its flash area and reports "earsespi!" when it starts,
// "earse:" for each step and "earsespiok!" when it is done. Each answer is
// shown in the memo; a damaged one is dropped, any other frame is left in the
// buffer.

#include "link/device_link.h"
#include "operation/operation_view.h"

#include <string>

namespace mervadin {

class EraseWait {
public:
    // `endLine` is what the memo shows when the erase is done.
    EraseWait(DeviceLink& link, OperationView& view, ShownText endLine)
        : link_(link), view_(view), endLine_(std::move(endLine)) {}

    // Looks at the receive buffer; true once the erase is done.
    bool Examine();

private:
    DeviceLink& link_;
    OperationView& view_;
    ShownText endLine_;
    unsigned steps_ = 0;
};

} // namespace mervadin
