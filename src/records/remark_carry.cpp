#include "records/remark_carry.h"

#include "records/call_record.h"
#include "records/record_lines.h"

#include <algorithm>
#include <compare>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace mervadin {

namespace {

// The lines of each number, in order: the first of each in one array of
// slots probed in turn, each slot holding a part of its number's hash so
// that numbers are compared only where the hashes agree (less than half the
// time std::unordered_map takes), and after each line the next with its
// number.
class LinesByNumber {
public:
    // `numbers[i]` is line i's number; the views must outlive the index.
    explicit LinesByNumber(std::vector<std::string_view> numbers)
        : numbers_(std::move(numbers)), next_(numbers_.size(), 0) {
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
            const auto stored = static_cast<std::uint32_t>(line + 1);
            if (slot.first == 0)
                slot = {Tag(hash), stored, stored, stored};
            else
                next_[slot.last - 1] = std::exchange(slot.last, stored);
        }
    }

    // The first line with `number` that `taken` does not hold; lines found
    // taken are passed over for good, so that every line is looked at once.
    std::optional<std::size_t> FirstOpen(std::string_view number, const std::vector<bool>& taken) {
        Slot& slot = slots_[Probe(number, std::hash<std::string_view>{}(number))];
        while (slot.open != 0 && taken[slot.open - 1])
            slot.open = next_[slot.open - 1];
        return slot.open == 0 ? std::nullopt : std::optional<std::size_t>(slot.open - 1);
    }

private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t first = 0; // the line's index + 1; 0 when the slot is empty
        std::uint32_t last = 0;  // the last line with the number, + 1
        std::uint32_t open = 0;  // the first line not taken, + 1; 0 when none is left
    };

    static std::uint32_t Tag(std::size_t hash) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
    }

    // The slot that holds `number`, or the empty one where it would go.
    std::size_t Probe(std::string_view number, std::size_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.first == 0 || (slot.tag == Tag(hash) && numbers_[slot.first - 1] == number))
                return at;
        }
    }

    std::vector<std::string_view> numbers_;
    std::vector<std::uint32_t> next_; // the next line with the same number, + 1
    std::vector<Slot> slots_;
};

std::size_t HashOf(const CallFacts& call) {
    const std::hash<std::string_view> text;
    std::size_t hash = text(call.number);
    for (const std::size_t part :
         {text(call.type), std::hash<std::int64_t>{}(call.minute), text(call.dateText),
          std::hash<std::int64_t>{}(call.seconds), text(call.durationText)})
        hash ^= part + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    return hash;
}

// The fresh lines by the call each records, so that a remark goes back to
// its own call: the lines sorted by their calls' hashes, and over that
// order the next line not yet taken.
class LinesByCall {
public:
    explicit LinesByCall(const LineViews& fresh) {
        calls_.reserve(fresh.size());
        entries_.reserve(fresh.size());
        for (std::size_t line = 0; line < fresh.size(); ++line) {
            calls_.push_back(CallOf(fresh[line]));
            if (!calls_.back().number.empty())
                entries_.push_back({HashOf(calls_.back()), line});
        }
        std::sort(entries_.begin(), entries_.end());
        // Where each run of hashes with the same top bits starts: a look
        // goes straight to its run rather than halving the whole table.
        while ((std::size_t{1} << bits_) < entries_.size() && bits_ < 24)
            ++bits_;
        starts_.assign((std::size_t{1} << bits_) + 1, entries_.size());
        for (std::size_t at = entries_.size(); at-- > 0;)
            starts_[Bucket(entries_[at].hash)] = at;
        for (std::size_t bucket = starts_.size() - 1; bucket-- > 0;)
            starts_[bucket] = std::min(starts_[bucket], starts_[bucket + 1]);
        open_.resize(entries_.size() + 1);
        for (std::size_t at = 0; at < open_.size(); ++at)
            open_[at] = at;
    }

    // The first line holding `call` that no earlier remark took, taken now
    // (and marked in `taken`); when every such line is taken, the first of
    // them again (the last remark wins). Nothing when no line holds the
    // call.
    std::optional<std::size_t> Take(const CallFacts& call, std::vector<bool>& taken) {
        const std::size_t hash = HashOf(call);
        std::size_t begin = starts_[Bucket(hash)];
        while (begin < entries_.size() && entries_[begin].hash < hash)
            ++begin;
        const auto holds = [&](std::size_t at) {
            return at < entries_.size() && entries_[at].hash == hash;
        };
        for (std::size_t at = Open(begin); holds(at); at = Open(at + 1)) {
            const std::size_t line = entries_[at].line;
            if (calls_[line] == call) {
                taken[line] = true;
                open_[at] = at + 1;
                return line;
            }
        }
        for (std::size_t at = begin; holds(at); ++at)
            if (calls_[entries_[at].line] == call)
                return entries_[at].line;
        return std::nullopt;
    }

private:
    struct Entry {
        std::size_t hash;
        std::size_t line;
        auto operator<=>(const Entry&) const = default;
    };

    std::size_t Bucket(std::size_t hash) const {
        return bits_ == 0 ? 0 : hash >> (std::numeric_limits<std::size_t>::digits - bits_);
    }

    // The first entry from `at` on whose line no remark took: entries taken
    // point past themselves, and every look shortens the way it went.
    std::size_t Open(std::size_t at) {
        std::size_t root = at;
        while (open_[root] != root)
            root = open_[root];
        while (open_[at] != root)
            at = std::exchange(open_[at], root);
        return root;
    }

    std::vector<CallFacts> calls_; // of the lines as they were before any was replaced
    std::vector<Entry> entries_;
    std::vector<std::size_t> open_;   // entries_.size() + 1 of them: the last is always open
    unsigned bits_ = 0;               // the top bits of a hash that choose its run
    std::vector<std::size_t> starts_; // the first entry of each run, and the end
};

// Calls `forEachOld(carry)`, which hands every old line to `carry`. Each
// old line takes the fresh line of its own call, in order (a call stored
// live, read back from the device; the same call twice takes two lines);
// one with a remark puts itself in that line's place. A remarked line whose
// call the read does not hold replaces the first fresh line with its number
// that no old line of its own call took.
template <typename ForEachOld>
void CarryFrom(LineViews& fresh, ForEachOld forEachOld) {
    // The numbers point into the texts the fresh lines came from, which stay
    // where they are while lines are replaced.
    std::vector<std::string_view> numbers;
    numbers.reserve(fresh.size());
    for (const std::string_view line : fresh)
        numbers.push_back(FieldView(line, "Number["));
    LinesByNumber byNumber(std::move(numbers));
    std::optional<LinesByCall> byCall; // made at the first old line with a number
    std::vector<bool> taken(fresh.size(), false);
    forEachOld([&](std::string_view line) {
        const std::string_view number = FieldView(line, "Number[");
        if (number.empty())
            return true;
        if (!byCall)
            byCall.emplace(fresh);
        const auto own = byCall->Take(CallOf(line), taken);
        if (FieldView(line, "Remark[").empty())
            return true;
        if (own)
            fresh[*own] = line;
        else if (const auto first = byNumber.FirstOpen(number, taken))
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
