#pragma once
// The text encoding a user chose in the window (or with `mervadin-cli
// encoding NAME`), remembered per user in the tool's settings, and the
// encodings the window offers.

#include <optional>
#include <string>
#include <vector>

namespace mervadin {

class EncodingChoice {
public:
    // The remembered name; nothing when none was chosen.
    static std::optional<std::string> Remembered();
    static void Remember(const std::string& name);
    // The encodings offered, those this system knows, UTF-8 first.
    static std::vector<std::string> Offered();
};

} // namespace mervadin
