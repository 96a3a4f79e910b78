#include "common/csv_cell.h"

#include <algorithm>

namespace mervadin {

namespace {

// A number as a spreadsheet reads one: a sign, digits, a point and digits.
bool IsPlainNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    const auto point = text.find('.');
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    return !whole.empty() && digits(whole) && digits(fraction) &&
           (point == std::string_view::npos || !fraction.empty());
}

} // namespace

void AppendCsvCell(std::string& out, std::string_view cell) {
    // What a spreadsheet program would take for a formula is shown as text.
    constexpr std::string_view kFormulaStarts = "=+-@\t\r";
    const bool guarded = !cell.empty() &&
                         kFormulaStarts.find(cell.front()) != std::string_view::npos &&
                         !IsPlainNumber(cell);
    if (!guarded && cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    if (guarded)
        out += '\'';
    for (const char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace mervadin
