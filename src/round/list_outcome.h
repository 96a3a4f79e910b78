#pragma once
// What became of each number of a number list in a calling round: its
// attempts, connected and failed calls, its last call and its talking time,
// from the call-out records of a range of days.
//
// The rule, the one place it is written: a call record belongs to a line
// of the list when the digits of its "Number[" field equal the digits the
// number write packs for that line (PackedDigitsOfLine: the NUMBER's first
// 13 characters, read back up to the first one that is no digit), which are
// the digits the device dials and records. Lines that pack to the same
// digits are one number, named with all its lines. Records of numbers the
// list does not hold are counted apart, and so are lines that cannot be
// read (their type, date or duration), as the statistics count them.

#include "files/text_lines.h"
#include "statistics/call_statistics.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mervadin {

// A number's outcome, in the order the totals count them.
enum class Reach { Reached, NotReached, NeverDialled };
inline constexpr std::size_t kReaches = 3;

struct LastCall {
    std::chrono::year_month_day day;
    std::chrono::seconds time; // of the day
    bool connected = false;
    bool operator==(const LastCall&) const = default;
};

struct NumberOutcome {
    // The packed digits; empty for a line the device cannot dial (a
    // NUMBER that starts with no digit), which is a number of its own.
    std::string digits;
    std::vector<std::size_t> lines; // of the list, counted from 1
    std::uint32_t connected = 0;
    std::uint32_t failed = 0;
    std::uint64_t talkSeconds = 0; // of its connected calls
    std::optional<LastCall> last;

    std::uint32_t Attempts() const { return connected + failed; }
    Reach Outcome() const {
        return connected > 0 ? Reach::Reached
                             : (failed > 0 ? Reach::NotReached : Reach::NeverDialled);
    }
};

struct OutcomeTotals {
    std::size_t numbers = 0;
    std::array<std::size_t, kReaches> byReach{};
    std::size_t Of(Reach reach) const { return byReach[static_cast<std::size_t>(reach)]; }
};

class ListOutcome {
public:
    // The numbers of `list`, one line each (a blank line holds none), and
    // the range of days whose records count.
    explicit ListOutcome(const Lines& list, DayRange range = {});
    ListOutcome(const ListOutcome&) = delete; // its index points into itself
    ListOutcome& operator=(const ListOutcome&) = delete;
    ListOutcome(ListOutcome&&) = default;
    ListOutcome& operator=(ListOutcome&&) = default;

    // The digits a call record line was dialled to, by which it belongs to
    // a number.
    static std::string_view DialledOf(std::string_view recordLine);

    // The next line of the call-out list.
    void Take(std::string_view recordLine);
    // Every line of `text`, in order.
    void TakeText(std::string_view text);

    const std::vector<NumberOutcome>& Numbers() const { return numbers_; }
    // The number of line `line` of the list (counted from 1); nothing for a
    // blank line or one past the list.
    const NumberOutcome* OfLine(std::size_t line) const;
    const NumberOutcome* OfDigits(std::string_view digits) const;
    OutcomeTotals Totals() const;
    const DayRange& Range() const { return range_; }

    // Records of the range whose number the list does not hold.
    std::uint64_t OtherRecords() const { return otherRecords_; }
    std::uint64_t RecordLines() const { return recordLines_; }
    // The first and the last day of the calls out read, in the range or not.
    std::optional<std::chrono::year_month_day> FirstDay() const { return firstDay_; }
    std::optional<std::chrono::year_month_day> LastDay() const { return lastDay_; }
    // Lines of the call-out list that cannot be read, and the first of them.
    std::uint64_t Unread() const { return unread_; }
    const std::vector<UnreadLine>& UnreadLines() const { return unreadLines_; }

private:
    void Count(NumberOutcome& number, const CallLine& call);

    DayRange range_;
    std::vector<NumberOutcome> numbers_;
    std::vector<std::size_t> numberOfLine_;                      // an index into numbers_, or kNone
    std::unordered_map<std::string_view, std::size_t> byDigits_; // into numbers_' digits
    std::uint64_t otherRecords_ = 0;
    std::uint64_t recordLines_ = 0;
    std::optional<std::chrono::year_month_day> firstDay_, lastDay_;
    std::uint64_t unread_ = 0;
    std::vector<UnreadLine> unreadLines_;
};

// The call `recordLine` holds when it is a call of `digits` in `range`, by
// the rule above; what the double-click on a number lists.
std::optional<CallLine> CallOf(std::string_view recordLine, std::string_view digits,
                               const DayRange& range);

} // namespace mervadin
