#include "settings/write_settings_operation.h"

#include "common/common_texts.h"
#include "files/file_read.h"
#include "frames/device_words.h"
#include "frames/frame_templates.h"
#include "operation/operation_texts.h"
#include "settings/settings_texts.h"

#include <iterator>

namespace mervadin {

const HandshakeProfile& WriteSettingsHandshake() {
    static const HandshakeProfile profile{
        .request = frames::kWriteSettingRequest,
        .pollEvery = 2,
        .resendAfter = 100,
        .giveUpAfter = 2500,
        .needsOpening = true,
        .connecting = texts::settings::kSettingsConnecting,
        .connectingEveryAttempt = false,
        .connected = texts::settings::kSettingsConnected,
        .givenUp = {texts::settings::kSettingsConnectError},
        .guard = texts::settings::kSettingsNoDevice,
        .lost = texts::settings::kSettingsLost,
    };
    return profile;
}

WriteSettingsOperation::WriteSettingsOperation(DeviceLink& link, OperationView& view,
                                               std::filesystem::path configFile,
                                               const TextEncoding& encoding,
                                               std::function<LocalTime()> clock)
    : Operation(WriteSettingsHandshake(), link, view), configFile_(std::move(configFile)),
      encoding_(encoding), clock_(std::move(clock)) {}

void WriteSettingsOperation::Start() {
    view_.ClearMemo();
    view_.ClearErrorMemo();
    try {
        const std::string text = ReadFileBytes(configFile_);
        // An empty or garbled file would go out as zeros and be reported
        // written: nothing is sent.
        if (const auto fault = CheckSettingsFile(text)) {
            view_.Inform(texts::common::kErrorCaption, SettingsFaultMessage(configFile_, *fault));
            End(OperationStatus::Failed);
            return;
        }
        const auto config = SettingsIndex::OfText(text);
        // A number field holding letters would go out as 0 and be reported
        // written: nothing is sent until the file is mended.
        if (const auto notNumbers = SettingsNotNumbers(config); !notNumbers.empty()) {
            const auto translate = [this](const char* what) { return view_.Translated(what); };
            view_.Inform(texts::common::kErrorCaption,
                         NotNumbersMessage(configFile_, config, notNumbers, SettingNames::Labels,
                                           translate));
            End(OperationStatus::Failed);
            return;
        }
        block_ = BuildSettingsBlock(config, clock_(), encoding_);
    } catch (const FileError& e) {
        view_.Inform(texts::common::kErrorCaption, std::string(e.what()));
        End(OperationStatus::Failed);
        return;
    }
    view_.SetProgress(0, "0%");
    StartHandshake();
}

void WriteSettingsOperation::OnConnected() {
    view_.AppendMemo(texts::operation::kBlockRule);
    view_.AppendMemo(texts::settings::kSettingsLoad);
    view_.AppendMemo("0");
    retries_.Reset();
}

void WriteSettingsOperation::TickConnected() {
    if (!sending_) // one tick between the answer and the block
        return SendBlock();
    ++poll_;
    if (++resend_ > kResendAfter)
        return Retry(NotStored()) ? SendBlock() : void();
    if (poll_ < kPollEvery)
        return;
    poll_ = 0;
    Examine();
}

void WriteSettingsOperation::BytesConnected() {
    if (sending_)
        Examine();
}

void WriteSettingsOperation::SendBlock() {
    sending_ = true;
    view_.AppendMemo(texts::settings::kSettingsSend);
    link_.ClearReceiveBuffer();
    link_.SendFrame(BuildDataBlockFrame(block_));
    poll_ = 0;
    resend_ = 0;
}

void WriteSettingsOperation::Examine() {
    const Bytes buffer = link_.Received();
    if (!Search(buffer, words::kOpening) || !FrameComplete(buffer))
        return;
    if (!VerifyChecksum(buffer))
        return Reject(texts::settings::kSettingsChecksumError,
                      texts::settings::kSettingsChecksumBox);
    if (ShortSearch(buffer, words::kStored).has_value())
        return Succeed();
    if (ShortSearch(buffer, words::kDataError).has_value())
        return Reject(texts::settings::kSettingsDataError, texts::settings::kSettingsDataErrorBox);
    if (ShortSearch(buffer, words::kTimeout).has_value()) {
        view_.AppendErrorMemo(texts::settings::kSettingsTimeOut);
        view_.AppendMemo(texts::operation::kBlockRule);
        // Counted too: a device that times out for ever must not keep the
        // write going for ever.
        return Retry(NotStored()) ? SendBlock() : void();
    }
    link_.ClearReceiveBuffer();
    Retry(NotStored()); // any other answer: the wait goes on, counted
}

void WriteSettingsOperation::Reject(const char* errorLine, const char* boxText) {
    view_.AppendErrorMemo(errorLine);
    view_.AppendErrorMemo(std::to_string(retries_.Count()));
    view_.AppendMemo(texts::operation::kBlockRule);
    if (Retry(boxText))
        SendBlock();
}

std::string WriteSettingsOperation::NotStored() const {
    return BlockRetries::NotStoredText([this](const char* text) { return view_.Translated(text); });
}

bool WriteSettingsOperation::Retry(const std::string& boxText) {
    if (!retries_.Exceeded())
        return true;
    End(OperationStatus::Failed); // before the box: ticks go on while it shows
    view_.Inform(texts::settings::kSettingsBoxCaption, boxText);
    return false;
}

void WriteSettingsOperation::Succeed() {
    view_.AppendMemo(texts::settings::kSettingsSaved);
    retries_.Reset();
    view_.SetProgress(100, "100%");
    for (const char* line : texts::settings::kSettingsWriteOk)
        view_.AppendMemo(line);
    End(OperationStatus::Succeeded);
    view_.Inform(texts::settings::kSettingsBoxCaption, texts::settings::kSettingsWriteOkBox);
}

} // namespace mervadin
