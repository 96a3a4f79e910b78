#pragma once
// Writes the settings block into the device: the handshake, then one
// data-block frame, resent on silence, on a damaged answer, on "data_err!"
// and on "timeout!", until the device answers "writespiok!". The session
// stays open afterwards: no stop frame follows.

#include "link/operation.h"
#include "settings/settings_block.h"

#include <filesystem>
#include <functional>

namespace mervadin {

class WriteSettingsOperation : public Operation {
public:
    static constexpr unsigned kResendAfter = 50;
    static constexpr unsigned kPollEvery = 3;
    static constexpr unsigned kMaxRetries = 50;

    WriteSettingsOperation(DeviceLink& link, OperationView& view,
                           std::filesystem::path configFile,
                           std::function<LocalTime()> clock = Now);

    std::string GuardText() const override { return WriteSettingsHandshake().guard; }
    void Start() override;
    OperationStatus OnTick() override;
    OperationStatus OnBytes() override;

    const SettingsBlock& Block() const { return block_; }

private:
    enum class Phase { Connecting, Settling, Sending, Done };

    OperationStatus AfterHandshake(Handshake::State state);
    void SendBlock();
    OperationStatus Examine();
    OperationStatus Reject(const char* errorLine, const char* boxText);
    OperationStatus Succeed();

    DeviceLink& link_;
    OperationView& view_;
    std::filesystem::path configFile_;
    std::function<LocalTime()> clock_;
    Handshake handshake_;
    Phase phase_ = Phase::Connecting;
    SettingsBlock block_{};
    unsigned poll_ = 0;
    unsigned resend_ = 0;
    unsigned retries_ = 0;
    OperationStatus status_ = OperationStatus::Running;
};

} // namespace mervadin
