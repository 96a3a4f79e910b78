#include "operation/handshake.h"

#include "frames/device_words.h"
#include "frames/frame_templates.h"

namespace mervadin {

Handshake::Handshake(const HandshakeProfile& profile, DeviceLink& link, OperationView& view)
    : profile_(profile), link_(link), view_(view) {}

void Handshake::Start() {
    overall_ = 0;
    state_ = State::Waiting;
    view_.ClearMemo();
    view_.AppendMemo(profile_.connecting);
    SendRequest();
}

void Handshake::SendRequest() {
    if (attempts_ > 0 && profile_.connectingEveryAttempt) {
        view_.ClearMemo();
        view_.AppendMemo(profile_.connecting);
    }
    ++attempts_;
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildFrame(profile_.request));
    poll_ = 0;
    resend_ = 0;
}

Handshake::State Handshake::OnTick() {
    if (state_ != State::Waiting)
        return state_;
    ++poll_;
    ++resend_;
    ++overall_;
    if (resend_ > profile_.resendAfter)
        SendRequest();
    if (overall_ > profile_.giveUpAfter) {
        view_.ClearMemo();
        for (const auto& line : profile_.givenUp)
            view_.AppendMemo(line);
        return state_ = State::GaveUp;
    }
    if (poll_ < profile_.pollEvery)
        return state_;
    poll_ = 0;
    return Examine();
}

Handshake::State Handshake::OnBytes() {
    return state_ == State::Waiting ? Examine() : state_;
}

Handshake::State Handshake::Examine() {
    const Bytes buffer = link_.Received();
    if (!FrameComplete(buffer) || (profile_.needsOpening && !Search(buffer, words::kOpening)))
        return state_;
    if (VerifyChecksum(buffer) && Search(buffer, words::kOk).has_value() &&
        Search(buffer, words::kModule).has_value()) {
        view_.AppendMemo(profile_.connected);
        return state_ = State::Connected;
    }
    SendRequest();
    return state_;
}

} // namespace mervadin
