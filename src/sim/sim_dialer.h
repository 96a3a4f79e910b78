#pragma once
// The simulated device's live side: its call state, signal, levels and
// counters, the dialing through its number list when told to start, and the
// status frame that reports all of it (with a call record once a call ends).

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace mervadin::sim {

// One entry of the device's number list.
struct DialEntry {
    std::uint32_t group = 0;
    std::string name;
    std::string number;
};

// A finished call as the device stores it and announces it.
struct CallRecord {
    std::uint32_t group = 0;
    std::string name;
    std::string number;
    int type = 0; // 0 out connected, 1 out failed, 2 in answered, 3 in missed
    int year = 26, month = 1, day = 1;
    int secondOfDay = 0;
    int duration = 0;
};

// The five models the tool knows, and their identifiers.
inline const std::array<const char*, 5> kModels = {"kemo0001", "kemo0002", "kemo0003", "kemo0004",
                                                   "kemo0005"};

class SimDialer {
public:
    explicit SimDialer(std::string model = kModels[0]);

    // Commands carried by the tool's answer to a status frame. Stopping
    // ends the call in progress: it is kept and announced as one that ended
    // by itself is.
    void StartDialing(std::uint64_t nowMs);
    void StopDialing();
    void Forward(std::uint64_t nowMs);
    void SendSms(std::uint64_t nowMs);
    void SetSpeaker(int level) { speaker_ = level; }
    void SetMicrophone(int level) { microphone_ = level; }

    // Advances the call in progress.
    void Advance(std::uint64_t nowMs);
    // The calls that ended since the last look, oldest first: the device
    // keeps each of them, and announces each in a status frame of its own.
    std::vector<CallRecord> TakeEnded();
    // When the call in progress next changes state; nothing while idle.
    std::optional<std::uint64_t> NextChangeMs() const {
        return stateEndsMs_ == 0 ? std::nullopt : std::optional(stateEndsMs_);
    }

    // The payload of the next status frame (without "velorn<" and the
    // checksum trailer). The oldest call not yet announced is announced,
    // once.
    std::string StatusPayload();

    void SetNumbers(std::vector<DialEntry> numbers) { numbers_ = std::move(numbers); }
    const std::vector<DialEntry>& Numbers() const { return numbers_; }
    void SetModel(std::string model) { model_ = std::move(model); }
    const std::string& Model() const { return model_; }
    int State() const { return state_; }
    int Speaker() const { return speaker_; }
    int Microphone() const { return microphone_; }
    bool Dialing() const { return dialing_; }

private:
    void BeginCall(std::uint64_t nowMs);
    void EnterState(int state, std::uint64_t nowMs, std::uint64_t lastsMs);
    void EndCall(int type);

    std::string model_;
    std::vector<DialEntry> numbers_;
    std::size_t next_ = 0;
    bool dialing_ = false;
    int state_ = 1; // "Idel"
    std::uint64_t stateEndsMs_ = 0;
    std::uint64_t talkStartMs_ = 0;
    int talking_ = 0;
    int csq_ = 23;
    int speaker_ = 6;
    int microphone_ = 8;
    std::uint32_t counter_ = 0;
    std::uint32_t calls_ = 0;
    std::string keys_;
    std::vector<CallRecord> ended_;   // to be kept by the device
    std::deque<CallRecord> announce_; // to be announced
    DialEntry current_;
};

} // namespace mervadin::sim
