#include "sim/sim_report_line.h"

#include "common/byte_search.h"
#include "frames/device_words.h"

#include <algorithm>
#include <string_view>

namespace mervadin::sim {

SimReportLine::SimReportLine(const SimTiming& timing, SimFaults& faults)
    : timing_(timing), faults_(faults) {}

std::optional<DataReport> SimReportLine::Take(const DataReport& report, std::uint64_t nowMs) {
    if (!timing_.usbPacing)
        return report;
    if (inbox_.size() < kMaxPacedReports) {
        inBusyUntil_ = std::max(inBusyUntil_, nowMs) + 1;
        inbox_.push_back({inBusyUntil_, report});
    }
    return std::nullopt;
}

std::optional<DataReport> SimReportLine::NextArrived(std::uint64_t nowMs) {
    if (inbox_.empty() || inbox_.front().dueMs > nowMs)
        return std::nullopt;
    const DataReport report = inbox_.front().report;
    inbox_.pop_front();
    return report;
}

void SimReportLine::Schedule(std::uint64_t dueMs, Frame frame) {
    auto at = std::upper_bound(scheduled_.begin(), scheduled_.end(), dueMs,
                               [](std::uint64_t d, const Pending& p) { return d < p.dueMs; });
    scheduled_.insert(at, {dueMs, std::move(frame)});
}

std::optional<SimReportLine::Frame> SimReportLine::NextDue(std::uint64_t nowMs) {
    if (scheduled_.empty() || scheduled_.front().dueMs > nowMs)
        return std::nullopt;
    Frame frame = std::move(scheduled_.front().frame);
    scheduled_.pop_front();
    return frame;
}

void SimReportLine::Send(Frame frame, std::uint64_t nowMs) {
    if (faults_.damagedAnswers > 0) {
        --faults_.damagedAnswers;
        if (const auto colon = Search(frame, words::kChecksumTag))
            frame[*colon + 6] = frame[*colon + 6] == '0' ? '1' : '0';
    }
    if (faults_.garbageReports > 0) {
        --faults_.garbageReports;
        DataReport noise;
        const std::string_view pattern = "@#noise#@";
        for (std::size_t i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<std::uint8_t>(pattern[i % pattern.size()]);
        Emit(noise, nowMs);
    }
    for (std::size_t at = 0; at < frame.size(); at += 64) {
        DataReport report{};
        std::copy_n(frame.begin() + static_cast<std::ptrdiff_t>(at),
                    std::min<std::size_t>(64, frame.size() - at), report.begin());
        Emit(report, nowMs);
    }
}

void SimReportLine::Emit(const DataReport& report, std::uint64_t nowMs) {
    if (timing_.usbPacing) {
        if (outbox_.size() >= kMaxPacedReports)
            return;
        outBusyUntil_ = std::max(outBusyUntil_, nowMs) + 1;
        outbox_.push_back({outBusyUntil_, report});
    } else if (output_) {
        output_(report);
    }
}

void SimReportLine::Flush(std::uint64_t nowMs) {
    while (!outbox_.empty() && outbox_.front().dueMs <= nowMs) {
        const DataReport report = outbox_.front().report;
        outbox_.pop_front();
        if (output_)
            output_(report);
    }
}

void SimReportLine::Clear() {
    inbox_.clear();
    outbox_.clear();
    scheduled_.clear();
}

std::optional<std::uint64_t> SimReportLine::NextDueMs() const {
    std::optional<std::uint64_t> due;
    for (const auto& queue : {&inbox_, &outbox_})
        if (!queue->empty())
            due = std::min(due.value_or(queue->front().dueMs), queue->front().dueMs);
    if (!scheduled_.empty())
        due = std::min(due.value_or(scheduled_.front().dueMs), scheduled_.front().dueMs);
    return due;
}

} // namespace mervadin::sim
