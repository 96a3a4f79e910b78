#pragma once

// One cell of a CSV file, written so that a spreadsheet program shows it and
// never runs it.

#include <string>
#include <string_view>

namespace mervadin {

// A CSV cell as a spreadsheet shows it and never runs it: quoted where it
// holds a comma, a quote or a line break, and a text that begins with "=",
// "+", "-", "@", TAB or CR after a "'" unless it is a plain number.
void AppendCsvCell(std::string& out, std::string_view cell);

} // namespace mervadin
