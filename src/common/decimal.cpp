#include "common/decimal.h"

#include <charconv>

namespace mervadin {

std::optional<std::int64_t> ParseDecimal(std::string_view text) {
    // from_chars takes a "-" but not a "+".
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace mervadin
