#pragma once
// The one way the tool reads a decimal integer from text: settings values,
// status fields and command arguments alike.

#include <cstdint>
#include <optional>
#include <string_view>

namespace mervadin {

// Digits with an optional leading "+" or "-"; nothing else, nothing after.
// Nothing when the text is not such a number or does not fit.
std::optional<std::int64_t> ParseDecimal(std::string_view text);

} // namespace mervadin
