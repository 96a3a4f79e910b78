#include "monitor/live_monitor.h"

#include "frames/frame_templates.h"

#include <utility>

namespace mervadin {

LiveMonitor::LiveMonitor(DeviceLink& link, MonitorView& view) : link_(link), view_(view) {
    link_.AddObserver(this);
}

LiveMonitor::~LiveMonitor() {
    link_.RemoveObserver(this);
}

void LiveMonitor::Start() {
    active_ = true;
    running_ = true;
    speaker_ = microphone_ = kNoLevel;
    model_.clear();
    frames_ = 0;
    startPending_ = stopPending_ = forwardPending_ = smsPending_ = false;
    link_.ClearReceiveBuffer();
}

void LiveMonitor::Stop() {
    running_ = false;
    active_ = false;
    startPending_ = false;
}

void LiveMonitor::OnTick() {
    Examine();
}

void LiveMonitor::OnLinkReleased() {
    // What arrived while the window held the link was its exchange's.
    if (running_)
        link_.ClearReceiveBuffer();
}

void LiveMonitor::OnStopRequested() {
    if (!active_)
        return;
    Stop();
    view_.StoppedByRequest();
}

void LiveMonitor::OnBytesArrived() {
    Examine();
}

void LiveMonitor::OnUsbStatus(bool present, bool /*initial*/) {
    if (present || !running_)
        return;
    running_ = false; // the monitor-active flag stays set, as the window shows it
    startPending_ = false;
    view_.DeviceLost();
}

OutgoingFrame LiveMonitor::ChooseAnswer() {
    if (std::exchange(startPending_, false))
        return BuildFrame(frames::kStartDialing);
    if (std::exchange(stopPending_, false))
        return BuildFrame(frames::kStopDialing);
    if (std::exchange(forwardPending_, false))
        return BuildFrame(frames::kForward);
    if (speaker_ != kNoLevel)
        return BuildLevelFrame(LevelKind::Speaker, std::exchange(speaker_, kNoLevel));
    if (microphone_ != kNoLevel)
        return BuildLevelFrame(LevelKind::Microphone, std::exchange(microphone_, kNoLevel));
    if (std::exchange(smsPending_, false))
        return BuildFrame(frames::kSendSms);
    return BuildFrame(frames::kStatusAck);
}

void LiveMonitor::Examine() {
    // Bytes that arrive while a frame is being handled (a device may answer
    // within the send) are looked at once that frame is done.
    if (examining_) {
        again_ = true;
        return;
    }
    examining_ = true;
    do {
        again_ = false;
        ExamineOnce();
    } while (again_);
    examining_ = false;
}

void LiveMonitor::ExamineOnce() {
    if (!running_ || !link_.Holder().empty() || !FrameComplete(link_.Received()))
        return;
    // The frame is kept aside and the buffer cleared just before the answer
    // goes out, so that nothing the device sends after the answer is lost.
    FrameBuffer frame{};
    std::copy(link_.Received().begin(), link_.Received().end(), frame.begin());
    const bool intact = VerifyChecksum(frame);
    const OutgoingFrame answer = intact ? ChooseAnswer() : BuildFrame(frames::kStatusResend);
    link_.ClearReceiveBuffer();
    link_.SendFrame(answer);
    if (!intact)
        return;
    ++frames_;
    for (const DeviceModel* model : ModelsNamed(frame, model_)) {
        model_ = model->id;
        view_.ShowModel(*model);
    }
    view_.ShowStatus(DecodeStatus(frame), frames_);
}

} // namespace mervadin
