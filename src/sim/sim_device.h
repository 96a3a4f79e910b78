#pragma once
// The simulated device: speaks the device's side of every exchange (the
// handshake, the settings, number and voice writes, the call record read and
// the live status frames) over 64-byte reports, keeps what was written, and
// can misbehave on request so that the tool's error paths can be exercised.

#include "frames/frame_codec.h"
#include "frames/frame_templates.h"
#include "sim/sim_behaviour.h"
#include "sim/sim_dialer.h"
#include "sim/sim_report_line.h"
#include "sim/sim_store.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mervadin::sim {

class SimDevice {
public:
    using Output = std::function<void(const DataReport&)>;

    SimDevice();

    // Where the device's input reports go (64 data bytes each).
    void SetOutput(Output output) { line_.SetOutput(std::move(output)); }
    // Told when the device is unplugged or plugged in.
    void SetPlugListener(std::function<void(bool)> listener) {
        plugListener_ = std::move(listener);
    }
    // Told after the device took a report, let time pass or was plugged in
    // or out: what it is and holds may have changed. A window that shows it
    // follows it so, without looking at it on a clock of its own.
    void SetChangeListener(std::function<void()> listener) {
        changeListener_ = std::move(listener);
    }

    // One output report from the tool: its 64 data bytes.
    void Receive(Bytes data);
    // Lets time pass: due answers go out, calls proceed, status frames are sent.
    void Advance(std::uint64_t nowMs);
    // The earliest time at which Advance has something to do, unless a
    // report arrives first; nothing while there is nothing to wait for.
    std::optional<std::uint64_t> NextDueMs() const;

    void Unplug();
    void Plug();
    // A tool connected anew: whatever exchange the last one left is over.
    void Reconnect();
    bool Plugged() const { return plugged_; }
    // Inside a read or write session (not sending status frames).
    bool InSession() const { return mode_ != Mode::Idle; }
    static constexpr std::size_t kMaxPacedReports = SimReportLine::kMaxPacedReports;

    SimFaults& Faults() { return faults_; }
    SimTiming& Timing() { return timing_; }
    SimDialer& Dialer() { return dialer_; }

    // What the device holds.
    const std::optional<DataBlock>& Settings() const { return store_.Settings(); }
    const std::vector<DataBlock>& NumberBlocks() const { return store_.NumberBlocks(); }
    const std::vector<std::uint8_t>& Voice() const { return store_.Voice(); }
    const std::vector<record::Record>& Records() const { return store_.Records(); }
    void AddRecord(const CallRecord& record) { store_.AddRecord(record); }
    void AddSampleRecords(std::size_t count) { store_.AddSampleRecords(count); }
    void AddLookalikeRecords() { store_.AddLookalikeRecords(); }
    unsigned SettingsWrites() const { return store_.SettingsWrites(); }

    // Saves and loads what the device holds; throws FileError.
    void Save(const std::filesystem::path& file) const { store_.Save(file, dialer_.Model()); }
    void Load(const std::filesystem::path& file) {
        dialer_.SetModel(store_.Load(file));
        UpdateDialerNumbers();
    }

private:
    // A settings session the tool left without a stop or exit frame closes
    // after this long without a frame.
    static constexpr std::uint64_t kSessionIdleMs = 3000;

    enum class Mode { Idle, Erasing, AwaitSettings, AwaitBlocks, Reading };
    using Area = SimStore::Area;

    void AdvancePlugged();
    void HandleFrame(const std::vector<std::uint8_t>& frame);
    void HandleRequest(std::string_view text);
    void HandleBlock(const std::vector<std::uint8_t>& frame);
    void HandleReadAnswer(std::string_view text);
    void HandleStatusAnswer(std::string_view text);
    bool ExpectingBlock() const;
    void EndSession();
    bool HoldsWholeFrame() const;

    void Answer(const std::string& payload, std::uint64_t delayMs = 0);
    void SendBytes(std::vector<std::uint8_t> frame, std::uint64_t delayMs);
    void SendReadBlock(std::uint64_t delayMs = 0);
    void SendStatus();
    void ScheduleErase();
    bool MayMoveBlock();
    void FinishFlashWrite();
    void UpdateDialerNumbers() { dialer_.SetNumbers(store_.DialEntries()); }
    // Keeps the calls the dialer ended, whether or not anyone hears of them.
    void KeepEndedCalls();
    void Process(const DataReport& report);
    void Changed() const {
        if (changeListener_)
            changeListener_();
    }

    std::function<void(bool)> plugListener_;
    std::function<void()> changeListener_;
    bool plugged_ = true;
    std::uint64_t nowMs_ = 0;
    SimFaults faults_;
    SimTiming timing_;
    SimDialer dialer_;
    Mode mode_ = Mode::Idle;
    Area area_ = Area::Numbers;

    SimReportLine line_{timing_, faults_};
    SimStore store_;
    std::vector<std::uint8_t> incoming_;
    std::uint64_t lastFrameMs_ = 0;
    bool settingsStored_ = false;

    std::size_t blockIndex_ = 0;        // next block to store or send
    std::optional<DataBlock> inFlight_; // block being written to flash
    std::uint64_t flashDoneMs_ = 0;
    unsigned blocksMoved_ = 0;

    std::string lastStatus_;
    bool statusAnswered_ = true;
    std::uint64_t nextStatusMs_ = 0;
};

} // namespace mervadin::sim
