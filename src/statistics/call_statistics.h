#pragma once
// Figures of a campaign from the two call lists: how many calls of each
// type, the success rate of calls out, the answer rate of calls in, how long
// people talked; in all, per day and per group, for an optional range of
// days. A line whose type, date or duration cannot be read is counted
// apart and reported with its reason, never guessed.

#include "records/call_record.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

enum class CallType { Succeeded, Failed, Answered, Missed, Manual };
inline constexpr std::size_t kCallTypes = 5;

struct CallCounts {
    std::array<std::uint64_t, kCallTypes> calls{};
    std::uint64_t talkSeconds = 0; // of succeeded and answered calls

    std::uint64_t Of(CallType type) const { return calls[static_cast<std::size_t>(type)]; }
    std::uint64_t Total() const;
    // Succeeded out of succeeded and failed; nothing without such calls.
    std::optional<double> SuccessRate() const;
    // Answered out of answered and missed.
    std::optional<double> AnswerRate() const;
    // Talking time per succeeded or answered call.
    std::optional<double> AverageTalkSeconds() const;
    void Add(CallType type, std::uint32_t seconds);
};

// A line that could not be read: which list, which line (1-based), why.
struct UnreadLine {
    std::string list;
    std::size_t line = 0;
    std::string reason;
};

// Orders groups as numbers where both are digits, else as text.
struct GroupOrder {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct CallStatistics {
    CallCounts total;
    std::map<std::chrono::year_month_day, CallCounts> byDay;
    std::map<std::string, CallCounts, GroupOrder> byGroup; // in number order, then text
    std::uint64_t unread = 0;
    std::vector<UnreadLine> unreadLines; // the first kMaxReported of them
    static constexpr std::size_t kMaxReported = 100;
};

struct DayRange {
    std::optional<std::chrono::year_month_day> from, to; // both included
    bool Holds(std::chrono::year_month_day day) const {
        return (!from || day >= *from) && (!to || day <= *to);
    }
};

// What one line of a list says, read with the lists' own field rule.
struct CallLine {
    std::string_view group;
    CallType type;
    std::chrono::year_month_day day;
    std::chrono::seconds time;     // of the day
    std::uint32_t durationSeconds; // talking time
};
// The line's figures, or the reason it cannot be read.
struct ReadCallLine {
    std::optional<CallLine> line;
    std::string reason;
};
ReadCallLine ReadCall(std::string_view line);

CallStatistics ComputeStatistics(std::string_view callOutText, std::string_view callInText,
                                 const DayRange& range = {});

// The figures as text, one row per label: the same in the window, the
// command-line table and its CSV.
std::vector<std::string> StatisticsHeader(std::string_view firstColumn);
std::vector<std::string> StatisticsCells(std::string_view label, const CallCounts& counts);
// "12.5%", or "" without calls to rate.
std::string RateText(std::optional<double> rate);
// "1:02:03".
std::string ClockText(std::uint64_t seconds);

} // namespace mervadin
