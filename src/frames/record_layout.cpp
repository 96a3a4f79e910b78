#include "frames/record_layout.h"

#include <algorithm>

namespace mervadin::record {

namespace {

using namespace layout;

void SetNibble(Place r, std::size_t index, std::uint8_t value) {
    std::uint8_t& byte = r[index / 2];
    byte = index % 2 == 0 ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                          : static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
}

} // namespace

void SetName(Place r, std::string_view name) {
    const std::size_t length = std::min(name.size(), kNameBytes);
    std::copy_n(name.begin(), length, r.begin());
    if (length < kNameBytes)
        r[length] = 0;
}

void SetGroup(Place r, std::uint32_t group) {
    group &= kGroupMask;
    r[kGroupAt] = static_cast<std::uint8_t>(group >> 12);
    r[kGroupAt + 1] = static_cast<std::uint8_t>(group >> 4);
    SetNibble(r, (kGroupAt + 2) * 2, static_cast<std::uint8_t>(group & 0x0F));
}

void SetDigits(Place r, std::string_view number) {
    for (std::size_t i = 0; i < kNumberDigits; ++i)
        SetNibble(r, kFirstDigitNibble + i,
                  i < number.size() ? static_cast<std::uint8_t>(number[i] & 0x0F) : 0x0F);
}

void SetDate(Place r, const CallDate& date) {
    r[kDateAt] = static_cast<std::uint8_t>(((date.year & 0x7F) << 1) | ((date.month >> 3) & 1));
    r[kDateAt + 1] = static_cast<std::uint8_t>(((date.month & 7) << 5) | (date.day & 0x1F));
    const std::uint32_t time = (date.second & 0x1FFFF) << 7;
    r[kDateAt + 2] = static_cast<std::uint8_t>(time >> 16);
    r[kDateAt + 3] = static_cast<std::uint8_t>(time >> 8);
    // Byte 29 holds the time's last bit and the type: only the bit is written.
    r[kDateAt + 4] = static_cast<std::uint8_t>((r[kDateAt + 4] & 0x7F) | (time & 0x80));
}

void SetType(Place r, unsigned type) {
    r[kTypeAt] = static_cast<std::uint8_t>((r[kTypeAt] & 0x8F) | ((type & 7) << 4));
}

void SetDuration(Place r, unsigned seconds) {
    r[kDurationAt] = static_cast<std::uint8_t>(seconds >> 8);
    r[kDurationAt + 1] = static_cast<std::uint8_t>(seconds);
}

} // namespace mervadin::record
