#pragma once
// A device exchange run as a state machine: started once, then fed ticks of
// the 10-ms clock, ticks of the 1-ms clock and the arrival of bytes until it
// ends.

#include "operation/handshake.h"

#include <string>

namespace mervadin {

enum class OperationStatus { Running, Succeeded, Failed, Stopped };

class Operation {
public:
    virtual ~Operation() = default;
    // The guard text shown (caption "  Error  ") when no device is connected.
    virtual std::string GuardText() const = 0;
    virtual void Start() = 0;
    virtual OperationStatus OnTick() = 0;
    virtual OperationStatus OnBytes() = 0;
    // A tick of the 1-ms clock, for exchanges whose pauses are that short.
    virtual OperationStatus OnFastTick() = 0;
    // The operation is ended from outside: by Stop or Exit (`proposed` is
    // Stopped) or because the device went away (Failed). An operation whose
    // work is already done may say so and report success instead.
    virtual OperationStatus Interrupted(OperationStatus proposed) { return proposed; }
};

} // namespace mervadin
