#include "records/record_filter.h"

#include "files/text_lines.h"
#include "records/call_record.h"
#include "records/record_texts.h"

#include <algorithm>
#include <cctype>

namespace mervadin {

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

bool RecordFilter::Matches(std::string_view line) const {
    if (!number.empty() && FieldView(line, "Number[").find(number) == std::string_view::npos)
        return false;
    if (type && FieldView(line, "Type[") != std::string_view(&*type, 1))
        return false;
    if (group && FieldView(line, "Group[") != *group)
        return false;
    if (from || to) {
        const auto date = ParseCallDate(FieldView(line, "Date["));
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
