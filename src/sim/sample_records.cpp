// Made-up call records the simulated device can be given, the same every
// time.

#include "frames/device_words.h"
#include "sim/sim_store.h"

#include <string>

namespace mervadin::sim {

void SimStore::AddSampleRecords(std::size_t count) {
    static const char* names[] = {"Alice", "Bob", "Carol", "Dave", "Erin", "Frank"};
    for (std::size_t i = 0; i < count; ++i) {
        CallRecord record;
        record.group = static_cast<std::uint32_t>(1 + i % 7);
        record.name = names[i % 6];
        record.number = "1380000" + std::to_string(1000 + i % 9000);
        record.type = static_cast<int>(i % 4);
        record.year = 26;
        record.month = 1 + static_cast<int>(i / 28 % 12);
        record.day = 1 + static_cast<int>(i % 28);
        record.secondOfDay = static_cast<int>((std::size_t{8} * 3600 + i * 97) % 86400);
        record.duration = record.type == 0 || record.type == 2 ? static_cast<int>(i * 13 % 600) : 0;
        AddRecord(record);
    }
}

void SimStore::AddLookalikeRecords() {
    using namespace words;
    const std::string end(kEndMark);
    const std::string names[] = {end, "x" + end + end, std::string(kChecksumTag) + end,
                                 std::string(kOpening) + end, "Dora"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        CallRecord record;
        record.group = static_cast<std::uint32_t>(10 + i);
        record.name = names[i];
        record.number = "135" + std::to_string(10000000 + i);
        record.type = static_cast<int>(i % 2);
        record.year = 26;
        record.month = 9;
        record.day = 30;
        record.secondOfDay = 14 * 3600 + 25 * 60 + 32;
        record.duration = record.type == 0 ? 62 : 0;
        AddRecord(record);
    }
}

} // namespace mervadin::sim
