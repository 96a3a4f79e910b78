#include "settings/settings_block.h"

#include "common/decimal.h"
#include "files/path_text.h"
#include "settings/settings_file.h"
#include "settings/settings_form.h"
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

std::uint8_t Bcd(int value) {
    return static_cast<std::uint8_t>((value / 10 % 10) << 4 | (value % 10));
}

void FillOneByteValues(BlockWriter& w) {
    static const std::pair<std::size_t, const char*> bytes[] = {
        {2, "dtmf dial switch="},
        {13, "CallOutAllowOutSidePB="},
        {14, "CallInAllowOutSidePB="},
        {16, "setting times of failed call and reboot="},
        {30, "RctVol="},
        {31, "buzzer on="},
        {32, "phone="},
        {33, "mic="},
        {34, "slaver phone="},
        {35, "slaver mic="},
        {36, "uplink vol="},
        {37, "downlink vol="},
        {38, "RingTone="},
        {39, "RingVol="},
        {40, "phone="},
        {41, "mic="},
        {42, "listen vol="},
        {43, "server ring vol="},
        {66, "dial in delay time="},
        {67, "auto dial switch="},
        {69, "connected delay sms="},
        {71, "recode function="},
        {72, "send sms to hoster function="},
        {73, "send sms to called function="},
        {78, "RecSwitch="},
        {79, "callback="},
        {80, "all time of dial to pickup="},
        {83, "no person play sound all time="},
        {89, "auto pickup time="},
        {90, "dial in type="},
        {92, "slaver moudule send sms to hoster="},
        {93, "slaver moudule send sms to called="},
    };
    for (const auto& [offset, key] : bytes)
        w.Number(offset, 1, key);
}

void FillPeriods(BlockWriter& w) {
    static const char* keys[4][4] = {
        {"start1 hour=", "start1 minute=", "end1 hour=", "end1 minute="},
        {"start2 hour=", "start2 minute=", "end2 hour=", "end2 minute="},
        {"start3 hour=", "start3 minute=", "end3 hour=", "end3 minute="},
        {"start4 hour=", "start4 minute=", "end4 hour=", "end4 minute="},
    };
    for (std::size_t period = 0; period < 4; ++period)
        for (std::size_t i = 0; i < 4; ++i)
            w.Number(176 + 16 * period + i, 1, keys[period][i]);
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
        const char* why = key == kHostNumberKey ? texts::settings::kSettingNotTelephone
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
    w.Number(81, 2, "pick up call all time=");
    w.Number(84, 2, "dial out every time=");
    w.Number(86, 2, "dial out all time=");
    const std::int32_t mode = w.Int("mode=");
    w.Number(88, 1, mode < 20 ? mode : 0);
    const std::int32_t dtmf = w.Int("forward dtmf key=");
    w.Number(94, 1, dtmf == 1 ? 9 : 1);
    const int stamp[] = {at.year - 2000, at.month, at.day, at.hour, at.minute, at.second};
    for (std::size_t i = 0; i < 6; ++i)
        block[96 + i] = Bcd(stamp[i]);
    w.DigitField(112, kHostNumberKey);
    w.Number(144, 3, "dial number counter=");
    w.Number(158, 2, "dial all minutes=");
    FillPeriods(w);
    w.TextField(240, 16, "add ip=");
    w.TextField(256, 96, "sms=");
    w.TextField(464, 16, "slaver imei=");
    w.TextField(480, 16, "pin=");
    w.TextField(496, 16, "imei=");
}

} // namespace

} // namespace mervadin
