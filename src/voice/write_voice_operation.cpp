#include "voice/write_voice_operation.h"

#include "voice/voice_texts.h"

#include <iterator>

namespace mervadin {

const HandshakeProfile& WriteVoiceHandshake() {
    static const HandshakeProfile profile{
        .request = frames::kWriteMusicRequest,
        .pollEvery = 2,
        .resendAfter = 50,
        .giveUpAfter = 1500,
        .needsOpening = true,
        .connecting = texts::voice::kVoiceConnecting,
        .connectingEveryAttempt = false,
        .connected = texts::voice::kVoiceConnected,
        .givenUp = {std::begin(texts::voice::kVoiceConnectFailed),
                    std::end(texts::voice::kVoiceConnectFailed)},
        .guard = texts::voice::kVoiceNoDevice,
        .lost = texts::voice::kVoiceLost,
    };
    return profile;
}

namespace {

const BlockWriteProfile& VoiceWriteProfile() {
    static const BlockWriteProfile profile{
        .handshake = WriteVoiceHandshake(),
        .texts =
            {
                .eraseFailed = texts::voice::kVoiceEraseFailed,
                .eraseEnd = texts::voice::kVoiceEraseEnd,
                .blockAfterLoad = true,
                .send = texts::voice::kVoiceSend,
                .checksumError = texts::voice::kVoiceChecksumError,
                .writing = texts::voice::kVoiceWriting,
                .stored = texts::voice::kVoiceStored,
                .rejected = texts::voice::kVoiceRejected,
                .rejectedError = texts::voice::kVoiceRejected,
                .finished = {std::begin(texts::voice::kVoiceWriteOk),
                             std::end(texts::voice::kVoiceWriteOk)},
                .doneBox = std::pair<std::string, std::string>(texts::voice::kVoiceWriteOkCaption,
                                                               texts::voice::kVoiceWriteOkBox),
            },
        .pacing = {.clock = BlockWritePacing::Clock::Ticks, .pauseBeforeSend = 1, .pollEvery = 1},
    };
    return profile;
}

} // namespace

WriteVoiceOperation::WriteVoiceOperation(DeviceLink& link, OperationView& view, VoiceBuffer& voice)
    : BlockWriteOperation(VoiceWriteProfile(), link, view), voice_(voice) {}

bool WriteVoiceOperation::Prepare() {
    blocks_ = voice_.BlockCount();
    return true;
}

} // namespace mervadin
