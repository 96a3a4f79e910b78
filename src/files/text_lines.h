#pragma once
// Data files are 8-bit text kept as a list of lines. Splitting accepts CR,
// LF and CR LF line ends; joining ends every line with CR LF. Bytes are kept
// exactly as they are: no transcoding, no trimming.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace mervadin {

using Lines = std::vector<std::string>;
// Lines that point into a text kept elsewhere: no allocation per line.
using LineViews = std::vector<std::string_view>;

// Calls `visit(line)` for each line of `text` (CR, LF and CR LF end a line;
// a last line without an end counts); stops early when `visit` returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    if (text.empty())
        return;
    const char* at = text.data();
    const char* const end = at + text.size();
    // The next CR and the next LF are each looked for once, not once per
    // line: a text of only CRs (or only LFs) is still split in one pass.
    const auto next = [&](char c) {
        const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
        return found ? static_cast<const char*>(found) : end;
    };
    const char* cr = next('\r');
    const char* lf = next('\n');
    while (at < end) {
        if (cr < at)
            cr = next('\r');
        if (lf < at)
            lf = next('\n');
        const char* lineEnd = std::min(cr, lf);
        if (!visit(std::string_view(at, static_cast<std::size_t>(lineEnd - at))) || lineEnd == end)
            return;
        const bool crLf = *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n';
        at = lineEnd + (crLf ? 2 : 1);
    }
}

// The first `atMost` lines of `text` (all of them by default).
Lines SplitLines(std::string_view text, std::size_t atMost = SIZE_MAX);
LineViews SplitLineViews(std::string_view text, std::size_t atMost = SIZE_MAX);
// The number of lines, counted up to `atMost`.
std::size_t CountLines(std::string_view text, std::size_t atMost = SIZE_MAX);
// What follows the first `count` lines of `text` and their line ends.
std::string_view AfterLines(std::string_view text, std::size_t count);

// `text` with every line ended by CR LF: what JoinLines(SplitLines(text))
// gives, without a string per line.
std::string NormalizeLineEnds(std::string_view text);

// Joins lines with CR LF after every line, the last one included.
std::string JoinLines(const Lines& lines);
std::string JoinLines(const LineViews& lines);

} // namespace mervadin
