#include "records/remark_carry.h"

#include "records/call_record.h"
#include "records/record_lines.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace mervadin {

namespace {

// The first line for each number, in one array of slots probed in turn,
// each slot holding a part of its number's hash so that numbers are compared
// only where the hashes agree (records_bench BM_CarryOverMatching/60000:
// 22.5 ms with std::unordered_map -> 9.5 ms).
class FirstLineByNumber {
public:
    // `numbers[i]` is line i's number; the views must outlive the index.
    explicit FirstLineByNumber(std::vector<std::string_view> numbers)
        : numbers_(std::move(numbers)) {
        std::size_t capacity = 16;
        while (capacity < 2 * numbers_.size())
            capacity *= 2;
        slots_.resize(capacity);
        for (std::size_t line = 0; line < numbers_.size(); ++line) {
            const std::string_view number = numbers_[line];
            if (number.empty())
                continue;
            const std::size_t hash = std::hash<std::string_view>{}(number);
            Slot& slot = slots_[Probe(number, hash)];
            if (slot.line == 0)
                slot = {Tag(hash), static_cast<std::uint32_t>(line + 1)};
        }
    }

    std::optional<std::size_t> Find(std::string_view number) const {
        const Slot slot = slots_[Probe(number, std::hash<std::string_view>{}(number))];
        return slot.line == 0 ? std::nullopt : std::optional<std::size_t>(slot.line - 1);
    }

private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t line = 0; // the line's index + 1; 0 when the slot is empty
    };

    static std::uint32_t Tag(std::size_t hash) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
    }

    // The slot that holds `number`, or the empty one where it would go.
    std::size_t Probe(std::string_view number, std::size_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.line == 0 || (slot.tag == Tag(hash) && numbers_[slot.line - 1] == number))
                return at;
        }
    }

    std::vector<std::string_view> numbers_;
    std::vector<Slot> slots_;
};

// Calls `forEachOld(carry)`, which hands every old line to `carry`.
template <typename ForEachOld>
void CarryFrom(LineViews& fresh, ForEachOld forEachOld) {
    // The numbers point into the texts the fresh lines came from, which stay
    // where they are while lines are replaced.
    std::vector<std::string_view> numbers;
    numbers.reserve(fresh.size());
    for (const std::string_view line : fresh)
        numbers.push_back(FieldView(line, "Number["));
    const FirstLineByNumber firstWithNumber(std::move(numbers));
    forEachOld([&](std::string_view line) {
        const std::string_view number = RemarkedNumber(line);
        if (!number.empty())
            if (const auto first = firstWithNumber.Find(number))
                fresh[*first] = line;
        return true;
    });
}

} // namespace

void CarryRemarks(LineViews& fresh, const LineViews& old) {
    CarryFrom(fresh, [&](auto carry) {
        for (const std::string_view line : old)
            carry(line);
    });
}

void CarryRemarks(LineViews& fresh, std::string_view oldText) {
    CarryFrom(fresh, [&](auto carry) { ForEachLine(oldText, carry); });
}

RebuiltLists SortByKind(const LineViews& dump) {
    RebuiltLists lists;
    for (const std::string_view line : dump) {
        const CallKind kind = KindOf(line);
        if (kind != CallKind::Neither)
            (kind == CallKind::Out ? lists.callOut : lists.callIn).push_back(line);
    }
    return lists;
}

} // namespace mervadin
