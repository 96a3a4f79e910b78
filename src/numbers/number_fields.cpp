#include "numbers/number_fields.h"

#include <algorithm>

namespace mervadin {

namespace {

bool IsSeparator(char c) {
    return c == '\t' || c == ',';
}
bool EndsNumber(char c) {
    return c == '\0' || IsSeparator(c) || c == '\r' || c == '\n';
}

// Splits `text` at its first separator: what is before it, the separator
// (0 when there is none) and what is after it.
struct Cut {
    std::string_view before;
    char separator = 0;
    std::string_view after;
};
Cut CutAtSeparator(std::string_view text) {
    const auto at = static_cast<std::size_t>(std::find_if(text.begin(), text.end(), IsSeparator) -
                                             text.begin());
    if (at == text.size())
        return {text, 0, {}};
    return {text.substr(0, at), text[at], text.substr(at + 1)};
}

} // namespace

NumberFields SplitNumberLine(std::string_view line) {
    NumberFields fields;
    const Cut first = CutAtSeparator(line);
    fields.group = first.before;
    fields.firstSeparator = first.separator;
    if (!first.separator)
        return fields;
    const Cut second = CutAtSeparator(first.after);
    fields.name = second.before;
    fields.secondSeparator = second.separator;
    if (!second.separator)
        return fields;
    const std::string_view rest = second.after;
    const auto end =
        static_cast<std::size_t>(std::find_if(rest.begin(), rest.end(), EndsNumber) - rest.begin());
    fields.number = rest.substr(0, end);
    fields.tail = rest.substr(end);
    return fields;
}

std::string_view NumberFields::Of(Field field) const {
    switch (field) {
    case Field::Group:
        return group;
    case Field::Name:
        return name;
    case Field::Number:
        return number;
    }
    return {};
}

std::string NumberFields::With(Field field, std::string_view text) const {
    const auto pick = [&](Field f) { return f == field ? text : Of(f); };
    const std::string_view parts[] = {pick(Field::Group), pick(Field::Name), pick(Field::Number)};
    // The fields up to the last one that holds text (or the changed one),
    // then the tail: no separators are added that the line does not need.
    std::size_t last = secondSeparator ? 2 : firstSeparator ? 1 : 0;
    for (std::size_t i = last + 1; i < 3; ++i)
        if (!parts[i].empty())
            last = i;
    const char separators[] = {firstSeparator ? firstSeparator : ',',
                               secondSeparator ? secondSeparator : ','};
    std::string line(parts[0]);
    for (std::size_t i = 1; i <= last; ++i) {
        line += separators[i - 1];
        line += parts[i];
    }
    if (last == 2)
        line += tail;
    return line;
}

bool FitsInField(std::string_view text) {
    return std::none_of(text.begin(), text.end(), EndsNumber);
}

} // namespace mervadin
