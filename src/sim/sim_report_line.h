#pragma once
// The simulated device's side of the USB line: the reports it takes from the
// tool and the frames it sends back, each at its time. With USB pacing every
// report takes the next free millisecond of its direction and is handled (or
// goes out) when that millisecond is over; on request an answer goes out
// damaged or after a report of garbage.

#include "sim/sim_behaviour.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace mervadin::sim {

class SimReportLine {
public:
    using Output = std::function<void(const DataReport&)>;
    using Frame = std::vector<std::uint8_t>;

    // With USB pacing each direction holds at most this many reports waiting
    // to be handled or to go out; a report beyond that is dropped, as a full
    // endpoint would refuse it.
    static constexpr std::size_t kMaxPacedReports = 1024;

    SimReportLine(const SimTiming& timing, SimFaults& faults);

    void SetOutput(Output output) { output_ = std::move(output); }

    // A report from the tool: given back when it is handled at once, kept
    // for its millisecond with pacing.
    std::optional<DataReport> Take(const DataReport& report, std::uint64_t nowMs);
    // The next kept report whose millisecond is over.
    std::optional<DataReport> NextArrived(std::uint64_t nowMs);

    // Keeps `frame` to go out at `dueMs`, after those due by then. An empty
    // frame sends nothing: it marks a time for the device.
    void Schedule(std::uint64_t dueMs, Frame frame);
    // The next scheduled frame that is due.
    std::optional<Frame> NextDue(std::uint64_t nowMs);
    bool NothingScheduled() const { return scheduled_.empty(); }
    void DropScheduled() { scheduled_.clear(); }

    // Sends `frame` as reports now (with pacing, each in its millisecond).
    void Send(Frame frame, std::uint64_t nowMs);
    // Paced reports whose millisecond is over go out.
    void Flush(std::uint64_t nowMs);

    // Forgets what waits in either direction.
    void Clear();
    // When something waiting is next due.
    std::optional<std::uint64_t> NextDueMs() const;

private:
    void Emit(const DataReport& report, std::uint64_t nowMs);

    struct Paced {
        std::uint64_t dueMs;
        DataReport report;
    };
    struct Pending {
        std::uint64_t dueMs;
        Frame frame;
    };

    const SimTiming& timing_;
    SimFaults& faults_;
    Output output_;
    std::deque<Paced> inbox_;
    std::deque<Pending> scheduled_; // answers waiting for their time
    std::deque<Paced> outbox_;
    std::uint64_t inBusyUntil_ = 0, outBusyUntil_ = 0;
};

} // namespace mervadin::sim
