#include "monitor/level_step.h"

#include <algorithm>

namespace mervadin {

std::optional<int> SteppedLevel(int current, int step, int top, int count) {
    if (current < 0 || current >= count)
        return std::nullopt;
    const int next = step > 0 ? std::min(current + 1, top) : std::max(current - 1, 0);
    if (next >= count)
        return std::nullopt;
    return next;
}

} // namespace mervadin
