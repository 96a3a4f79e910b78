#pragma once
// The device's 32-byte records, sixteen to a data block: where each field
// lies, and one reader and writer for each. The number record (written by
// the tool into the number area) and the call record (read back from the
// call record area) share their first 25 bytes:
//
//   bytes 0-15   name; a zero byte ends a shorter one (erased flash is 0xFF)
//   16 - 18      group: 20 bits, byte 16 to the high half of byte 18
//   18 - 24      number: up to 13 digits as nibbles from the low half of
//                byte 18 on, 0xF after the last
//   25 - 29      call date: year since 2000 (7 bits), month (4), day (5) and
//                second of the day (17), most significant first
//   29           call type: bits 4-6
//   30 - 31      call duration in seconds, high byte first
//
// Bytes 25-31 of a number record are 0xFF.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace mervadin::record {

inline constexpr std::size_t kSize = 32;
inline constexpr std::size_t kPerBlock = 16;
inline constexpr std::size_t kNameBytes = 16;
inline constexpr std::size_t kNumberDigits = 13;
inline constexpr std::uint32_t kGroupMask = 0xFFFFF;

using Record = std::array<std::uint8_t, kSize>;
using View = std::span<const std::uint8_t, kSize>;
using Place = std::span<std::uint8_t, kSize>;

namespace layout {
inline constexpr std::size_t kGroupAt = 16;
inline constexpr std::size_t kFirstDigitNibble = 18 * 2 + 1; // the low half of byte 18
inline constexpr std::size_t kDateAt = 25;
inline constexpr std::size_t kTypeAt = 29;
inline constexpr std::size_t kDurationAt = 30;

// Nibble `index` counts half-bytes from byte 0, the high half first.
inline std::uint8_t Nibble(std::span<const std::uint8_t, kSize> r, std::size_t index) {
    const std::uint8_t byte = r[index / 2];
    return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}
} // namespace layout

// The readers are inline: a read decodes 65 536 records.

// The name's bytes: up to 16, ending at the first zero byte; at `stopAt`
// too when given (a number record read back stops at erased 0xFF).
inline std::string_view Name(View r, std::optional<std::uint8_t> stopAt = std::nullopt) {
    std::size_t length = 0;
    while (length < kNameBytes && r[length] != 0 && (!stopAt || r[length] != *stopAt))
        ++length;
    return {reinterpret_cast<const char*>(r.data()), length};
}

inline std::uint32_t Group(View r) {
    using layout::kGroupAt;
    return ((std::uint32_t{r[kGroupAt]} << 16) | (std::uint32_t{r[kGroupAt + 1]} << 8) |
            r[kGroupAt + 2]) >>
           4;
}

// The number's digits, up to the first nibble above 9; how many there are.
inline std::size_t Digits(View r, char (&digits)[kNumberDigits]) {
    std::size_t count = 0;
    for (; count < kNumberDigits; ++count) {
        const std::uint8_t nibble = layout::Nibble(r, layout::kFirstDigitNibble + count);
        if (nibble > 9)
            break;
        digits[count] = static_cast<char>('0' + nibble);
    }
    return count;
}

// Writes `name` (at most 16 bytes, as given) and a zero byte after a shorter one.
void SetName(Place r, std::string_view name);
// The low 20 bits of `group`, leaving the number's first nibble as it is.
void SetGroup(Place r, std::uint32_t group);
// The low four bits of each of the first 13 characters, 0xF after them.
void SetDigits(Place r, std::string_view number);

struct CallDate {
    unsigned year;   // since 2000, 0-127
    unsigned month;  // 0-15 as stored
    unsigned day;    // 0-31 as stored
    unsigned second; // of the day, 0-131071 as stored
};
inline CallDate Date(View r) {
    using layout::kDateAt;
    const std::uint32_t time = ((std::uint32_t{r[kDateAt + 2]} << 16) |
                                (std::uint32_t{r[kDateAt + 3]} << 8) | r[kDateAt + 4]) >>
                               7;
    return {static_cast<unsigned>(r[kDateAt] >> 1),
            static_cast<unsigned>(((r[kDateAt] & 1u) << 3) | (r[kDateAt + 1] >> 5)),
            static_cast<unsigned>(r[kDateAt + 1] & 0x1Fu), time};
}

inline unsigned Type(View r) {
    return (r[layout::kTypeAt] >> 4) & 7u;
}

inline unsigned Duration(View r) {
    return (unsigned{r[layout::kDurationAt]} << 8) | r[layout::kDurationAt + 1];
}

void SetDate(Place r, const CallDate& date);
void SetType(Place r, unsigned type);
void SetDuration(Place r, unsigned seconds);

} // namespace mervadin::record
