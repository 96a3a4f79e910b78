#include "round/list_outcome.h"

#include "files/work_folder.h"
#include "numbers/number_packing.h"
#include "records/call_record.h"

#include <limits>
#include <tuple>

namespace mervadin {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

bool IsCallOut(CallType type) {
    return type == CallType::Succeeded || type == CallType::Failed;
}

bool Later(const CallLine& call, const LastCall& last) {
    return std::tie(call.day, call.time) >= std::tie(last.day, last.time);
}

} // namespace

ListOutcome::ListOutcome(const Lines& list, DayRange range)
    : range_(range), numberOfLine_(list.size(), kNone) {
    // Reserved whole, so that the digits the index points into never move.
    numbers_.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].find_first_not_of(" \t") == std::string::npos)
            continue; // a blank line holds no number
        std::string digits = PackedDigitsOfLine(list[i]);
        if (!digits.empty()) {
            if (const auto found = byDigits_.find(digits); found != byDigits_.end()) {
                numbers_[found->second].lines.push_back(i + 1);
                numberOfLine_[i] = found->second;
                continue;
            }
        }
        numberOfLine_[i] = numbers_.size();
        NumberOutcome& added = numbers_.emplace_back();
        added.digits = std::move(digits);
        added.lines.push_back(i + 1);
        if (!added.digits.empty())
            byDigits_.emplace(added.digits, numbers_.size() - 1);
    }
}

std::string_view ListOutcome::DialledOf(std::string_view recordLine) {
    return FieldView(recordLine, "Number[");
}

void ListOutcome::Take(std::string_view recordLine) {
    const std::size_t lineNumber = ++recordLines_;
    if (recordLine.empty())
        return;
    const ReadCallLine read = ReadCall(recordLine);
    std::string reason = read.reason;
    if (read.line && !IsCallOut(read.line->type))
        reason = "type \"" + std::string(FieldView(recordLine, "Type[")) + "\" is no call out";
    if (!reason.empty()) {
        ++unread_;
        if (unreadLines_.size() < CallStatistics::kMaxReported)
            unreadLines_.push_back(
                {std::string(file::kCallOutList), lineNumber, std::move(reason)});
        return;
    }
    const CallLine& call = *read.line;
    if (!firstDay_ || call.day < *firstDay_)
        firstDay_ = call.day;
    if (!lastDay_ || call.day > *lastDay_)
        lastDay_ = call.day;
    if (!range_.Holds(call.day))
        return;
    const auto found = byDigits_.find(DialledOf(recordLine));
    if (found == byDigits_.end()) {
        ++otherRecords_;
        return;
    }
    Count(numbers_[found->second], call);
}

void ListOutcome::Count(NumberOutcome& number, const CallLine& call) {
    const bool connected = call.type == CallType::Succeeded;
    if (connected) {
        ++number.connected;
        number.talkSeconds += call.durationSeconds;
    } else {
        ++number.failed;
    }
    // The latest call is the last; of two at the same second, the one
    // stored later.
    if (!number.last || Later(call, *number.last))
        number.last = LastCall{call.day, call.time, connected};
}

void ListOutcome::TakeText(std::string_view text) {
    ForEachLine(text, [this](std::string_view line) {
        Take(line);
        return true;
    });
}

const NumberOutcome* ListOutcome::OfLine(std::size_t line) const {
    if (line == 0 || line > numberOfLine_.size() || numberOfLine_[line - 1] == kNone)
        return nullptr;
    return &numbers_[numberOfLine_[line - 1]];
}

const NumberOutcome* ListOutcome::OfDigits(std::string_view digits) const {
    const auto found = byDigits_.find(digits);
    return found == byDigits_.end() ? nullptr : &numbers_[found->second];
}

OutcomeTotals ListOutcome::Totals() const {
    OutcomeTotals totals;
    totals.numbers = numbers_.size();
    for (const auto& number : numbers_)
        ++totals.byReach[static_cast<std::size_t>(number.Outcome())];
    return totals;
}

std::optional<CallLine> CallOf(std::string_view recordLine, std::string_view digits,
                               const DayRange& range) {
    if (digits.empty() || ListOutcome::DialledOf(recordLine) != digits)
        return std::nullopt;
    const ReadCallLine read = ReadCall(recordLine);
    if (!read.line || !IsCallOut(read.line->type) || !range.Holds(read.line->day))
        return std::nullopt;
    return read.line;
}

} // namespace mervadin
