#include "files/text_lines.h"

namespace mervadin {

std::size_t CountLines(std::string_view text, std::size_t atMost) {
    std::size_t count = 0;
    ForEachLine(text, [&](std::string_view) { return ++count < atMost; });
    return count;
}

namespace {

template <typename LineList>
LineList SplitAs(std::string_view text, std::size_t atMost) {
    LineList lines;
    if (atMost == 0)
        return lines;
    lines.reserve(CountLines(text, atMost)); // one allocation, not a copy at every doubling
    ForEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return lines.size() < atMost;
    });
    return lines;
}

// The length of the line end that starts at `at` (0 at the text's end).
std::size_t LineEndAt(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return 0;
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

template <typename LineList>
std::string JoinAs(const LineList& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

Lines SplitLines(std::string_view text, std::size_t atMost) {
    return SplitAs<Lines>(text, atMost);
}

LineViews SplitLineViews(std::string_view text, std::size_t atMost) {
    return SplitAs<LineViews>(text, atMost);
}

std::string_view AfterLines(std::string_view text, std::size_t count) {
    std::size_t end = 0, seen = 0;
    if (count > 0)
        ForEachLine(text, [&](std::string_view line) {
            const auto at = static_cast<std::size_t>(line.data() - text.data()) + line.size();
            end = at + LineEndAt(text, at);
            return ++seen < count;
        });
    return text.substr(end);
}

std::string NormalizeLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    ForEachLine(text, [&](std::string_view line) {
        out.append(line).append("\r\n");
        return true;
    });
    return out;
}

std::string JoinLines(const Lines& lines) {
    return JoinAs(lines);
}

std::string JoinLines(const LineViews& lines) {
    return JoinAs(lines);
}

} // namespace mervadin
