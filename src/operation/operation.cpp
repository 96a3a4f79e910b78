#include "operation/operation.h"

namespace mervadin {

Operation::Operation(const HandshakeProfile& profile, DeviceLink& link, OperationView& view)
    : link_(link), view_(view), profile_(profile), handshake_(profile, link, view) {}

OperationStatus Operation::OnTick() {
    if (!Running())
        return status_;
    if (connected_)
        TickConnected();
    else
        Follow(handshake_.OnTick());
    return status_;
}

OperationStatus Operation::OnBytes() {
    if (!Running())
        return status_;
    if (connected_)
        BytesConnected();
    else
        Follow(handshake_.OnBytes());
    return status_;
}

OperationStatus Operation::OnFastTick() {
    if (Running() && connected_)
        FastTickConnected();
    return status_;
}

void Operation::Follow(Handshake::State state) {
    if (state == Handshake::State::GaveUp) {
        End(OperationStatus::Failed);
    } else if (state == Handshake::State::Connected) {
        connected_ = true;
        OnConnected();
    }
}

} // namespace mervadin
