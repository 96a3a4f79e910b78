#pragma once
// Writes the settings block into the device: the handshake, then one
// data-block frame, resent on silence, on a damaged answer, on "data_err!"
// and on "timeout!", until the device answers "writespiok!" or the block's
// retry limit (BlockRetries) is reached. The session stays open afterwards:
// no stop frame follows. A file that is no settings file (empty, garbage)
// is refused before anything is sent.
// It is not a BlockWriteOperation: the device erases nothing before the
// settings, answers "timeout!" (resent without counting) rather than
// "writingspi!", and the window shows other lines in another order.

#include "frames/frame_templates.h"
#include "operation/block_retries.h"
#include "operation/operation.h"
#include "settings/settings_block.h"

#include <filesystem>
#include <functional>

namespace mervadin {

const HandshakeProfile& WriteSettingsHandshake();

class WriteSettingsOperation : public Operation {
public:
    static constexpr unsigned kResendAfter = 50;
    static constexpr unsigned kPollEvery = 3;

    WriteSettingsOperation(DeviceLink& link, OperationView& view, std::filesystem::path configFile,
                           const TextEncoding& encoding, std::function<LocalTime()> clock = Now);

    void Start() override;

private:
    void OnConnected() override;
    void TickConnected() override;
    void BytesConnected() override;

    void SendBlock();
    void Examine();
    void Reject(const char* errorLine, const char* boxText);
    // One more answer or silence without the block stored; false when the
    // write has given up.
    bool Retry(const std::string& boxText);
    std::string NotStored() const;
    void Succeed();

    std::filesystem::path configFile_;
    const TextEncoding& encoding_;
    std::function<LocalTime()> clock_;
    DataBlock block_{};
    bool sending_ = false; // after the one tick that follows the answer
    unsigned poll_ = 0;
    unsigned resend_ = 0;
    BlockRetries retries_;
};

} // namespace mervadin
