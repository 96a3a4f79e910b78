#pragma once
// A device exchange, run as a state machine: started once, then fed ticks
// of the 10-ms clock, ticks of the 1-ms clock and the arrival of bytes until
// it ends. Every exchange opens with the connect handshake: ticks and bytes
// go to the handshake until the device has answered (or it gives up), then
// to the exchange that follows, which each operation defines.

#include "operation/handshake.h"

#include <string>

namespace mervadin {

enum class OperationStatus { Running, Succeeded, Failed, Stopped };

class Operation {
public:
    virtual ~Operation() = default;

    // The guard text shown (caption "  Error  ") when no device is connected.
    ShownText GuardText() const { return profile_.guard; }
    // The text of the box shown (caption kDeviceLostCaption) when the device
    // went away before the work was done.
    ShownText LostText() const { return profile_.lost; }
    virtual void Start() = 0;
    OperationStatus OnTick();
    OperationStatus OnBytes();
    // A tick of the 1-ms clock, for exchanges whose pauses are that short.
    OperationStatus OnFastTick();
    // The operation is ended from outside: by Stop or Exit (`proposed` is
    // Stopped) or because the device went away (Failed). An operation whose
    // work is already done may say so and report success instead.
    virtual OperationStatus Interrupted(OperationStatus proposed) { return proposed; }

protected:
    Operation(const HandshakeProfile& profile, DeviceLink& link, OperationView& view);

    void StartHandshake() { handshake_.Start(); }
    // The exchange after the device has answered.
    virtual void OnConnected() = 0;
    virtual void TickConnected() = 0;
    virtual void BytesConnected() = 0;
    virtual void FastTickConnected() {}

    bool Running() const { return status_ == OperationStatus::Running; }
    void End(OperationStatus status) { status_ = status; }

    DeviceLink& link_;
    OperationView& view_;

private:
    void Follow(Handshake::State state);

    const HandshakeProfile& profile_;
    Handshake handshake_;
    bool connected_ = false;
    OperationStatus status_ = OperationStatus::Running;
};

} // namespace mervadin
