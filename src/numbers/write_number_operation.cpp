#include "numbers/write_number_operation.h"

#include "common/common_texts.h"
#include "files/file_read.h"
#include "numbers/number_texts.h"
#include "operation/erase_wait.h"

#include <algorithm>

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

// The findings listed one by one; past them the memo says how many more
// there are (the list editor's Check lists every one).
constexpr std::size_t kShownFindings = 1000;

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
                                           std::filesystem::path list, BlockedNumbersSource blocked,
                                           const TextEncoding& encoding)
    : BlockWriteOperation(NumberWriteProfile(), link, view), list_(std::move(list)),
      blocked_(std::move(blocked)), encoding_(encoding) {}

bool WriteNumberOperation::Prepare() {
    const auto translate = [this](const char* text) { return view_.Translated(text); };
    try {
        const NumberListLines read = ReadNumberList(list_);
        const BlockedNumbers blocked = blocked_ ? blocked_() : BlockedNumbers();
        packed_ = PackNumberList(read.lines, encoding_, blocked, read.total);
    } catch (const FileError& e) {
        view_.Inform(texts::common::kErrorCaption, e.Message(translate));
        return false;
    } catch (const NumberListError& e) {
        const std::string message = e.Message(translate);
        view_.AppendErrorMemo(message);
        view_.Inform(texts::common::kErrorCaption, message);
        return false;
    }
    // A line that counts every kind comes first, where the error memo's top
    // shows it; the findings follow, each naming its line.
    const auto& findings = packed_.findings;
    if (!findings.empty())
        view_.AppendErrorMemo(FindingsSummary(findings, translate, packed_.totalLines));
    const std::size_t shown = std::min(findings.size(), kShownFindings);
    for (std::size_t i = 0; i < shown; ++i)
        view_.AppendErrorMemo(findings[i].Text(translate));
    if (findings.size() > shown)
        view_.AppendErrorMemo(FillIn(translate(texts::numbers::kMoreFindings),
                                     {std::to_string(findings.size() - shown)}));
    return true;
}

} // namespace mervadin
