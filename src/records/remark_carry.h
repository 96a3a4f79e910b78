#pragma once
// A read replaces the two call lists with the records the device holds; the
// remarks the operator wrote into the old lists are carried over to the new
// lines of the same calls (a call stored live and read back keeps its line
// and remark), or, for a call the device no longer holds, to a new line with
// the same number.

#include "files/text_lines.h"

namespace mervadin {

// The old lines are matched, in order, with the fresh lines of the same
// call (SameCall), each fresh line with one old line. An old line that
// carries a remark replaces its match; without one, it replaces the first
// fresh line whose number is the same, whole and exact, and that no old line
// matched; of several such old lines with one number, the last wins. One
// pass over each list, through indexes of the fresh lines' numbers and
// calls.
void CarryRemarks(LineViews& fresh, const LineViews& old);
// The same from the old list's text, read line by line: the lines put in
// place are views into `oldText`.
void CarryRemarks(LineViews& fresh, std::string_view oldText);

// A read's dump sorted into its calls out and calls in, in order (the
// views point into the dump); a read then carries the old remarks into each.
struct RebuiltLists {
    LineViews callOut;
    LineViews callIn;
};

RebuiltLists SortByKind(const LineViews& dump);

} // namespace mervadin
