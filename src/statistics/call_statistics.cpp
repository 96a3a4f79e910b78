#include "statistics/call_statistics.h"

#include "common/ui_text.h"
#include "files/text_lines.h"
#include "records/call_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_map>

namespace mervadin {

namespace {

using namespace std::chrono;

std::optional<CallType> TypeOf(std::string_view type) {
    if (type.size() != 1)
        return std::nullopt;
    switch (type[0]) {
    case '0':
        return CallType::Succeeded;
    case '1':
        return CallType::Failed;
    case '2':
        return CallType::Answered;
    case '3':
        return CallType::Missed;
    case '4':
    case 'F':
        return CallType::Manual;
    default:
        return std::nullopt;
    }
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::uint64_t CallCounts::Total() const {
    std::uint64_t total = 0;
    for (const auto count : calls)
        total += count;
    return total;
}

namespace {
std::optional<double> Ratio(std::uint64_t part, std::uint64_t whole) {
    return whole == 0
               ? std::nullopt
               : std::optional<double>(static_cast<double>(part) / static_cast<double>(whole));
}
} // namespace

std::optional<double> CallCounts::SuccessRate() const {
    return Ratio(Of(CallType::Succeeded), Of(CallType::Succeeded) + Of(CallType::Failed));
}

std::optional<double> CallCounts::AnswerRate() const {
    return Ratio(Of(CallType::Answered), Of(CallType::Answered) + Of(CallType::Missed));
}

std::optional<double> CallCounts::AverageTalkSeconds() const {
    return Ratio(talkSeconds, Of(CallType::Succeeded) + Of(CallType::Answered));
}

void CallCounts::Add(CallType type, std::uint32_t seconds) {
    ++calls[static_cast<std::size_t>(type)];
    if (type == CallType::Succeeded || type == CallType::Answered)
        talkSeconds += seconds;
}

ReadCallLine ReadCall(std::string_view line) {
    const CallLineFields fields = FieldViews(line); // the line read once
    const auto field = [&](CallField f) { return fields[static_cast<std::size_t>(f)]; };
    const std::string_view typeText = field(CallField::Type);
    const auto type = TypeOf(typeText);
    if (!type)
        return {std::nullopt, "type " + Quoted(typeText) + " is no call type"};
    const std::string_view dateText = field(CallField::Date);
    const auto date = ParseCallDate(dateText);
    if (!date)
        return {std::nullopt, "date " + Quoted(dateText) + " is not a date"};
    const std::string_view durationText = field(CallField::Duration);
    const auto duration = ParseDuration(durationText);
    if (!duration)
        return {std::nullopt, "duration " + Quoted(durationText) + " is not a duration"};
    return {CallLine{field(CallField::Group), *type, date->first, date->second, *duration}, {}};
}

bool GroupOrder::operator()(const std::string& a, const std::string& b) const {
    const bool numberA = AllDigits(a), numberB = AllDigits(b);
    if (numberA != numberB)
        return numberA; // numbers first
    if (numberA) {
        const auto trimmedA = a.find_first_not_of('0'), trimmedB = b.find_first_not_of('0');
        const std::string_view digitsA =
            trimmedA == std::string::npos ? "" : std::string_view(a).substr(trimmedA);
        const std::string_view digitsB =
            trimmedB == std::string::npos ? "" : std::string_view(b).substr(trimmedB);
        if (digitsA.size() != digitsB.size())
            return digitsA.size() < digitsB.size();
        if (digitsA != digitsB)
            return digitsA < digitsB;
    }
    return a < b;
}

std::vector<std::string> StatisticsHeader(std::string_view firstColumn) {
    return {std::string(firstColumn), UI_TEXT("Succeeded"),    UI_TEXT("Failed"),
            UI_TEXT("Answered"),      UI_TEXT("Missed"),       UI_TEXT("Manual"),
            UI_TEXT("Calls"),         UI_TEXT("Success rate"), UI_TEXT("Answer rate"),
            UI_TEXT("Talking time"),  UI_TEXT("Average talk")};
}

std::vector<std::string> StatisticsCells(std::string_view label, const CallCounts& counts) {
    std::vector<std::string> cells{std::string(label)};
    for (const auto count : counts.calls)
        cells.push_back(std::to_string(count));
    cells.push_back(std::to_string(counts.Total()));
    cells.push_back(RateText(counts.SuccessRate()));
    cells.push_back(RateText(counts.AnswerRate()));
    cells.push_back(ClockText(counts.talkSeconds));
    const auto average = counts.AverageTalkSeconds();
    cells.push_back(average ? ClockText(static_cast<std::uint64_t>(std::llround(*average))) : "");
    return cells;
}

std::string RateText(std::optional<double> rate) {
    if (!rate)
        return "";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", *rate * 100);
    return text;
}

std::string ClockText(std::uint64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u",
                  static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return text;
}

CallStatistics ComputeStatistics(std::string_view callOutText, std::string_view callInText,
                                 const DayRange& range) {
    CallStatistics statistics;
    // Counted in hash tables first (groups by their text in the lists), put
    // in order once at the end.
    std::unordered_map<std::string_view, CallCounts> groups;
    std::unordered_map<int, CallCounts> days; // by days since 1970
    const auto take = [&](std::string_view text, const char* list) {
        std::size_t number = 0;
        ForEachLine(text, [&](std::string_view line) {
            ++number;
            if (line.empty())
                return true; // a blank line holds no call
            const ReadCallLine read = ReadCall(line);
            if (!read.line) {
                ++statistics.unread;
                if (statistics.unreadLines.size() < CallStatistics::kMaxReported)
                    statistics.unreadLines.push_back({list, number, read.reason});
                return true;
            }
            const CallLine& call = *read.line;
            if (!range.Holds(call.day))
                return true;
            statistics.total.Add(call.type, call.durationSeconds);
            days[sys_days(call.day).time_since_epoch().count()].Add(call.type,
                                                                    call.durationSeconds);
            groups[call.group].Add(call.type, call.durationSeconds);
            return true;
        });
    };
    take(callOutText, "CallOutList.txt");
    take(callInText, "CallInList.txt");
    for (const auto& [day, counts] : days)
        statistics.byDay.emplace(year_month_day(sys_days(std::chrono::days(day))), counts);
    for (const auto& [group, counts] : groups)
        statistics.byGroup.emplace(std::string(group), counts);
    return statistics;
}

} // namespace mervadin
