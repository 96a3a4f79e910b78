#pragma once
// The live monitor: the device sends status frames on its own and the tool
// answers each intact one with exactly one frame, sent before the frame is
// decoded: the acknowledgement, or the command the operator asked for (start
// alone first, then stop dialing, forward, speaker level, microphone level,
// SMS; each sent once). A damaged frame is answered with a resend request.

#include "link/device_link.h"
#include "monitor/status_decoder.h"

#include <cstdint>
#include <string>

namespace mervadin {

class MonitorView {
public:
    virtual ~MonitorView() = default;
    // An intact status frame was answered and decoded.
    virtual void ShowStatus(const StatusReport& report, std::uint32_t frameCount) = 0;
    // A frame named a model other than the current one.
    virtual void ShowModel(const DeviceModel& model) = 0;
    // The device went away while monitoring.
    virtual void DeviceLost() = 0;
    // A tool window's Stop or Exit ended the monitor.
    virtual void StoppedByRequest() {}
};

class LiveMonitor : public LinkObserver {
public:
    static constexpr int kNoLevel = 31;

    LiveMonitor(DeviceLink& link, MonitorView& view);
    ~LiveMonitor() override;

    void Start();
    // Ends the monitor; nothing is sent.
    void Stop();
    bool Active() const { return active_; }
    // The loop answers status frames (an unplug ends it; Active() stays).
    bool Running() const { return running_; }
    const std::string& Model() const { return model_; }

    // The operator's requests, each carried by the answer to a later frame.
    void RequestStart() { startPending_ = true; }
    void RequestStopDialing() { stopPending_ = true; }
    void RequestForward() { forwardPending_ = true; }
    void RequestSms() { smsPending_ = true; }
    // A level outside 0-99 (a box with no item chosen) is not sent.
    void RequestSpeaker(int level) { speaker_ = Valid(level) ? level : kNoLevel; }
    void RequestMicrophone(int level) { microphone_ = Valid(level) ? level : kNoLevel; }
    // A level asked for and not sent yet.
    bool SpeakerPending() const { return speaker_ != kNoLevel; }
    bool MicrophonePending() const { return microphone_ != kNoLevel; }

    // A poll of the receive buffer (the 1-ms clock); bytes arriving do the same.
    void OnTick();

    // LinkObserver
    void OnUsbStatus(bool present, bool initial) override;
    void OnBytesArrived() override;
    void OnLinkReleased() override;
    void OnStopRequested() override;

private:
    static bool Valid(int level) { return level >= 0 && level <= 99 && level != kNoLevel; }
    void Examine();
    void ExamineOnce();
    OutgoingFrame ChooseAnswer();

    DeviceLink& link_;
    MonitorView& view_;
    bool active_ = false;
    bool running_ = false; // the loop runs (a lost device stops it, the flag stays)
    bool startPending_ = false, stopPending_ = false, forwardPending_ = false, smsPending_ = false;
    int speaker_ = kNoLevel, microphone_ = kNoLevel;
    std::uint32_t frames_ = 0;
    bool examining_ = false, again_ = false;
    std::string model_;
};

} // namespace mervadin
