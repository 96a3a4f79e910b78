#include "sim/call_record_encoder.h"

#include <algorithm>

namespace mervadin::sim {

namespace {

// Writes up to 13 digits as nibbles from the low half of byte 18 on; the
// nibbles after the number are 0xF.
void PutNumber(Record32& r, const std::string& number) {
    for (std::size_t i = 0; i < 13; ++i) {
        const std::uint8_t nibble =
            i < number.size() ? static_cast<std::uint8_t>(number[i] & 0x0F) : 0x0F;
        const std::size_t position = i + 1; // nibble index counted from byte 18's high half
        std::uint8_t& byte = r[18 + position / 2];
        byte = (position % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (nibble << 4))
                                   : static_cast<std::uint8_t>((byte & 0xF0) | nibble);
    }
}

} // namespace

Record32 EncodeCallRecord(const CallRecord& record) {
    Record32 r{};
    std::copy_n(record.name.begin(), std::min<std::size_t>(16, record.name.size()), r.begin());
    const std::uint32_t group = record.group & 0xFFFFF;
    r[16] = static_cast<std::uint8_t>(group >> 12);
    r[17] = static_cast<std::uint8_t>(group >> 4);
    r[18] = static_cast<std::uint8_t>((group & 0x0F) << 4);
    PutNumber(r, record.number);
    r[25] = static_cast<std::uint8_t>(((record.year & 0x7F) << 1) | ((record.month >> 3) & 1));
    r[26] = static_cast<std::uint8_t>(((record.month & 7) << 5) | (record.day & 0x1F));
    const std::uint32_t time = static_cast<std::uint32_t>(record.secondOfDay & 0x1FFFF) << 7;
    r[27] = static_cast<std::uint8_t>(time >> 16);
    r[28] = static_cast<std::uint8_t>(time >> 8);
    r[29] = static_cast<std::uint8_t>((time & 0x80) | ((record.type & 7) << 4));
    r[30] = static_cast<std::uint8_t>(record.duration >> 8);
    r[31] = static_cast<std::uint8_t>(record.duration);
    return r;
}

std::optional<DialEntry> DecodeNumberRecord(std::span<const std::uint8_t, 32> r) {
    DialEntry entry;
    for (std::size_t i = 0; i < 16 && r[i] != 0 && r[i] != 0xFF; ++i)
        entry.name += static_cast<char>(r[i]);
    entry.group = (std::uint32_t{r[16]} << 12) | (std::uint32_t{r[17]} << 4) | (r[18] >> 4);
    for (std::size_t i = 0; i < 13; ++i) {
        const std::size_t position = i + 1;
        const std::uint8_t byte = r[18 + position / 2];
        const std::uint8_t nibble = position % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble > 9)
            break;
        entry.number += static_cast<char>('0' + nibble);
    }
    if (entry.number.empty())
        return std::nullopt;
    return entry;
}

} // namespace mervadin::sim
