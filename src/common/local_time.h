#pragma once
// The local date and time, broken down, as the tool stamps it into the
// settings block, the trace and the simulated device's records.

namespace mervadin {

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The local date and time now.
LocalTime Now();

} // namespace mervadin
