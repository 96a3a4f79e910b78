#pragma once
// A list outcome as text: the totals line, and a row of cells per number,
// the same in the window, the report, the command line's table and its CSV.

#include "common/ui_text.h"
#include "files/text_lines.h"
#include "round/list_outcome.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

// "9 000": thousands set apart by a blank, as the totals write counts.
std::string GroupedCount(std::uint64_t count);

// "9 000 numbers: 6 120 reached, 2 310 dialled and not reached, 570 never
// dialled".
std::string TotalsText(const OutcomeTotals& totals, const Translate& translate = AsWritten);
// What was left out of the numbers' figures: "1 234 calls of numbers not on
// the list", lines that could not be read and the first of them; empty
// when nothing was.
std::string SetApartText(const ListOutcome& outcome, const Translate& translate = AsWritten);

// "reached", "not reached", "never dialled".
const char* ReachText(Reach reach);
// "connected" or "failed".
const char* ResultText(bool connected);
// "2026-01-02 10:04:05".
std::string WhenText(const LastCall& when);
// "3, 17".
std::string LinesText(const std::vector<std::size_t>& lines);

enum class OutcomeColumn {
    Number,
    Name,
    Group,
    LinesOfList,
    Attempts,
    Connected,
    Failed,
    LastCall,
    LastResult,
    TalkingTime,
    Outcome,
};
inline constexpr std::size_t kOutcomeColumns = 11;

// The columns' titles (marked for translation).
std::vector<std::string> OutcomeHeader();
// A number's cells. Its NUMBER, NAME and GROUP are those of its first line
// of `list`, as bytes of the list's text; the number shown is the packed
// digits, or the NUMBER as written where it packs to none.
std::vector<std::string> OutcomeCells(const NumberOutcome& number, const Lines& list,
                                      const Translate& translate = AsWritten);

// Cells as one CSV line (no line end), each quoted where it must be.
std::string CsvLine(const std::vector<std::string>& cells);

} // namespace mervadin
