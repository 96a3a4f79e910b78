#pragma once
// Runs one operation of a tool window at a time, and the window's Stop and
// Exit commands beside it. While Stop or Exit sends its three frames the
// operation is held and no other starts; afterwards it ends without a
// message. When the device goes away the operation ends at once and nothing
// more is sent: the memo says so, and a box what it means (the device's list
// may be incomplete, nothing read was stored).

#include "operation/frame_repeater.h"
#include "operation/operation.h"
#include "operation/operation_texts.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace mervadin {

// How a tool window ends an exchange with Stop: the length of its stop and
// exit frames, and the line it shows once they are out. The window and the
// command line end the same exchange the same way.
struct StopStyle {
    FrameLength frames;
    const char* line;
};
inline constexpr StopStyle kDownloadWindowStop{FrameLength::Padded,
                                               texts::operation::kDownloadStop};
inline constexpr StopStyle kReadWindowStop{FrameLength::Short, texts::operation::kReadStop};

class OperationRunner : public LinkObserver {
public:
    OperationRunner(DeviceLink& link, OperationView& view);
    ~OperationRunner() override;

    // Refuses with the operation's guard box when no device is connected;
    // otherwise starts it. Returns whether it started.
    bool Run(std::unique_ptr<Operation> operation);

    // Stop and Exit: hold what runs, send `frame` three times, end what ran,
    // then run `afterwards` (append the Stop line, close the window). It gets
    // false when the device went away before all three frames were out.
    void StopWith(OutgoingFrame frame, std::function<void(bool allSent)> afterwards);

    void OnTick();
    // A tick of the 1-ms clock.
    void OnFastTick();
    // Ends what runs at once, silently and without sending anything more.
    void Abandon();

    // An operation runs, or Stop's or Exit's frames are going out.
    bool Busy() const { return operation_ != nullptr || repeater_.has_value(); }
    bool Stopping() const { return repeater_.has_value(); }
    std::optional<OperationStatus> LastOutcome() const { return lastOutcome_; }

    // Called whenever an operation ends, with its outcome.
    std::function<void(OperationStatus)> onFinished;

    // LinkObserver
    void OnUsbStatus(bool present, bool initial) override;
    void OnBytesArrived() override;

private:
    // Marks a call into the operation: an operation that shows a message box
    // lets ticks and bytes through meanwhile, and they must not reach it again.
    struct Reentry {
        explicit Reentry(bool& flag) : flag_(flag) { flag_ = true; }
        ~Reentry() { flag_ = false; }
        bool& flag_;
    };

    void Finish(OperationStatus status);
    void Call(OperationStatus (Operation::*event)());

    DeviceLink& link_;
    OperationView& view_;
    std::unique_ptr<Operation> operation_;
    std::optional<FrameRepeater> repeater_;
    std::function<void(bool)> afterRepeater_;
    bool inside_ = false;
    bool lossPending_ = false;
    bool abandonPending_ = false;
    std::optional<OperationStatus> lastOutcome_;
};

} // namespace mervadin
