#include "settings/settings_block.h"

#include "common/decimal.h"
#include "files/path_text.h"
#include "settings/settings_file.h"
#include "settings/settings_form.h"
#include "settings/settings_keys.h"
#include "settings/settings_texts.h"

#include <algorithm>
#include <string>

namespace mervadin {

namespace {

class BlockWriter {
public:
    BlockWriter(const SettingsIndex& config, DataBlock& block, const TextEncoding& encoding,
                std::vector<std::string>* notNumbers = nullptr)
        : config_(config), block_(block), encoding_(encoding), notNumbers_(notNumbers) {}

    // A number field's value; one that is neither empty nor a decimal
    // integer counts as 0 and is noted.
    std::int32_t Int(const char* key) const {
        const std::string text = Text(key);
        if (!text.empty() && !ParseDecimal(text))
            Note(key);
        return ParseIntSetting(text);
    }
    std::string Text(const char* key) const { return config_.Text(key); }

    // The low `width` bytes of the value, most significant first.
    void Number(std::size_t offset, std::size_t width, std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < width; ++i)
            block_[offset + i] = static_cast<std::uint8_t>(bits >> (8 * (width - 1 - i)));
    }
    void Number(std::size_t offset, std::size_t width, const char* key) {
        Number(offset, width, Int(key));
    }
    // Up to `size` bytes, cut at a character boundary, zero-padded; a
    // full-length text has no terminating zero.
    void TextField(std::size_t offset, std::size_t size, const char* key) {
        const std::string text = CutText(Text(key), size, encoding_);
        std::copy(text.begin(), text.end(), block_.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    // 16 nibbles: the low four bits of each character, 0xC after the text.
    // Only digits give their own value, and only 16 fit: any other text is
    // noted.
    void DigitField(std::size_t offset, const char* key) {
        const std::string text = Text(key);
        if (text.size() > 16 || text.find_first_not_of("0123456789") != std::string::npos)
            Note(key);
        for (std::size_t i = 0; i < 16; ++i) {
            const std::uint8_t nibble = i < text.size() ? text[i] & 0x0F : 0x0C;
            std::uint8_t& byte = block_[offset + i / 2];
            byte = i % 2 == 0 ? static_cast<std::uint8_t>(nibble << 4)
                              : static_cast<std::uint8_t>(byte | nibble);
        }
    }

private:
    void Note(const char* key) const {
        if (notNumbers_ &&
            std::find(notNumbers_->begin(), notNumbers_->end(), key) == notNumbers_->end())
            notNumbers_->push_back(key);
    }

    const SettingsIndex& config_;
    DataBlock& block_;
    const TextEncoding& encoding_;
    std::vector<std::string>* notNumbers_;
};

void FillBlock(BlockWriter& w, DataBlock& block, const LocalTime& at);

// Whether the editor takes `key` as a telephone number.
bool IsTelephone(const std::string& key) {
    for (const auto& text : SettingsTexts())
        if (text.key == key)
            return text.telephone;
    return false;
}

std::uint8_t Bcd(int value) {
    return static_cast<std::uint8_t>((value / 10 % 10) << 4 | (value % 10));
}

void FillOneByteValues(BlockWriter& w) {
    static const std::pair<std::size_t, const char*> bytes[] = {
        {2, keys::kDtmfDial},
        {13, keys::kCallOutOutsidePhonebook},
        {14, keys::kCallInOutsidePhonebook},
        {16, keys::kRebootAfterFailures},
        {30, keys::kRingBackVolume},
        {31, keys::kBuzzer},
        {32, keys::kSpeakerVolume},
        {33, keys::kMicVolume},
        {34, keys::kSlaveSpeaker},
        {35, keys::kSlaveMic},
        {36, keys::kMusicTxVolume},
        {37, keys::kMusicRxVolume},
        {38, keys::kRingTone},
        {39, keys::kRingVolume},
        {40, keys::kSpeakerVolume},
        {41, keys::kMicVolume},
        {42, keys::kListenVolume},
        {43, keys::kForwardRingVolume},
        {66, keys::kDialInDelay},
        {67, keys::kTaskWork},
        {69, keys::kSmsAfterAnswer},
        {71, keys::kRecording},
        {72, keys::kSmsToHost},
        {73, keys::kSmsToCalled},
        {78, keys::kRecordingSwitch},
        {79, keys::kCallBack},
        {80, keys::kAnsweredWait},
        {83, keys::kWaitingServiceTime},
        {89, keys::kAutoPickup},
        {90, keys::kDialInType},
        {92, keys::kSlaveSmsToHost},
        {93, keys::kSlaveSmsToCalled},
    };
    for (const auto& [offset, key] : bytes)
        w.Number(offset, 1, key);
}

void FillPeriods(BlockWriter& w) {
    for (std::size_t period = 0; period < 4; ++period)
        for (std::size_t i = 0; i < 4; ++i)
            w.Number(176 + 16 * period + i, 1, keys::kPeriods[period][i]);
}

} // namespace

DataBlock BuildSettingsBlock(const Lines& config, const LocalTime& at,
                             const TextEncoding& encoding) {
    return BuildSettingsBlock(SettingsIndex::OfLines(config), at, encoding);
}

std::vector<std::string> SettingsNotNumbers(const SettingsIndex& config) {
    std::vector<std::string> notNumbers;
    DataBlock block{};
    BlockWriter w(config, block, Utf8Encoding(), &notNumbers);
    FillBlock(w, block, LocalTime{});
    return notNumbers;
}

std::string NotNumbersMessage(const std::filesystem::path& configFile, const SettingsIndex& config,
                              const std::vector<std::string>& keys, SettingNames names,
                              const Translate& translate) {
    std::string clauses;
    for (const auto& key : keys) {
        const std::string label = SettingLabel(key);
        std::string field = names == SettingNames::Labels && !label.empty()
                                ? translate(label.c_str()).append(" \"")
                                : std::string("\"").append(key);
        field.append(config.Text(key)).append("\"");
        const char* why = IsTelephone(key) ? texts::settings::kSettingNotTelephone
                                           : texts::settings::kSettingNotNumber;
        clauses += (clauses.empty() ? "" : ", ") + FillIn(translate(why), {field});
    }
    return FillIn(translate(texts::settings::kSettingsRefused), {Utf8Of(configFile), clauses});
}

DataBlock BuildSettingsBlock(const SettingsIndex& config, const LocalTime& at,
                             const TextEncoding& encoding) {
    DataBlock block{};
    BlockWriter w(config, block, encoding);
    FillBlock(w, block, at);
    return block;
}

namespace {

void FillBlock(BlockWriter& w, DataBlock& block, const LocalTime& at) {
    FillOneByteValues(w);
    w.Number(81, 2, keys::kServiceMaxTime);
    w.Number(84, 2, keys::kDelayedCall);
    w.Number(86, 2, keys::kPlayMusicMaxTime);
    const std::int32_t mode = w.Int(keys::kMode);
    w.Number(88, 1, mode < 20 ? mode : 0);
    const std::int32_t dtmf = w.Int(keys::kForwardDtmf);
    w.Number(94, 1, dtmf == 1 ? 9 : 1);
    const int stamp[] = {at.year - 2000, at.month, at.day, at.hour, at.minute, at.second};
    for (std::size_t i = 0; i < 6; ++i)
        block[96 + i] = Bcd(stamp[i]);
    w.DigitField(112, keys::kHostNumber);
    w.Number(144, 3, keys::kDialCounter);
    w.Number(158, 2, keys::kDialMinutes);
    FillPeriods(w);
    w.TextField(240, 16, keys::kAddIp);
    w.TextField(256, 96, keys::kSms);
    w.TextField(464, 16, keys::kSlaveImei);
    w.TextField(480, 16, keys::kPin);
    w.TextField(496, 16, keys::kImei);
}

} // namespace

} // namespace mervadin
