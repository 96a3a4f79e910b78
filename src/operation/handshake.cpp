#include "operation/handshake.h"

#include "frames/frame_templates.h"

namespace mervadin {

const HandshakeProfile& WriteSettingsHandshake() {
    static const HandshakeProfile profile{frames::kWriteSettingRequest,
                                          2,
                                          100,
                                          2500,
                                          true,
                                          "Connecting......",
                                          false,
                                          "Connected   ",
                                          {"Connect Error!"},
                                          "   No Connect!  "};
    return profile;
}

const HandshakeProfile& WriteNumberHandshake() {
    static const HandshakeProfile profile{frames::kWriteNumberRequest,
                                          2,
                                          50,
                                          1500,
                                          true,
                                          "Connecting......\r",
                                          false,
                                          "Connected! \r",
                                          {"ConnectError! \r"},
                                          "No Connect  "};
    return profile;
}

const HandshakeProfile& WriteVoiceHandshake() {
    static const HandshakeProfile profile{frames::kWriteMusicRequest,
                                          2,
                                          50,
                                          1500,
                                          true,
                                          "   连接中......\r",
                                          false,
                                          "Connected \r",
                                          {"   连接失败 \r", "   请检查数据线连接是否正确 \r",
                                           "   请检查ZAR是否开机\r", "   检查完成后,再连接\r"},
                                          "   没有连接!!  "};
    return profile;
}

const HandshakeProfile& ReadCdrHandshake() {
    static const HandshakeProfile profile{frames::kReadCdrRequest,
                                          1,
                                          50,
                                          1500,
                                          false,
                                          "Connecting......\r",
                                          true,
                                          "Connected!  \r",
                                          {"Connect Error! \r"},
                                          "   No Connect!  "};
    return profile;
}

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
    if (!FrameComplete(buffer) || (profile_.needsOpening && Search(buffer, frames::kOpening) == 0))
        return state_;
    if (VerifyChecksum(buffer) && Search(buffer, "okok!") != 0 && Search(buffer, "module") != 0) {
        view_.AppendMemo(profile_.connected);
        return state_ = State::Connected;
    }
    SendRequest();
    return state_;
}

} // namespace mervadin
