#pragma once
// A number list line's fields: GROUP sep NAME sep NUMBER, sep a TAB or a
// comma. The packing reads them, the check judges them and the list editor
// changes one of them while keeping every other byte of the line.

#include <string>
#include <string_view>

namespace mervadin {

struct NumberFields {
    std::string_view group;  // all of the text before the first separator
    std::string_view name;   // between the first and the second separator
    std::string_view number; // after the second, up to a NUL, comma, TAB, CR or LF
    std::string_view tail;   // the rest of the line, the number's end on
    char firstSeparator = 0; // 0 where the line has none
    char secondSeparator = 0;

    enum class Field { Group, Name, Number };
    std::string_view Of(Field field) const;
    // The line with `field` replaced by `text`; a separator the line lacks
    // is added as the comma (the text import's own separator).
    std::string With(Field field, std::string_view text) const;
};

NumberFields SplitNumberLine(std::string_view line);

// A field's text may not hold what would end it in the line.
bool FitsInField(std::string_view text);

} // namespace mervadin
