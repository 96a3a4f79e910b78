#pragma once
// The connect handshake that opens each request-answer exchange: send the
// request frame, wait for an intact answer holding "okok!" and "module",
// resend on silence or on a wrong answer, give up after a time. Fed with
// ticks of the 10-ms clock and with the arrival of bytes; never blocks.

#include "common/ui_text.h"
#include "link/device_link.h"
#include "operation/operation_view.h"

#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

struct HandshakeProfile {
    std::string_view request;       // the request frame's template
    unsigned pollEvery;             // look at the buffer when the poll counter reaches this
    unsigned resendAfter;           // resend when the resend counter exceeds this
    unsigned giveUpAfter;           // give up when the overall counter exceeds this
    bool needsOpening;              // a complete answer needs "velorn<" as well as ">end"
    ShownText connecting;           // shown (memo cleared first) before the first request
    bool connectingEveryAttempt;    // shown again, memo cleared, before every resend
    ShownText connected;            // appended on success
    std::vector<ShownText> givenUp; // shown, memo cleared first, on giving up
    ShownText guard;                // message box text when no device is connected
    // The box shown when the device goes away before the work is done: what
    // that means for the device or the files, and what to do.
    ShownText lost;
};

class Handshake {
public:
    enum class State { Waiting, Connected, GaveUp };

    Handshake(const HandshakeProfile& profile, DeviceLink& link, OperationView& view);

    // Clears the overall counter, shows the first message and sends the request.
    void Start();
    // One tick: the counters advance, then the wait's checks run.
    State OnTick();
    // Bytes arrived: look at the buffer at once instead of at the next poll.
    State OnBytes();

    State Current() const { return state_; }

private:
    void SendRequest();
    State Examine();

    const HandshakeProfile& profile_;
    DeviceLink& link_;
    OperationView& view_;
    State state_ = State::Waiting;
    unsigned poll_ = 0;
    unsigned resend_ = 0;
    unsigned overall_ = 0;
    unsigned attempts_ = 0;
};

} // namespace mervadin
