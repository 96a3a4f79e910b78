#pragma once
// The searches with which markers, tags, answer words and record fields are
// found in bytes. Both give the position of the last character of the first
// match, or nothing when there is none; bytes are compared raw. (The
// device's own tool used 0 for "none", which a one-character match at byte
// 0 would also give; every pattern searched for is longer, so the two agree.)

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace mervadin {

using Bytes = std::span<const std::uint8_t>;

// Search tries start positions 0-1023, ShortSearch 0-199.
inline constexpr std::size_t kSearchStarts = 1024;
inline constexpr std::size_t kShortSearchStarts = 200;
// Searches compare at most this many pattern characters.
inline constexpr std::size_t kMaxPatternLength = 51;

// A match never runs past the end of the buffer. ShortSearch is Search
// with a short range of start positions (0-199), not for short patterns.
std::optional<std::size_t> Search(Bytes buffer, std::string_view pattern);
std::optional<std::size_t> ShortSearch(Bytes buffer, std::string_view pattern);

// How a value that follows a tag ends. The device and the files use three
// rules: a status frame's field runs to ";" (32 characters at most, the room
// the status line gives it); a live call record's field to ";" or "]", but
// its first character is taken whatever it is (so "Name:;" reads ";", as the
// device's own tool reads it); a stored line's field to ";" or "]" (126 at most).
struct ValueRule {
    std::string_view stops; // one or two characters
    std::size_t maxLength;
    bool firstAlwaysTaken = false;
};
inline constexpr ValueRule kStatusFieldRule{";", 32};
inline constexpr ValueRule kLiveRecordFieldRule{";]", 16, true};
inline constexpr ValueRule kLineFieldRule{";]", 126};

// The value that starts at `start` of `text`, read by `rule`. Inline: it
// runs for every field of every line of a read.
inline std::string_view ValueAt(std::string_view text, std::size_t start, const ValueRule& rule) {
    if (start >= text.size())
        return {};
    const std::string_view rest = text.substr(start, rule.maxLength);
    // One or two stop characters, compared directly.
    const char one = rule.stops[0];
    const char other = rule.stops.size() > 1 ? rule.stops[1] : one;
    std::size_t stop = rule.firstAlwaysTaken ? 1 : 0;
    while (stop < rest.size() && rest[stop] != one && rest[stop] != other)
        ++stop;
    return rest.substr(0, std::min(stop, rest.size()));
}

// The value right after the first `tag` in `buffer`; empty when the tag is absent.
std::string_view ValueAfter(Bytes buffer, std::string_view tag, const ValueRule& rule);

// Text as bytes, for searching string literals and strings.
inline Bytes AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace mervadin
