#include "sim/record_codec.h"

namespace mervadin::sim {

record::Record EncodeCallRecord(const CallRecord& call) {
    record::Record r{};
    record::SetName(r, call.name);
    record::SetGroup(r, call.group);
    record::SetDigits(r, call.number);
    record::SetDate(r, {static_cast<unsigned>(call.year), static_cast<unsigned>(call.month),
                        static_cast<unsigned>(call.day), static_cast<unsigned>(call.secondOfDay)});
    record::SetType(r, static_cast<unsigned>(call.type));
    record::SetDuration(r, static_cast<unsigned>(call.duration));
    return r;
}

std::optional<DialEntry> DecodeNumberRecord(record::View r) {
    char digits[record::kNumberDigits];
    const std::size_t count = record::Digits(r, digits);
    if (count == 0)
        return std::nullopt;
    return DialEntry{record::Group(r), std::string(record::Name(r, 0xFF)),
                     std::string(digits, count)};
}

} // namespace mervadin::sim
