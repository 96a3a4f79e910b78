#include "round/outcome_table.h"

#include "common/csv_cell.h"
#include "numbers/number_fields.h"
#include "statistics/call_statistics.h"

#include <cstdio>

namespace mervadin {

std::string GroupedCount(std::uint64_t count) {
    std::string digits = std::to_string(count);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ' ');
    return digits;
}

std::string TotalsText(const OutcomeTotals& totals, const Translate& translate) {
    const char* format =
        totals.numbers == 1
            ? UI_TEXT("%1 number: %2 reached, %3 dialled and not reached, %4 never dialled")
            : UI_TEXT("%1 numbers: %2 reached, %3 dialled and not reached, %4 never dialled");
    return FillIn(translate(format),
                  {GroupedCount(totals.numbers), GroupedCount(totals.Of(Reach::Reached)),
                   GroupedCount(totals.Of(Reach::NotReached)),
                   GroupedCount(totals.Of(Reach::NeverDialled))});
}

std::string SetApartText(const ListOutcome& outcome, const Translate& translate) {
    std::string text;
    if (outcome.OtherRecords() > 0)
        text = FillIn(translate(UI_TEXT("%1 calls of numbers not on the list")),
                      {GroupedCount(outcome.OtherRecords())});
    if (outcome.Unread() > 0) {
        const UnreadLine& first = outcome.UnreadLines().front();
        text += (text.empty() ? "" : "; ") +
                FillIn(translate(UI_TEXT(
                           "%1 lines of %2 could not be read and are not counted, the first: "
                           "line %3: %4")),
                       {GroupedCount(outcome.Unread()), first.list, std::to_string(first.line),
                        first.reason});
    }
    return text;
}

const char* ReachText(Reach reach) {
    switch (reach) {
    case Reach::Reached:
        return UI_TEXT("reached");
    case Reach::NotReached:
        return UI_TEXT("not reached");
    case Reach::NeverDialled:
        break;
    }
    return UI_TEXT("never dialled");
}

const char* ResultText(bool connected) {
    return connected ? UI_TEXT("connected") : UI_TEXT("failed");
}

std::string WhenText(const LastCall& when) {
    const auto seconds = static_cast<unsigned>(when.time.count());
    char time[16];
    std::snprintf(time, sizeof time, " %02u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return DayText(when.day) + time;
}

std::string LinesText(const std::vector<std::size_t>& lines) {
    std::string text;
    for (const auto line : lines)
        text += (text.empty() ? "" : ", ") + std::to_string(line);
    return text;
}

std::vector<std::string> OutcomeHeader() {
    return {UI_TEXT("Number"),       UI_TEXT("Name"),      UI_TEXT("Group"),
            UI_TEXT("Lines"),        UI_TEXT("Calls"),     UI_TEXT("Connected"),
            UI_TEXT("Failed"),       UI_TEXT("Last call"), UI_TEXT("Last result"),
            UI_TEXT("Talking time"), UI_TEXT("Outcome")};
}

std::vector<std::string> OutcomeCells(const NumberOutcome& number, const Lines& list,
                                      const Translate& translate) {
    const std::size_t first = number.lines.front();
    const NumberFields fields =
        SplitNumberLine(first <= list.size() ? std::string_view(list[first - 1]) : "");
    return {number.digits.empty() ? std::string(fields.number) : number.digits,
            std::string(fields.name),
            std::string(fields.group),
            LinesText(number.lines),
            std::to_string(number.Attempts()),
            std::to_string(number.connected),
            std::to_string(number.failed),
            number.last ? WhenText(*number.last) : "",
            number.last ? translate(ResultText(number.last->connected)) : "",
            number.Attempts() > 0 ? ClockText(number.talkSeconds) : "",
            translate(ReachText(number.Outcome()))};
}

std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += ',';
        AppendCsvCell(line, cells[i]); // what a spreadsheet would run is shown as text
    }
    return line;
}

} // namespace mervadin
