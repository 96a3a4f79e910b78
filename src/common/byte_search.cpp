#include "common/byte_search.h"

#include <algorithm>

namespace mervadin {

namespace {

std::optional<std::size_t> SearchStarts(Bytes buffer, std::string_view pattern,
                                        std::size_t starts) {
    const std::size_t length = std::min(pattern.size(), kMaxPatternLength);
    if (length == 0 || buffer.size() < length)
        return std::nullopt;
    const std::size_t lastStart = std::min({starts, kSearchStarts, buffer.size() - length + 1});
    if (lastStart == 0)
        return std::nullopt;
    // Matches that start before lastStart lie in this prefix; find() looks
    // for the first character with memchr, far faster than a compare per start.
    const std::string_view window(reinterpret_cast<const char*>(buffer.data()),
                                  lastStart - 1 + length);
    const std::size_t start = window.find(pattern.substr(0, length));
    if (start == std::string_view::npos)
        return std::nullopt;
    return start + length - 1;
}

} // namespace

std::string_view ValueAfter(Bytes buffer, std::string_view tag, const ValueRule& rule) {
    const auto end = Search(buffer, tag);
    if (!end)
        return {};
    const std::string_view text(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    return ValueAt(text, *end + 1, rule);
}

std::optional<std::size_t> Search(Bytes buffer, std::string_view pattern) {
    return SearchStarts(buffer, pattern, kSearchStarts);
}

std::optional<std::size_t> ShortSearch(Bytes buffer, std::string_view pattern) {
    return SearchStarts(buffer, pattern, kShortSearchStarts);
}

} // namespace mervadin
