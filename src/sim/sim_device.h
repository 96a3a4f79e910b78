#pragma once
// The simulated device: speaks the device's side of every exchange (the
// handshake, the settings, number and voice writes, the call record read and
// the live status frames) over 64-byte reports, keeps what was written, and
// can misbehave on request so that the tool's error paths can be exercised.

#include "frames/frame_codec.h"
#include "frames/frame_templates.h"
#include "sim/record_codec.h"
#include "sim/sim_dialer.h"

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mervadin::sim {

using DataReport = std::array<std::uint8_t, 64>;

// Misbehaviour, each counted down as it is used.
struct SimFaults {
    unsigned silentRequests = 0;               // ignore this many request frames
    unsigned damagedAnswers = 0;               // spoil the checksum of this many answers
    unsigned dataErrors = 0;                   // answer "data_err!" to this many blocks
    unsigned timeouts = 0;                     // answer "timeout!" to this many blocks
    std::optional<unsigned> unplugAfterBlocks; // unplug once this many blocks went either way
    unsigned garbageReports = 0;               // precede this many frames by a report of garbage
};

struct SimTiming {
    std::uint64_t flashWriteMs = 5;       // from "writingspi!" to "writespiok!"
    std::uint64_t eraseStepMs = 20;       // between erase answers
    unsigned eraseSteps = 3;              // "earse:" answers per erase
    std::uint64_t statusIntervalMs = 300; // between status frames; 0: none
    std::uint64_t statusRetryMs = 1000;   // resend a status frame nobody answered
    bool usbPacing = false;               // one report per millisecond each way
};

class SimDevice {
public:
    using Output = std::function<void(const DataReport&)>;

    SimDevice();

    // Where the device's input reports go (64 data bytes each).
    void SetOutput(Output output) { output_ = std::move(output); }
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
    // With USB pacing each direction holds at most this many reports waiting
    // to be handled or to go out; a report beyond that is dropped, as a full
    // endpoint would refuse it.
    static constexpr std::size_t kMaxPacedReports = 1024;

    SimFaults& Faults() { return faults_; }
    SimTiming& Timing() { return timing_; }
    SimDialer& Dialer() { return dialer_; }

    // What the device holds.
    const std::optional<DataBlock>& Settings() const { return settings_; }
    const std::vector<DataBlock>& NumberBlocks() const { return numbers_; }
    const std::vector<std::uint8_t>& Voice() const { return voice_; }
    const std::vector<record::Record>& Records() const { return records_; }
    void AddRecord(const CallRecord& record);
    // Adds `count` made-up call records of every type, the same each time.
    void AddSampleRecords(std::size_t count);
    // Records whose bytes look like protocol words: names holding ">end",
    // "checksum:" and "velorn<", and a call on 2026/9/30 at 14:25:32, whose
    // date bytes read ">end".
    void AddLookalikeRecords();
    unsigned SettingsWrites() const { return settingsWrites_; }

    // Saves and loads what the device holds; throws FileError.
    void Save(const std::filesystem::path& file) const;
    void Load(const std::filesystem::path& file);

private:
    // A settings session the tool left without a stop or exit frame closes
    // after this long without a frame.
    static constexpr std::uint64_t kSessionIdleMs = 3000;

    enum class Mode { Idle, Erasing, AwaitSettings, AwaitBlocks, Reading };
    enum class Area { Numbers, Voice };

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
    void EmitFrame(std::vector<std::uint8_t> frame);
    void StoreBlock(const DataBlock& block);
    void FinishFlashWrite();
    void UpdateDialerNumbers();
    // Keeps the calls the dialer ended, whether or not anyone hears of them.
    void KeepEndedCalls();
    void Emit(const DataReport& report);
    void Process(const DataReport& report);
    void Changed() const {
        if (changeListener_)
            changeListener_();
    }

    struct Pending {
        std::uint64_t dueMs;
        std::vector<std::uint8_t> frame;
    };

    Output output_;
    std::function<void(bool)> plugListener_;
    std::function<void()> changeListener_;
    bool plugged_ = true;
    std::uint64_t nowMs_ = 0;
    SimFaults faults_;
    SimTiming timing_;
    SimDialer dialer_;
    Mode mode_ = Mode::Idle;
    Area area_ = Area::Numbers;

    std::vector<std::uint8_t> incoming_;
    // With USB pacing every report takes the next free millisecond of its
    // direction: it is handled (or goes out) when that millisecond is over.
    struct Paced {
        std::uint64_t dueMs;
        DataReport report;
    };
    std::deque<Paced> inbox_;
    std::deque<Pending> scheduled_; // answers waiting for their time
    std::deque<Paced> outbox_;
    std::uint64_t inBusyUntil_ = 0, outBusyUntil_ = 0;
    std::uint64_t lastFrameMs_ = 0;

    std::optional<DataBlock> settings_;
    unsigned settingsWrites_ = 0;
    bool settingsStored_ = false;
    std::vector<DataBlock> numbers_;
    std::vector<std::uint8_t> voice_;
    std::vector<record::Record> records_;

    std::size_t blockIndex_ = 0;        // next block to store or send
    std::optional<DataBlock> inFlight_; // block being written to flash
    std::uint64_t flashDoneMs_ = 0;
    unsigned blocksMoved_ = 0;

    std::string lastStatus_;
    bool statusAnswered_ = true;
    std::uint64_t nextStatusMs_ = 0;
};

} // namespace mervadin::sim
