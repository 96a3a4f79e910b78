#include "link/tick_period.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace mervadin {

int TickPeriodMs() {
    const char* text = std::getenv("MERVADIN_TICK_MS");
    int value = 0;
    if (text && std::from_chars(text, text + std::strlen(text), value).ec == std::errc() &&
        value > 0)
        return value;
    return 10;
}

} // namespace mervadin
