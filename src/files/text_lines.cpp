#include "files/text_lines.h"

namespace mervadin {

std::size_t CountLines(std::string_view text, std::size_t atMost) {
    std::size_t count = 0;
    ForEachLine(text, [&](std::string_view) { return ++count < atMost; });
    return count;
}

namespace {

template <typename LineList>
LineList SplitAs(std::string_view text) {
    LineList lines;
    lines.reserve(CountLines(text)); // one allocation, not a copy at every doubling
    ForEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
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

Lines SplitLines(std::string_view text) {
    return SplitAs<Lines>(text);
}

LineViews SplitLineViews(std::string_view text) {
    return SplitAs<LineViews>(text);
}

std::string JoinLines(const Lines& lines) {
    return JoinAs(lines);
}

std::string JoinLines(const LineViews& lines) {
    return JoinAs(lines);
}

} // namespace mervadin
