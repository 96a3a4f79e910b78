#pragma once
// An operation that opens its exchange with the connect handshake: ticks and
// bytes go to the handshake until the device has answered (or it gives up),
// then to the exchange that follows.

#include "operation/handshake.h"
#include "operation/operation.h"

namespace mervadin {

class HandshakeOperation : public Operation {
public:
    std::string GuardText() const final { return profile_.guard; }
    OperationStatus OnTick() final;
    OperationStatus OnBytes() final;
    OperationStatus OnFastTick() final;

protected:
    HandshakeOperation(const HandshakeProfile& profile, DeviceLink& link, OperationView& view);

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
