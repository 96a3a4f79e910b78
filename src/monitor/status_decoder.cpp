#include "monitor/status_decoder.h"

#include "common/decimal.h"
#include "frames/device_words.h"
#include "monitor/monitor_texts.h"
#include "records/call_record.h"

#include <array>
#include <charconv>

namespace mervadin {

namespace {

constexpr unsigned kCounterLimit = 100095;

// The `count` characters right after a tag, when all of them are in the frame.
std::optional<std::string> After(Bytes frame, std::string_view tag, std::size_t count) {
    const auto end = Search(frame, tag);
    if (!end || *end + count >= frame.size())
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(frame.data()) + *end + 1, count);
}

int TwoDigits(const std::string& text) {
    return (text[0] & 0x0F) * 10 + (text[1] & 0x0F);
}

std::string Counter(Bytes frame) {
    const auto digits = After(frame, words::kCounter, 6);
    if (!digits)
        return "";
    unsigned value = 0;
    for (char c : *digits)
        value = value * 10 + static_cast<unsigned>(c & 0x0F);
    return value < kCounterLimit ? std::to_string(value) : "";
}

std::string Keys(Bytes frame) {
    std::string keys;
    for (char c : After(frame, words::kDtmf, 6).value_or(""))
        if (c >= '0' && c <= '9')
            keys += c;
    return keys;
}

// A decimal integer shows as the number; anything else as it came.
std::string Talking(const std::string& text) {
    const auto value = ParseDecimal(text);
    return value ? std::to_string(*value) : text;
}

} // namespace

const std::vector<DeviceModel>& DeviceModels() {
    static const std::vector<DeviceModel> models = {
        {"kemo0001", "KEMO-0001", 15, 6, 15, 8}, {"kemo0002", "KEMO-0002", 15, 6, 15, 8},
        {"kemo0003", "KEMO-0003", 8, 6, 8, 4},   {"kemo0004", "KEMO-0004", 8, 6, 8, 4},
        {"kemo0005", "KEMO-0005", 7, 4, 3, 2},
    };
    return models;
}

int SignalBars(int q) {
    if (q <= 0 || q >= 32)
        return 0;
    return q <= 6 ? 1 : q <= 9 ? 2 : q <= 12 ? 3 : 4;
}

std::string TagValue(Bytes frame, std::string_view tag) {
    return std::string(ValueAfter(frame, tag, kStatusFieldRule));
}

LiveRecord DecodeLiveRecord(Bytes frame) {
    const auto field = [frame](std::string_view tag, std::size_t most) {
        ValueRule rule = kLiveRecordFieldRule;
        rule.maxLength = most;
        return ValueAfter(frame, tag, rule);
    };
    // Filed by the frame's own type character: a name may hold "Type[".
    const auto typeAt = Search(frame, words::kRecordType);
    const char type =
        typeAt && *typeAt + 1 < frame.size() ? static_cast<char>(frame[*typeAt + 1]) : '\0';
    const std::string typeText = type == '\0' ? "" : std::string(1, type);
    return {CallRecordLine({field(words::kRecordGroup, 6), field(words::kRecordName, 16),
                            field(words::kRecordNumber, 16), typeText,
                            field(words::kRecordDate, 16), field(words::kRecordDuration, 16)}),
            type};
}

StatusReport DecodeStatus(Bytes frame) {
    StatusReport report;
    if (const auto csq = After(frame, words::kSignal, 2)) {
        report.signal = TwoDigits(*csq);
        report.signalBars = SignalBars(*report.signal);
    }
    if (const auto state = After(frame, words::kStation, 2)) {
        const int code = TwoDigits(*state);
        if (code >= 0 && code < static_cast<int>(std::size(texts::monitor::kStateNames)))
            report.stateName = texts::monitor::kStateNames[static_cast<std::size_t>(code)];
    }
    report.number = TagValue(frame, words::kNumber);
    const auto cdr = After(frame, words::kCdr, 1);
    if (cdr && (*cdr)[0] != ';')
        report.record = DecodeLiveRecord(frame);
    report.keys = Keys(frame);
    report.counter = Counter(frame);
    report.talking = Talking(TagValue(frame, words::kTalkingTime));
    report.speaker = TagValue(frame, words::kSpeaker);
    report.microphone = TagValue(frame, words::kMicrophone);
    using namespace texts::monitor;
    report.statusLine = kStatusState + report.stateName + kStatusNumber + report.number +
                        kStatusKeys + report.keys + kStatusCounter + report.counter +
                        kStatusTalking + report.talking + kStatusSpeaker + report.speaker +
                        kStatusMicrophone + report.microphone + kStatusEnd;
    return report;
}

std::vector<const DeviceModel*> ModelsNamed(Bytes frame, const std::string& current) {
    std::vector<const DeviceModel*> named;
    std::string last = current;
    for (const auto& model : DeviceModels()) {
        if (Search(frame, model.id) && model.id != last) {
            named.push_back(&model);
            last = model.id;
        }
    }
    return named;
}

} // namespace mervadin
