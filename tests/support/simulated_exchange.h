#pragma once
// An operation run against the simulated device with nothing but the
// test's own clock: the device, the transport and link to it, what the
// operation shows, and its runner.

#include "operation/operation_runner.h"
#include "sim/sim_device.h"
#include "support/direct_transport.h"

#include <algorithm>
#include <memory>
#include <string>

namespace mervadin::test {

class SimulatedExchange {
protected:
    SimulatedExchange() {
        device.Timing().statusIntervalMs = 0; // no status frames unless a test wants them
        link.Open();
    }

    // Runs `operation` until it ends or `maxTicks` ticks of the 10-ms clock
    // have passed, each also 10 ms of device time; with `fastTicks`, a tick
    // of the 1-ms clock every millisecond between them.
    OperationStatus RunTicks(std::unique_ptr<Operation> operation, unsigned maxTicks,
                             bool fastTicks = false) {
        runner.Run(std::move(operation));
        for (unsigned tick = 0; tick < maxTicks && runner.Busy(); ++tick) {
            for (int ms = 0; ms < 10 && runner.Busy(); ++ms) {
                transport.Pass(1);
                if (fastTicks)
                    runner.OnFastTick();
            }
            if (runner.Busy())
                runner.OnTick();
        }
        return runner.LastOutcome().value_or(OperationStatus::Running);
    }
    // How often `line` stands in the memo.
    long Count(const std::string& line) const {
        return std::count(view.memo.begin(), view.memo.end(), line);
    }

    sim::SimDevice device;
    DirectTransport transport{&device};
    DeviceLink link{transport};
    RecordingView view;
    OperationRunner runner{link, view};
};

} // namespace mervadin::test
