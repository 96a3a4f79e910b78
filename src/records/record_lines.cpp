#include "records/record_lines.h"

#include "common/byte_search.h"
#include "common/decimal.h"
#include "files/text_lines.h"
#include "records/call_record.h"
#include "records/record_texts.h"

#include <algorithm>
#include <cctype>

namespace mervadin {

CallKind KindOf(std::string_view line) {
    // A line of the tool's own shape by its type, read at its place: a name
    // holding "Type[0]" changes nothing.
    if (const auto fields = SplitCallLine(line)) {
        const std::string_view type = (*fields)[static_cast<std::size_t>(CallField::Type)];
        if (type == "0" || type == "1")
            return CallKind::Out;
        return type == "2" || type == "3" ? CallKind::In : CallKind::Neither;
    }
    // Any other line: one pass over its "Type[" tags, a call out wins
    // wherever it is.
    constexpr std::string_view tag = "Type[";
    bool in = false;
    for (auto at = line.find(tag); at != std::string_view::npos; at = line.find(tag, at + 1)) {
        if (at + tag.size() + 1 >= line.size() || line[at + tag.size() + 1] != ']')
            continue;
        const char type = line[at + tag.size()];
        if (type == '0' || type == '1')
            return CallKind::Out;
        in = in || type == '2' || type == '3';
    }
    return in ? CallKind::In : CallKind::Neither;
}

bool SameCall(std::string_view a, std::string_view b) {
    return CallOf(a) == CallOf(b) && !FieldView(a, "Number[").empty();
}

CallFacts CallOf(std::string_view line) {
    CallFacts call;
    call.number = FieldView(line, "Number[");
    call.type = FieldView(line, "Type[");
    const std::string_view date = FieldView(line, "Date[");
    if (const auto parsed = ParseCallDate(date))
        call.minute = std::chrono::sys_days(parsed->first).time_since_epoch().count() * 1440 +
                      parsed->second.count() / 60;
    else
        call.dateText = date;
    const std::string_view duration = FieldView(line, "Duration[");
    if (const auto seconds = ParseDuration(duration))
        call.seconds = *seconds;
    else
        call.durationText = duration;
    return call;
}

std::size_t RemarkStart(std::string_view line) {
    constexpr std::string_view field = "],\tRemark[";
    if (const std::size_t at = line.rfind(field); at != std::string_view::npos)
        return at + field.size();
    const auto end = ShortSearch(AsBytes(line), "Remark[");
    return end ? *end + 1 : std::string_view::npos;
}

std::string_view WholeRemark(std::string_view line) {
    const std::size_t start = RemarkStart(line);
    if (start == std::string_view::npos)
        return {};
    return ValueAt(line, start, ValueRule{";]", std::string_view::npos});
}

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::optional<char> CallTypeOf(std::string_view nameOrDigit) {
    for (char digit = '0'; digit <= '4'; ++digit)
        if (nameOrDigit == std::string_view(&digit, 1) ||
            SameLetters(nameOrDigit, texts::records::kTypeNames[digit - '0']))
            return digit;
    return std::nullopt;
}

namespace {

bool SameGroup(std::string_view text, std::string_view wanted) {
    // By value where both are numbers: "01" is group 1.
    const auto a = ParseDecimal(text), b = ParseDecimal(wanted);
    return a && b ? *a == *b : text == wanted;
}

} // namespace

bool RecordFilter::Matches(std::string_view line) const {
    if (TakesAll())
        return true;
    const CallLineFields fields = FieldViews(line);
    const auto field = [&](CallField f) { return fields[static_cast<std::size_t>(f)]; };
    if (!number.empty() && field(CallField::Number).find(number) == std::string_view::npos)
        return false;
    if (type && field(CallField::Type) != std::string_view(&*type, 1))
        return false;
    if (group && !SameGroup(field(CallField::Group), *group))
        return false;
    if (from || to) {
        const auto date = ParseCallDate(field(CallField::Date));
        if (!date || (from && date->first < *from) || (to && date->first > *to))
            return false;
    }
    return true;
}

std::string FilteredLines(std::string_view text, const RecordFilter& filter) {
    std::string kept;
    ForEachLine(text, [&](std::string_view line) {
        if (filter.Matches(line))
            kept.append(line).append("\r\n");
        return true;
    });
    return kept;
}

} // namespace mervadin
