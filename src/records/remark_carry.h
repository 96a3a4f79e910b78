#pragma once
// A read replaces the two call lists with the records the device holds; the
// remarks the operator wrote into the old lists are carried over to the new
// lines with the same number.

#include "files/text_lines.h"

namespace mervadin {

// Each old line that carries a remark replaces the first fresh line whose
// number is the same, whole and exact; of several old lines with one number,
// the last wins. One pass over each list, through an index of the fresh
// lines' numbers.
void CarryRemarks(LineViews& fresh, const LineViews& old);
// The same from the old list's text, read line by line: only the lines that
// carry a remark are kept (as views into `oldText`).
void CarryRemarks(LineViews& fresh, std::string_view oldText);

// A read's dump sorted into its calls out and calls in, in order (the
// views point into the dump); a read then carries the old remarks into each.
struct RebuiltLists {
    LineViews callOut;
    LineViews callIn;
};

RebuiltLists SortByKind(const LineViews& dump);

} // namespace mervadin
