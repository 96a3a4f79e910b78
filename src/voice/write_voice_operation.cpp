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
        .connecting = texts::kVoiceConnecting,
        .connectingEveryAttempt = false,
        .connected = texts::kVoiceConnected,
        .givenUp = {std::begin(texts::kVoiceConnectFailed), std::end(texts::kVoiceConnectFailed)},
        .guard = texts::kVoiceNoDevice,
    };
    return profile;
}

namespace {

const BlockWriteProfile& VoiceWriteProfile() {
    static const BlockWriteProfile profile{
        .handshake = WriteVoiceHandshake(),
        .texts =
            {
                .eraseFailed = texts::kVoiceEraseFailed,
                .eraseEnd = texts::kVoiceEraseEnd,
                .blockAfterLoad = true,
                .send = texts::kVoiceSend,
                .checksumError = texts::kVoiceChecksumError,
                .writing = texts::kVoiceWriting,
                .stored = texts::kVoiceStored,
                .rejected = texts::kVoiceRejected,
                .rejectedError = texts::kVoiceRejected,
                .finished = {std::begin(texts::kVoiceWriteOk), std::end(texts::kVoiceWriteOk)},
                .doneBox = std::pair<std::string, std::string>(texts::kVoiceWriteOkCaption,
                                                               texts::kVoiceWriteOkBox),
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
