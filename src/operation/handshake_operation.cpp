#include "operation/handshake_operation.h"

namespace mervadin {

HandshakeOperation::HandshakeOperation(const HandshakeProfile& profile, DeviceLink& link,
                                       OperationView& view)
    : link_(link), view_(view), profile_(profile), handshake_(profile, link, view) {}

OperationStatus HandshakeOperation::OnTick() {
    if (!Running())
        return status_;
    if (connected_)
        TickConnected();
    else
        Follow(handshake_.OnTick());
    return status_;
}

OperationStatus HandshakeOperation::OnBytes() {
    if (!Running())
        return status_;
    if (connected_)
        BytesConnected();
    else
        Follow(handshake_.OnBytes());
    return status_;
}

OperationStatus HandshakeOperation::OnFastTick() {
    if (Running() && connected_)
        FastTickConnected();
    return status_;
}

void HandshakeOperation::Follow(Handshake::State state) {
    if (state == Handshake::State::GaveUp) {
        End(OperationStatus::Failed);
    } else if (state == Handshake::State::Connected) {
        connected_ = true;
        OnConnected();
    }
}

} // namespace mervadin
