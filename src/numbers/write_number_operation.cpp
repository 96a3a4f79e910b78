#include "numbers/write_number_operation.h"

#include "common/common_texts.h"
#include "files/file_read.h"
#include "numbers/number_texts.h"
#include "operation/erase_wait.h"

namespace mervadin {

const HandshakeProfile& WriteNumberHandshake() {
    static const HandshakeProfile profile{
        .request = frames::kWriteNumberRequest,
        .pollEvery = 2,
        .resendAfter = 50,
        .giveUpAfter = 1500,
        .needsOpening = true,
        .connecting = texts::numbers::kNumberConnecting,
        .connectingEveryAttempt = false,
        .connected = texts::numbers::kNumberConnected,
        .givenUp = {texts::numbers::kNumberConnectError},
        .guard = texts::numbers::kNumberNoDevice,
        .lost = texts::numbers::kNumbersLost,
    };
    return profile;
}

namespace {

const BlockWriteProfile& NumberWriteProfile() {
    static const BlockWriteProfile profile{
        .handshake = WriteNumberHandshake(),
        .texts =
            {
                .eraseFailed = texts::numbers::kNumberConnectError,
                .eraseEnd = texts::numbers::kNumberEraseEnd,
                .blockAfterLoad = false,
                .send = texts::numbers::kNumberSend,
                .checksumError = texts::numbers::kNumberChecksumError,
                .writing = texts::numbers::kNumberWriting,
                .stored = texts::numbers::kNumberStored,
                .rejected = texts::numbers::kNumberRejected,
                .rejectedError = texts::numbers::kNumberRejectedError,
                .finished = {std::begin(texts::numbers::kNumberWriteOk),
                             std::end(texts::numbers::kNumberWriteOk)},
                .doneBox = std::nullopt,
            },
        .pacing = {.clock = BlockWritePacing::Clock::FastTicks,
                   .pauseBeforeSend = 3,
                   .pollEvery = 2},
    };
    return profile;
}

} // namespace

WriteNumberOperation::WriteNumberOperation(DeviceLink& link, OperationView& view,
                                           std::filesystem::path list, const TextEncoding& encoding)
    : BlockWriteOperation(NumberWriteProfile(), link, view), list_(std::move(list)),
      encoding_(encoding) {}

bool WriteNumberOperation::Prepare() {
    const auto translate = [this](const char* text) { return view_.Translated(text); };
    try {
        packed_ = PackNumberList(ReadLines(list_, kMaxPackedLines), encoding_);
    } catch (const FileError& e) {
        view_.Inform(texts::common::kErrorCaption, e.what());
        return false;
    } catch (const NumberListError& e) {
        const std::string message = e.Message(translate);
        view_.AppendErrorMemo(message);
        view_.Inform(texts::common::kErrorCaption, message);
        return false;
    }
    // One line that names every kind comes first, where the small error
    // memo shows it; the lines at fault follow.
    if (!packed_.warnings.empty())
        view_.AppendErrorMemo(WarningsSummary(packed_.warnings, translate));
    for (const auto& warning : packed_.warnings)
        view_.AppendErrorMemo(warning.Text(translate));
    return true;
}

} // namespace mervadin
