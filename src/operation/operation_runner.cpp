#include "operation/operation_runner.h"

#include "operation/operation_texts.h"

#include <optional>
#include <utility>

namespace mervadin {

OperationRunner::OperationRunner(DeviceLink& link, OperationView& view) : link_(link), view_(view) {
    link_.AddObserver(this);
}

OperationRunner::~OperationRunner() {
    link_.RemoveObserver(this);
}

bool OperationRunner::Run(std::unique_ptr<Operation> operation) {
    if (!link_.Connected()) {
        view_.Inform(texts::operation::kGuardCaption, operation->GuardText());
        return false;
    }
    operation_ = std::move(operation);
    const Reentry guard(inside_);
    operation_->Start();
    return true;
}

void OperationRunner::StopWith(OutgoingFrame frame, std::function<void(bool)> afterwards) {
    repeater_.emplace(frame, link_);
    afterRepeater_ = std::move(afterwards);
}

void OperationRunner::Abandon() {
    repeater_.reset();
    afterRepeater_ = nullptr;
    if (inside_)
        abandonPending_ = true; // ended once the operation's call has returned
    else if (operation_)
        Finish(OperationStatus::Stopped);
}

void OperationRunner::OnTick() {
    if (repeater_) {
        if (!repeater_->OnTick())
            return;
        repeater_.reset();
        if (operation_)
            Finish(operation_->Interrupted(OperationStatus::Stopped));
        if (auto afterwards = std::exchange(afterRepeater_, nullptr))
            afterwards(true);
        return;
    }
    if (operation_)
        Call(&Operation::OnTick);
}

void OperationRunner::OnFastTick() {
    if (operation_ && !repeater_)
        Call(&Operation::OnFastTick);
}

void OperationRunner::OnBytesArrived() {
    if (operation_ && !repeater_)
        Call(&Operation::OnBytes);
}

void OperationRunner::Call(OperationStatus (Operation::*event)()) {
    if (inside_)
        return;
    OperationStatus status;
    {
        const Reentry guard(inside_);
        status = (operation_.get()->*event)();
    }
    if (std::exchange(lossPending_, false))
        return OnUsbStatus(false, false);
    if (std::exchange(abandonPending_, false))
        return Finish(OperationStatus::Stopped);
    if (status != OperationStatus::Running)
        Finish(status);
}

void OperationRunner::OnUsbStatus(bool present, bool /*initial*/) {
    if (present)
        return;
    if (inside_) { // handled once the operation's call has returned
        lossPending_ = true;
        return;
    }
    const bool framesCut = std::exchange(repeater_, std::nullopt).has_value();
    // The bar stays where the transfer stopped; the memo and a box say that
    // it ended and what that means.
    std::optional<ShownText> lost;
    if (operation_) {
        const OperationStatus status = operation_->Interrupted(OperationStatus::Failed);
        const bool done = status == OperationStatus::Succeeded;
        view_.AppendMemo(done ? texts::operation::kDeviceLostAfterWork
                              : texts::operation::kDeviceLost);
        if (!done)
            lost = operation_->LostText();
        Finish(status);
    } else if (framesCut) {
        view_.AppendMemo(texts::operation::kFramesCut);
    }
    if (lost && !lost->Text().empty())
        view_.Inform(texts::operation::kDeviceLostCaption, *lost);
    // Nothing more is sent, but an Exit still closes its window.
    if (auto afterwards = std::exchange(afterRepeater_, nullptr))
        afterwards(false);
}

void OperationRunner::Finish(OperationStatus status) {
    operation_.reset();
    lastOutcome_ = status;
    if (onFinished)
        onFinished(status);
}

} // namespace mervadin
